#pragma once

#include "engine/result.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

namespace velandry {

// The folders below one root (a storage card, or the music folder on this
// computer), each listed once and kept for a run, and names looked up in them
// without regard to letter case, as FAT and the device compare them
// (foldedName()). Folders made and files written through it are added, files
// removed taken away, so that it stays true to what is there. Safe to use
// from several threads.
class FolderIndex final
{
public:
    explicit FolderIndex(QString root);

    const QString &root() const { return root_; }

    // One name in a folder, as the listing found it.
    struct Entry
    {
        QString name; // as it is written
        bool folder = false;
        bool link = false;   // a symbolic link (followed for the rest)
        qint64 size = 0;
        qint64 modifiedMs = 0; // since the epoch, UTC
    };

    enum class Found { Yes, Missing, Unreadable };
    // Whether the file (or `folder`) that `names` from `from` on name below
    // the root is there.
    Found find(const QStringList &names, qsizetype from = 0, bool folder = false);

    // The path that `names` lead to with each name as it is written (which
    // may be a file where a folder was looked for, or the other way); nothing
    // where a name is not there.
    std::optional<QString> locate(const QStringList &names, qsizetype from = 0);

    // `names` as they will stand once written: the folders that are already
    // there as they are written, in any letter case; the rest as given.
    QStringList spelled(const QStringList &names);

    // The entry `names` lead to; nothing where a name is not there.
    std::optional<Entry> entry(const QStringList &names);

    // The folders `names` lead to, made where missing (an existing one of
    // another letter case is taken as it is); the path, or why not.
    Result<QString, QString> makeFolders(const QStringList &names);

    // A file `name` that was written in `folder` (a path this index gave),
    // or taken away from it.
    void added(const QString &folder, const Entry &file);
    void removed(const QString &folder, const QString &name);

    // What `folder` holds; empty where it cannot be read.
    QList<Entry> entriesOf(const QString &folder);

private:
    struct Listing
    {
        bool readable = false;
        QHash<QString, Entry> names; // by foldedName()
    };
    Listing &listingOf(const QString &folder);
    const Entry *lookup(const QString &folder, const QString &name);

    QString root_;
    QMutex mutex_;
    QHash<QString, Listing> listings_; // by the folder's path as this index gave it
};

} // namespace velandry
