#include "safe_write.h"

#include "system.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace velandry {

namespace {

// QSaveFile names its temporary file after the target plus ".XXXXXX"; a name
// within that much of the file system's limit of 255 bytes cannot have one.
bool nameTooLongForSaveFile(const QString &path)
{
    return detail::nativeName(QFileInfo(path).fileName()).size() > 255 - 7;
}

} // namespace

QString createTemporaryFile(const QString &folder, QFile &file, QString &path)
{
    for (int attempt = 0;; ++attempt) {
        path = folder + QStringLiteral("/.velandry-%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const QString reason = detail::createNewFile(file, path);
        // Only a name that is already taken is worth another try.
        if (reason.isEmpty() || detail::kindOf(path) == detail::FileKind::Missing || attempt == 16)
            return reason;
    }
}

QString systemErrorOf(const QFileDevice &file)
{
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

WriteRefusal refusalToWrite(const QString &path)
{
    if (detail::kindOf(path) == detail::FileKind::Folder)
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
    if (!nameTooLongForSaveFile(path_) && !detail::holdsRawBytes(path_)) {
        saveFile_ = std::make_unique<QSaveFile>(path_);
        if (saveFile_->open(QIODevice::WriteOnly))
            return true;
        systemError_ = saveFile_->errorString();
        saveFile_.reset();
        return false;
    }
    const QFileInfo output(path_);
    target_ = output.isSymLink() ? output.symLinkTarget() : path_;
    temporary_ = std::make_unique<QFile>();
    systemError_ = createTemporaryFile(QFileInfo(target_).absolutePath(), *temporary_, temporaryPath_);
    if (systemError_.isEmpty())
        return true;
    temporary_.reset();
    return false;
}

QFileDevice &AtomicFile::device()
{
    if (saveFile_)
        return *saveFile_;
    return *temporary_;
}

bool AtomicFile::commit()
{
    if (saveFile_) {
        const bool committed = saveFile_->commit();
        systemError_ = committed ? QString() : systemErrorOf(*saveFile_);
        saveFile_.reset();
        return committed;
    }
    bool done = temporary_->flush();
    const QFileInfo existing(target_);
    if (done && existing.exists())
        temporary_->setPermissions(existing.permissions());
    temporary_->close();
    systemError_ = systemErrorOf(*temporary_);
    done = done && systemError_.isEmpty();
    if (done) {
        systemError_ = detail::replaceFile(temporaryPath_, target_);
        done = systemError_.isEmpty();
    }
    if (!done) {
        const QString reason = systemError_;
        cancel();
        systemError_ = reason;
        return false;
    }
    temporary_.reset();
    return true;
}

void AtomicFile::cancel()
{
    if (saveFile_) {
        saveFile_->cancelWriting();
        saveFile_.reset(); // an unopened or cancelled QSaveFile leaves nothing
    }
    if (temporary_) {
        temporary_->close();
        detail::removeFile(temporaryPath_);
        temporary_.reset();
    }
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
