#include "conversion_run.h"

#include "playlist_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>

namespace velandry {

namespace {

ConversionFailure failure(const QString &path, const QString &reason)
{
    return {path, reason, false};
}

ConversionFailure readFailure(const QString &path, const QString &reason)
{
    return {path, reason, true};
}

// QSaveFile names its temporary file after the target plus ".XXXXXX"; a name
// within that much of the file system's limit of 255 bytes cannot have one.
bool nameTooLongForSaveFile(const QString &path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() > 255 - 7;
}

std::filesystem::path nativePath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString reasonOf(const QFileDevice &file, const char *fallback)
{
    return file.error() == QFileDevice::NoError || file.errorString() == QStringLiteral("Unknown error")
               ? QString::fromLatin1(fallback)
               : file.errorString();
}

// The same atomic replacement through a temporary file with a short name.
std::optional<ConversionFailure> writeThroughShortTemporary(const QString &outputPath, const MediaPaths &paths,
                                                            QStringView mediaFolder, AsxStats &stats)
{
    QTemporaryFile temporary(QFileInfo(outputPath).absolutePath() + QStringLiteral("/.velandry-XXXXXX"));
    if (!temporary.open())
        return failure(outputPath, temporary.errorString());
    if (!writeAsxDocument(temporary, paths, mediaFolder, &stats) || !temporary.flush())
        return failure(outputPath, reasonOf(temporary, "The file could not be written"));
    const QFileInfo existing(outputPath);
    temporary.setPermissions(existing.exists() ? existing.permissions()
                                               : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                     | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    temporary.close();
    std::error_code error;
    std::filesystem::rename(nativePath(temporary.fileName()), nativePath(outputPath), error);
    if (error)
        return failure(outputPath, QString::fromLocal8Bit(error.message()));
    temporary.setAutoRemove(false);
    return std::nullopt;
}

std::optional<ConversionFailure> writeAtomically(const QString &outputPath, const MediaPaths &paths,
                                                 QStringView mediaFolder, AsxStats &stats)
{
    if (paths.totalLength() > kMaxDocumentPathCharacters)
        return failure(outputPath, QStringLiteral("The references of this playlist overlap and "
                                                  "would make a file larger than 4 GiB"));
    const QFileInfo target(outputPath);
    if (target.isDir())
        return failure(outputPath, QStringLiteral("A folder of that name is in the way"));
    // A write-protected file stays as it is, although replacing it by renaming
    // would be allowed.
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return failure(outputPath, QStringLiteral("The file is write-protected"));
    if (nameTooLongForSaveFile(outputPath))
        return writeThroughShortTemporary(outputPath, paths, mediaFolder, stats);

    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return failure(outputPath, file.errorString());
    if (!writeAsxDocument(file, paths, mediaFolder, &stats)) {
        const QString reason = reasonOf(file, "The file could not be written");
        file.cancelWriting();
        return failure(outputPath, reason);
    }
    if (!file.commit())
        return failure(outputPath, reasonOf(file, "The file could not be replaced"));
    return std::nullopt;
}

} // namespace

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

QString outputFileName(QStringView playlistName)
{
    return playlistName.chopped(qMin<qsizetype>(4, playlistName.size())).toString()
           + QStringLiteral(".asx");
}

PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath,
                                QStringView mediaType, QStringView mediaFolder)
{
    PlaylistOutcome outcome;
    outcome.result.inputPath = inputPath;
    outcome.result.outputPath = outputPath;

    const QFileInfo inputInfo(inputPath);
    if (inputInfo.isDir()) {
        outcome.failure = readFailure(inputPath, QStringLiteral("It is a folder, not a playlist"));
        return outcome;
    }
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        outcome.failure = readFailure(inputPath, input.errorString());
        return outcome;
    }
    // Converting "x.asx" next to itself would replace the playlist being read.
    if (inputInfo.canonicalFilePath() == QFileInfo(outputPath).canonicalFilePath()) {
        outcome.failure = failure(outputPath, QStringLiteral("The output would replace the playlist itself"));
        return outcome;
    }

    MediaPaths paths;
    {
        QByteArray bytes = input.readAll();
        if (input.error() != QFileDevice::NoError) {
            outcome.failure = readFailure(inputPath, input.errorString());
            return outcome;
        }
        input.close();
        const QString text = decodePlaylist(bytes).text;
        bytes = QByteArray(); // the raw bytes are not needed past this point
        paths = extractMediaPaths(text, mediaType);
    }
    outcome.failure = writeAtomically(outputPath, paths, mediaFolder, outcome.result.stats);
    return outcome;
}

ConversionReport runConversion(const ConversionRequest &request, const ProgressCallback &progress)
{
    ConversionReport report;
    if (request.mediaType == kMediaTypePlaceholder) {
        report.status = ConversionReport::Status::Refused;
        return report;
    }
    for (qsizetype i = 0; i < request.playlistNames.size(); ++i) {
        const QString &name = request.playlistNames[i];
        if (progress && !progress(i, name)) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        PlaylistOutcome outcome = convertPlaylist(request.playlistFolder + name,
                                                  request.outputFolder + outputFileName(name),
                                                  request.mediaType, request.mediaFolder);
        if (outcome.failure) {
            report.status = ConversionReport::Status::Failed;
            report.failure = std::move(outcome.failure);
            return report;
        }
        report.converted.append(std::move(outcome.result));
    }
    report.status = ConversionReport::Status::Completed;
    return report;
}

QStringList conversionWarnings(const QList<PlaylistResult> &converted)
{
    QStringList lines;
    for (const PlaylistResult &result : converted) {
        const QString name = QFileInfo(result.inputPath).fileName();
        const AsxStats &stats = result.stats;
        if (stats.entriesWithLostCharacters > 0)
            lines.append(QStringLiteral("%1: %2 of %3 entries hold characters outside the code page, "
                                        "written as \"?\"")
                             .arg(name)
                             .arg(stats.entriesWithLostCharacters)
                             .arg(stats.entries));
        if (stats.cutAcrossMarkup > 0)
            lines.append(QStringLiteral("%1: %2 of %3 entries were cut across the playlist's markup "
                                        "and name no real file")
                             .arg(name)
                             .arg(stats.cutAcrossMarkup)
                             .arg(stats.entries));
    }
    return lines;
}

} // namespace velandry
