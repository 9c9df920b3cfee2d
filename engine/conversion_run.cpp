#include "conversion_run.h"

#include "system.h"
#include "playlist_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>

namespace velandry {

namespace {

using Kind = ConversionFailure::Kind;

ConversionFailure failure(const QString &path, Kind kind, const QString &systemError = {})
{
    return {path, kind, false, systemError};
}

ConversionFailure readFailure(const QString &path, Kind kind, const QString &systemError = {})
{
    return {path, kind, true, systemError};
}

// What the system said of a failed file operation, where it said anything.
QString systemErrorOf(const QFileDevice &file)
{
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

// QSaveFile names its temporary file after the target plus ".XXXXXX"; a name
// within that much of the file system's limit of 255 bytes cannot have one.
bool nameTooLongForSaveFile(const QString &path)
{
    return QFile::encodeName(QFileInfo(path).fileName()).size() > 255 - 7;
}

struct WriteRequest
{
    QByteArrayView text;
    QStringView mediaType;
    QStringView mediaFolder;
    CodePage codePage;
    ProgressCheck progress;
};

ConversionFailure writeFailure(const QString &outputPath, WriteOutcome outcome, const QFileDevice &file)
{
    if (outcome == WriteOutcome::TooLarge)
        return failure(outputPath, Kind::TooLarge);
    return failure(outputPath, Kind::System, systemErrorOf(file));
}

// A name within seven bytes of the limit leaves QSaveFile no room to name its
// temporary file. The same promises by hand: a temporary with a short name
// beside the file (beside the file a link points to, which is what gets
// replaced), written, closed with its errors checked, given the permissions
// the file had (a new file those the umask leaves), then flushed to the disk
// and put in the file's place in one step. A pulled card or a power cut leaves
// the old file or the new one.
std::optional<ConversionFailure> writeThroughShortTemporary(const QString &outputPath, const WriteRequest &request,
                                                            AsxStats &stats, bool &stopped)
{
    const QFileInfo output(outputPath);
    const QString target = output.isSymLink() ? output.symLinkTarget() : outputPath;
    const QFileInfo existing(target);
    const QString folder = existing.absolutePath() + u'/';
    QFile temporary;
    for (int attempt = 0;; ++attempt) {
        temporary.setFileName(folder + QStringLiteral(".velandry-%1.tmp")
                                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            break;
        // Only a name that is already taken is worth another try.
        if (!QFile::exists(temporary.fileName()) || attempt == 16)
            return failure(outputPath, Kind::System, temporary.errorString());
    }
    const auto discard = [&temporary](std::optional<ConversionFailure> result) {
        temporary.close();
        temporary.remove();
        return result;
    };
    const WriteOutcome written = writeAsxDocument(temporary, request.text, request.mediaType, request.mediaFolder,
                                                  request.codePage, &stats, request.progress);
    if (written == WriteOutcome::Stopped) {
        stopped = true;
        return discard(std::nullopt);
    }
    if (written != WriteOutcome::Written || !temporary.flush())
        return discard(writeFailure(outputPath, written, temporary));
    if (existing.exists())
        temporary.setPermissions(existing.permissions());
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return discard(failure(outputPath, Kind::System, systemErrorOf(temporary)));
    if (const QString reason = detail::replaceFile(temporary.fileName(), target); !reason.isEmpty())
        return discard(failure(outputPath, Kind::System, reason));
    return std::nullopt;
}

std::optional<ConversionFailure> writeAtomically(const QString &outputPath, const WriteRequest &request,
                                                 AsxStats &stats, bool &stopped)
{
    const QFileInfo target(outputPath);
    if (target.isDir())
        return failure(outputPath, Kind::FolderInTheWay);
    // A write-protected file stays as it is, although replacing it by renaming
    // would be allowed.
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return failure(outputPath, Kind::WriteProtected);
    if (nameTooLongForSaveFile(outputPath))
        return writeThroughShortTemporary(outputPath, request, stats, stopped);

    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return failure(outputPath, Kind::System, file.errorString());
    const WriteOutcome written = writeAsxDocument(file, request.text, request.mediaType, request.mediaFolder,
                                                  request.codePage, &stats, request.progress);
    if (written != WriteOutcome::Written) {
        const ConversionFailure failed = writeFailure(outputPath, written, file);
        file.cancelWriting();
        if (written == WriteOutcome::Stopped) {
            stopped = true;
            return std::nullopt;
        }
        return failed;
    }
    if (!file.commit())
        return failure(outputPath, Kind::System, systemErrorOf(file));
    return std::nullopt;
}

} // namespace

QString withTrailingSeparator(const QString &folder)
{
    // On Windows a typed "/" separates folders too.
    if (folder.isEmpty() || folder.endsWith(QDir::separator()) || folder.endsWith(u'/'))
        return folder;
    return folder + QDir::separator();
}

QString outputFileName(QStringView playlistName)
{
    return playlistName.chopped(qMin<qsizetype>(4, playlistName.size())).toString()
           + QStringLiteral(".asx");
}

PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, QStringView mediaType,
                                QStringView mediaFolder, CodePage codePage, const ProgressCheck &progress)
{
    PlaylistOutcome outcome;
    outcome.result.inputPath = inputPath;
    outcome.result.outputPath = outputPath;

    const QFileInfo inputInfo(inputPath);
    if (inputInfo.isDir()) {
        outcome.failure = readFailure(inputPath, Kind::IsFolder);
        return outcome;
    }
    // A pipe or a device would block the run or never end.
    if (inputInfo.exists() && !inputInfo.isFile()) {
        outcome.failure = readFailure(inputPath, Kind::NotOrdinaryFile);
        return outcome;
    }
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        outcome.failure = readFailure(inputPath, Kind::System, input.errorString());
        return outcome;
    }
    // Converting "x.asx" next to itself would replace the playlist being read.
    if (inputInfo.canonicalFilePath() == QFileInfo(outputPath).canonicalFilePath()) {
        outcome.failure = failure(outputPath, Kind::ReplacesPlaylist);
        return outcome;
    }

