#include "engine/safe_write.h"

#include "engine/system/file_names.h"
#include "engine/system/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace velandry {

namespace {

// QSaveFile names its temporary file after the target plus ".XXXXXX"; a name
// within that much of the file system's limit of 255 bytes cannot have one.
bool nameTooLongForSaveFile(const QString &path)
{
    return nativeName(QFileInfo(path).fileName()).size() > 255 - 7;
}

} // namespace

QString systemErrorOf(const QFileDevice &file)
{
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

WriteRefusal refusalToWrite(const QString &path)
{
    if (files::kindOf(path) == files::Kind::Folder)
        return WriteRefusal::FolderInTheWay;
    // Replacing by renaming would be allowed, but a write-protected file is
    // meant to stay as it is.
    const QFileInfo target(path);
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return WriteRefusal::WriteProtected;
    return WriteRefusal::None;
}

AtomicFile::AtomicFile(QString path) : path_(std::move(path)) { }

AtomicFile::~AtomicFile()
{
    cancel();
}

bool AtomicFile::open()
{
    if (!nameTooLongForSaveFile(path_) && !holdsRawBytes(path_)) {
        saveFile_ = std::make_unique<QSaveFile>(path_);
        if (saveFile_->open(QIODevice::WriteOnly))
            return true;
        systemError_ = saveFile_->errorString();
        saveFile_.reset();
        return false;
    }
    const QFileInfo output(path_);
    temporary_ = std::make_unique<CardFile>(output.isSymLink() ? output.symLinkTarget() : path_);
    if (const Result<void, files::Error> opened = temporary_->open(); !opened) {
        systemError_ = opened.error().reason;
        temporary_.reset();
        return false;
    }
    return true;
}

QFileDevice &AtomicFile::device()
{
    if (saveFile_)
        return *saveFile_;
    return temporary_->device();
}

bool AtomicFile::commit()
{
    if (saveFile_) {
        const bool committed = saveFile_->commit();
        systemError_ = committed ? QString() : systemErrorOf(*saveFile_);
        saveFile_.reset();
        return committed;
    }
    const QFileInfo existing(temporary_->path());
    CardFile::Commit how{.replacing = CardFile::Replacing::Yes};
    if (existing.exists())
        how.permissions = existing.permissions();
    const Result<void, files::Error> committed = temporary_->commit(how);
    temporary_.reset();
    systemError_ = committed ? QString() : committed.error().reason;
    return committed.ok();
}

void AtomicFile::cancel()
{
    if (saveFile_) {
        saveFile_->cancelWriting();
        saveFile_.reset(); // an unopened or cancelled QSaveFile leaves nothing
    }
    temporary_.reset(); // a CardFile not committed leaves nothing
}

ChangedFile::ChangedFile(QString path) : path_(path), output_(std::move(path)) { }

ChangedFile::~ChangedFile() = default;

bool ChangedFile::openToWrite()
{
    // Held against the file where one is there to read; written anew else.
    comparing_ = files::kindOf(path_) == files::Kind::Ordinary && files::openForReading(existing_, path_).ok();
    if (!comparing_ && !startWriting())
        return false;
    return open(QIODevice::WriteOnly);
}

bool ChangedFile::startWriting()
{
    if (!output_.open()) {
        systemError_ = output_.systemError();
        return false;
    }
    writing_ = true;
    // What matched so far, from the file as it stands.
    if (comparing_ && existing_.seek(0)) {
        for (qint64 copied = 0; copied < matched_;) {
            const QByteArray bytes = existing_.read(qMin<qint64>(matched_ - copied, qint64(1) << 20));
            if (bytes.isEmpty() || output_.device().write(bytes) != bytes.size()) {
                systemError_ = existing_.error() != QFileDevice::NoError ? existing_.errorString() : systemErrorOf(output_.device());
                return false;
            }
            copied += bytes.size();
        }
    }
    comparing_ = false;
    existing_.close();
    return true;
}

qint64 ChangedFile::writeData(const char *data, qint64 size)
{
    if (comparing_) {
        piece_.resize(size);
        if (existing_.read(piece_.data(), size) == size && std::memcmp(piece_.constData(), data, size_t(size)) == 0) {
            matched_ += size;
            return size;
        }
        if (!startWriting())
            return -1;
    }
    if (output_.device().write(data, size) != size) {
        systemError_ = systemErrorOf(output_.device());
        return -1;
    }
    return size;
}

bool ChangedFile::commit()
{
    if (comparing_ && existing_.size() == matched_) {
        existing_.close();
        return true;
    }
    if (comparing_ && !startWriting())
        return false;
    if (!output_.commit()) {
        systemError_ = output_.systemError();
        return false;
    }
    return true;
}

QString OutputClaims::keyOf(const QString &path)
{
    return QFileInfo(path).absoluteFilePath().toCaseFolded();
}

std::optional<QString> OutputClaims::claimant(const QString &inputPath, const QString &outputPath) const
{
    const auto writer = writers_.constFind(keyOf(outputPath));
    if (writer == writers_.cend() || keyOf(*writer) == keyOf(inputPath))
        return std::nullopt;
    return *writer;
}

void OutputClaims::written(const QString &inputPath, const QString &outputPath)
{
    writers_.insert(keyOf(outputPath), inputPath);
}

} // namespace velandry
