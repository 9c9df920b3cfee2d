#include "engine/folder_index.h"

#include "engine/device_rules.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMutexLocker>

namespace velandry {

namespace {

QString childOf(const QString &folder, const QString &name)
{
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

} // namespace

FolderIndex::FolderIndex(QString root) : root_(QDir::cleanPath(std::move(root))) { }

FolderIndex::Listing &FolderIndex::listingOf(const QString &folder)
{
    if (const auto known = listings_.find(folder); known != listings_.end())
        return *known;
    Listing listing;
    const QFileInfo info(folder);
    listing.readable = info.isDir() && info.isReadable();
    if (listing.readable) {
        QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        while (entries.hasNext()) {
            entries.next();
            const QFileInfo found = entries.fileInfo();
            listing.names.insert(foldedName(found.fileName()),
                                 {found.fileName(), found.isDir(), found.isSymLink(), found.size(),
                                  found.lastModified().toMSecsSinceEpoch()});
        }
    }
    return *listings_.insert(folder, std::move(listing));
}

const FolderIndex::Entry *FolderIndex::lookup(const QString &folder, const QString &name)
{
    const Listing &listing = listingOf(folder);
    const auto found = listing.names.constFind(foldedName(name));
    return found == listing.names.cend() ? nullptr : &*found;
}

FolderIndex::Found FolderIndex::find(const QStringList &names, qsizetype from, bool folder)
{
    const QMutexLocker lock(&mutex_);
    QString at = root_;
    for (qsizetype i = from; i < names.size(); ++i) {
        if (!listingOf(at).readable) {
            // A folder that is there but cannot be read, or a root that is
            // gone: nothing can be said. A folder that is gone is missing.
            return at == root_ || QFileInfo::exists(at) || !QFileInfo::exists(root_) ? Found::Unreadable : Found::Missing;
        }
        const Entry *entry = lookup(at, names[i]);
        const bool last = i == names.size() - 1;
        if (!entry || entry->folder != (!last || folder))
            return Found::Missing;
        at = childOf(at, entry->name);
    }
    return Found::Yes;
}

std::optional<QString> FolderIndex::locate(const QStringList &names, qsizetype from)
{
    const QMutexLocker lock(&mutex_);
    QString at = root_;
    for (qsizetype i = from; i < names.size(); ++i) {
        const Entry *entry = lookup(at, names[i]);
        if (!entry)
            return std::nullopt;
        at = childOf(at, entry->name);
    }
    return at;
}

QStringList FolderIndex::spelled(const QStringList &names)
{
    const QMutexLocker lock(&mutex_);
    QStringList spelled = names;
    QString at = root_;
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        const Entry *entry = lookup(at, names[i]);
        if (!entry || !entry->folder)
            break;
        spelled[i] = entry->name;
        at = childOf(at, entry->name);
    }
    return spelled;
}

std::optional<FolderIndex::Entry> FolderIndex::entry(const QStringList &names)
{
    const QMutexLocker lock(&mutex_);
    QString at = root_;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const Entry *found = lookup(at, names[i]);
        if (!found || (i + 1 < names.size() && !found->folder))
            return std::nullopt;
        if (i + 1 == names.size())
            return *found;
        at = childOf(at, found->name);
    }
    return std::nullopt;
}

Result<QString, QString> FolderIndex::makeFolders(const QStringList &names)
{
    const QMutexLocker lock(&mutex_);
    QString at = root_;
    for (const QString &name : names) {
        if (const Entry *entry = lookup(at, name)) {
            at = childOf(at, entry->name);
            continue;
        }
        if (!QDir(at).mkdir(name))
            return failed(childOf(at, name));
        listingOf(at).names.insert(foldedName(name), {name, true, false, 0, 0});
        at = childOf(at, name);
        listings_.insert(at, Listing{true, {}});
    }
    return at;
}

void FolderIndex::added(const QString &folder, const Entry &file)
{
    const QMutexLocker lock(&mutex_);
    listingOf(folder).names.insert(foldedName(file.name), file);
}

void FolderIndex::removed(const QString &folder, const QString &name)
{
    const QMutexLocker lock(&mutex_);
    listingOf(folder).names.remove(foldedName(name));
}

QList<FolderIndex::Entry> FolderIndex::entriesOf(const QString &folder)
{
    const QMutexLocker lock(&mutex_);
    return listingOf(folder).names.values();
}

} // namespace velandry