    // Mapped, the file's pages are read as the scan reaches them and cost no
    // memory of ours; where it cannot be mapped, it is read whole.
    QByteArray readBytes;
    QByteArrayView bytes;
    if (input.size() > 0) {
        if (const uchar *mapped = input.map(0, input.size())) {
            bytes = QByteArrayView(mapped, input.size());
        } else {
            readBytes = input.readAll();
            if (input.error() != QFileDevice::NoError) {
                outcome.failure = readFailure(inputPath, Kind::System, input.errorString());
                return outcome;
            }
            bytes = readBytes;
        }
    }
    // Progress: checking the text is the first half of reading it, finding the
    // references the second; then the writing.
    const qint64 size = bytes.size();
    const auto ask = [&](ConversionProgress state) {
        if (!progress)
            return true;
        state.bytesToRead = size;
        return progress(state);
    };
    const std::optional<PlaylistText> text = readPlaylistText(
        bytes, codePage, [&](qint64 checked) { return ask({checked / 2, 0, 0, 0}); });
    if (!text || !ask({size / 2, 0, 0, 0})) {
        outcome.cancelled = true;
        return outcome;
    }
    outcome.result.encoding = text->encoding();
    // The text may be longer than the file (a conversion): its share, scaled.
    const double fileBytesPerTextByte = double(size) / qMax<qsizetype>(1, text->utf8().size());
    ProgressCheck onWrite = [&](const ConversionProgress &state) {
        return ask({size / 2 + qint64(state.bytesRead * fileBytesPerTextByte / 2), 0, state.bytesWritten,
                    state.bytesExpected});
    };
    const WriteRequest request{text->utf8(), mediaType, mediaFolder, codePage, std::move(onWrite)};
    outcome.failure = writeAtomically(outputPath, request, outcome.result.stats, outcome.cancelled);
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
        if (progress && !progress({i, name, {}})) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        ProgressCheck playlistProgress;
        if (progress)
            playlistProgress = [&](const ConversionProgress &state) { return progress({i, name, state}); };
        PlaylistOutcome outcome = convertPlaylist(request.playlistFolder + name,
                                                  request.outputFolder + outputFileName(name), request.mediaType,
                                                  request.mediaFolder, request.codePage, playlistProgress);
        if (outcome.cancelled) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
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

qsizetype filesWritten(const QList<PlaylistResult> &converted)
{
    QSet<QString> files;
    for (const PlaylistResult &result : converted)
        files.insert(QFileInfo(result.outputPath).absoluteFilePath());
    return files.size();
}

} // namespace velandry
