#pragma once

// Writing a file so that nothing is ever half written: the run's outputs
// (and the claims that keep two playlists of one run from writing one file).

#include "engine/card_file.h"

#include <QFileDevice>
#include <QHash>
#include <QString>

#include <memory>
#include <optional>

class QSaveFile;

namespace velandry {

// Why a file cannot be written at `path` at all, found before anything is
// written.
enum class WriteRefusal {
    None,
    FolderInTheWay, // a folder has the file's name
    WriteProtected, // the file exists and is write-protected: it stays as it is
};
WriteRefusal refusalToWrite(const QString &path);

// A file written whole or not at all: into a temporary file beside it, then
// flushed to the disk and put in its place in one step, so that a failure, a
// stop or a pulled card leaves the file it replaces whole and no temporary
// file behind. QSaveFile does it where it can. A name within seven bytes of
// the file system's limit leaves QSaveFile no room for its temporary name, and
// it takes no name whose bytes are not UTF-8: those go through a short
// temporary name of their own, a CardFile, with the same promises (a link's
// target is what gets replaced; closed with its errors checked; the
// permissions the file had, a new file those the umask leaves).
class AtomicFile final
{
public:
    explicit AtomicFile(QString path);
    ~AtomicFile(); // what was not committed is thrown away
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Opens the temporary file to write.
    bool open();
    QFileDevice &device();
    // Puts what was written in the file's place; where it cannot, nothing is
    // replaced.
    bool commit();
    // Throws away what was written; the file stays as it was.
    void cancel();
    // Why open() or commit() failed, in the system's own words where it gave
    // any.
    const QString &systemError() const { return systemError_; }

private:
    QString path_;
    std::unique_ptr<QSaveFile> saveFile_;
    std::unique_ptr<CardFile> temporary_; // the short temporary, in the place of the file or of the file a link points to
    QString systemError_;
};

// A file written only where its bytes change: what is written is held
// against the file as it stands, and from the first byte that differs (or
// where there is no such file, or it is longer or shorter) the file is
// written anew, whole, through an AtomicFile. A run that writes what a
// playlist already holds writes nothing at all.
class ChangedFile final : public QIODevice
{
public:
    explicit ChangedFile(QString path);
    ~ChangedFile() override;

    // Opens it for writing; false where the file cannot be written.
    bool openToWrite();
    // Puts what was written in the file's place where it differs.
    bool commit();
    // The file being written, once a byte differed; null before.
    QFileDevice *writing() { return writing_ ? &output_.device() : nullptr; }
    const QString &systemError() const { return systemError_; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool startWriting();

    QString path_;
    AtomicFile output_;
    QFile existing_; // while it matches what was written
    bool comparing_ = false;
    bool writing_ = false;
    qint64 matched_ = 0;
    QByteArray piece_;
    QString systemError_;
};

// What the system said of a failed file operation, where it said anything.
QString systemErrorOf(const QFileDevice &file);

// The outputs of a run so far, so that a playlist whose output another one
// wrote ("Pop.m3u" and "Pop.pls" both make "Pop.asx") fails before it is
// converted. Letter case is ignored: on Windows and on a storage card's FAT,
// "Pop.asx" and "pop.asx" are one file.
class OutputClaims final
{
public:
    // The playlist that wrote `outputPath` in this run, where another than
    // `inputPath` did (the same playlist queued twice replaces its own).
    std::optional<QString> claimant(const QString &inputPath, const QString &outputPath) const;
    void written(const QString &inputPath, const QString &outputPath);

private:
    static QString keyOf(const QString &path);
    QHash<QString, QString> writers_; // an output's key: the playlist that wrote it
};

} // namespace velandry
