#include "conversion_run.h"

#include "system.h"
#include "playlist_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

#include <new>

namespace velandry {

namespace {

using Kind = ConversionFailure::Kind;

ConversionFailure failure(const QString &path, Kind kind, const QString &systemError = {})
{
    ConversionFailure failed;
    failed.path = path;
    failed.kind = kind;
    failed.systemError = systemError;
    return failed;
}

ConversionFailure readFailure(const QString &path, Kind kind, const QString &systemError = {})
{
    ConversionFailure failed = failure(path, kind, systemError);
    failed.whileReading = true;
    return failed;
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
    return detail::nativeName(QFileInfo(path).fileName()).size() > 255 - 7;
}

struct WriteRequest
{
    EntrySource &entries;
    qint64 textSize;
    QStringView mediaFolder;
    CodePage codePage;
    ProgressCheck progress;
    // Asked once the document is written, before it replaces anything: why it
    // must not, if it must not.
    std::function<std::optional<ConversionFailure>()> beforeReplacing;
    // Why the playlist could not be read, where the entries' source failed.
    std::function<ConversionFailure()> unreadable;
    EntryWritten written;
};

ConversionFailure writeFailure(const QString &outputPath, const WriteRequest &request, WriteOutcome outcome,
                               const QFileDevice &file)
{
    if (outcome == WriteOutcome::TooLarge)
        return failure(outputPath, Kind::TooLarge);
    if (outcome == WriteOutcome::Unreadable)
        return request.unreadable();
    return failure(outputPath, Kind::System, systemErrorOf(file));
}

WriteOutcome writeDocument(QIODevice &device, const WriteRequest &request, AsxStats &stats)
{
    return writeAsxDocument(device, request.entries, request.textSize, request.mediaFolder, request.codePage, &stats,
                            request.progress, request.written);
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
    QString temporaryPath;
    for (int attempt = 0;; ++attempt) {
        temporaryPath = folder + QStringLiteral(".velandry-%1.tmp")
                                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const QString reason = detail::createNewFile(temporary, temporaryPath);
        if (reason.isEmpty())
            break;
        // Only a name that is already taken is worth another try.
        if (detail::kindOf(temporaryPath) == detail::FileKind::Missing || attempt == 16)
            return failure(outputPath, Kind::System, reason);
    }
    const auto discard = [&](std::optional<ConversionFailure> result) {
        temporary.close();
        detail::removeFile(temporaryPath);
        return result;
    };
    const WriteOutcome written = writeDocument(temporary, request, stats);
    if (written == WriteOutcome::Stopped) {
        stopped = true;
        return discard(std::nullopt);
    }
    if (written != WriteOutcome::Written || !temporary.flush())
        return discard(writeFailure(outputPath, request, written, temporary));
    if (std::optional<ConversionFailure> changed = request.beforeReplacing())
        return discard(std::move(changed));
    if (existing.exists())
        temporary.setPermissions(existing.permissions());
    temporary.close();
    if (temporary.error() != QFileDevice::NoError)
        return discard(failure(outputPath, Kind::System, systemErrorOf(temporary)));
    if (const QString reason = detail::replaceFile(temporaryPath, target); !reason.isEmpty())
        return discard(failure(outputPath, Kind::System, reason));
    return std::nullopt;
}

std::optional<ConversionFailure> writeAtomically(const QString &outputPath, const WriteRequest &request,
                                                 AsxStats &stats, bool &stopped)
{
    const QFileInfo target(outputPath);
    if (detail::kindOf(outputPath) == detail::FileKind::Folder)
        return failure(outputPath, Kind::FolderInTheWay);
    // A write-protected file stays as it is, although replacing it by renaming
    // would be allowed.
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner))
        return failure(outputPath, Kind::WriteProtected);
    // QSaveFile takes neither a name it has no room to derive its temporary
    // file's from nor one whose bytes are not UTF-8.
    if (nameTooLongForSaveFile(outputPath) || detail::holdsRawBytes(outputPath))
        return writeThroughShortTemporary(outputPath, request, stats, stopped);

    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return failure(outputPath, Kind::System, file.errorString());
    const WriteOutcome written = writeDocument(file, request, stats);
    if (written != WriteOutcome::Written) {
        const ConversionFailure failed = writeFailure(outputPath, request, written, file);
        file.cancelWriting();
        if (written == WriteOutcome::Stopped) {
            stopped = true;
            return std::nullopt;
        }
        return failed;
    }
    if (std::optional<ConversionFailure> changed = request.beforeReplacing()) {
        file.cancelWriting();
        return changed;
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
    const QStringView extension = playlistExtension(playlistName);
    return playlistName.chopped(extension.isEmpty() ? qMin<qsizetype>(4, playlistName.size()) : extension.size())
               .toString()
           + QStringLiteral(".asx");
}

QString defaultMusicFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, const ConversionOptions &options,
                                const ProgressCheck &progress)
{
    PlaylistOutcome outcome;
    outcome.result.inputPath = inputPath;
    outcome.result.outputPath = outputPath;
    const CodePage codePage = options.codePage;

    const std::optional<PlaylistFormat> format = formatOfName(inputPath);
    if (!format) {
        outcome.failure = readFailure(inputPath, Kind::UnknownFormat);
        return outcome;
    }

    const detail::FileKind kind = detail::kindOf(inputPath);
    if (kind == detail::FileKind::Folder) {
        outcome.failure = readFailure(inputPath, Kind::IsFolder);
        return outcome;
    }
    // A pipe or a device would block the run or never end.
    if (kind == detail::FileKind::Other) {
        outcome.failure = readFailure(inputPath, Kind::NotOrdinaryFile);
        return outcome;
    }
    QFile input;
    if (const QString reason = detail::openForReading(input, inputPath); !reason.isEmpty()) {
        // A name whose bytes are not UTF-8 reaches the window with U+FFFD in
        // their place, and no file has that name.
        const bool notUtf8 = kind == detail::FileKind::Missing && inputPath.contains(QChar::ReplacementCharacter);
        outcome.failure = readFailure(inputPath, notUtf8 ? Kind::NameNotUtf8 : Kind::System, reason);
        return outcome;
    }
    // Converting "x.asx" next to itself would replace the playlist being read.
    if (detail::sameFile(inputPath, outputPath)) {
        outcome.failure = failure(outputPath, Kind::ReplacesPlaylist);
        return outcome;
    }
    // Another program may write the playlist while it is read: what it was
    // when the reading began, to hold against what it is at the end.
    const std::optional<detail::FileStamp> stampBefore = detail::stampOf(input, inputPath);

    // Mapped, the file's pages are read as the scan reaches them and cost no
    // memory of ours; where it cannot be mapped, it is read whole.
    QByteArray readBytes;
    QByteArrayView bytes;
    const qint64 fileSize = input.size();
    const uchar *mapped = fileSize > 0 ? input.map(0, fileSize) : nullptr;
    if (mapped) {
        bytes = QByteArrayView(mapped, fileSize);
    } else if (fileSize > 0) {
        try {
            readBytes = input.readAll();
        } catch (const std::bad_alloc &) {
            outcome.failure = readFailure(inputPath, Kind::OutOfMemory);
            return outcome;
        }
        if (input.error() != QFileDevice::NoError) {
            outcome.failure = readFailure(inputPath, Kind::System, input.errorString());
            return outcome;
        }
        bytes = readBytes;
    }
    // A file shortened under the mapping reads zeros past its new end.
    const detail::MappingGuard guard(mapped, fileSize);
    // Progress: checking the text is the first half of reading it, finding the
    // references the second; then the writing. A mapping found shortened ends
    // the work there.
    const qint64 size = bytes.size();
    const auto ask = [&](ConversionProgress state) {
        if (guard.faulted())
            return false;
        if (!progress)
            return true;
        state.bytesToRead = size;
        return progress(state);
    };
    const auto changedFailure = [&] { return readFailure(inputPath, Kind::ChangedWhileRead); };
    // M3U8 is UTF-8 by its name; an XML playlist may name its code page.
    TextRule rule = *format == PlaylistFormat::M3u8 ? TextRule::Utf8 : TextRule::Detect;
    CodePage readIn = codePage;
    if (*format == PlaylistFormat::Xspf || *format == PlaylistFormat::Asx) {
        if (const std::optional<CodePage> declared = CodePage::fromNumber(declaredCodePage(bytes))) {
            rule = TextRule::CodePage;
            readIn = *declared;
        }
    }
    std::optional<PlaylistText> text;
    try {
        text = readPlaylistText(bytes, readIn, [&](qint64 checked) { return ask({checked / 2, 0, 0, 0}); }, kReadPiece,
                                rule);
    } catch (const std::bad_alloc &) {
        outcome.failure = readFailure(inputPath, Kind::OutOfMemory);
        return outcome;
    }
    if (!text || !ask({size / 2, 0, 0, 0})) {
        if (guard.faulted())
            outcome.failure = changedFailure();
        else
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
    const auto beforeReplacing = [&]() -> std::optional<ConversionFailure> {
        if (guard.faulted() || !stampBefore || detail::stampOf(input, inputPath) != stampBefore)
            return changedFailure();
        return std::nullopt;
    };
    // The entries: the plain scan's references in a WPL, a reader's entries
    // cut down by the rules in the others.
    std::optional<WplReferences> references;
    std::optional<FormatEntries> entries;
    EntrySource *source = nullptr;
    if (*format == PlaylistFormat::Wpl) {
        source = &references.emplace(text->utf8(), options.mediaType);
    } else {
        source = &entries.emplace(*format, text->utf8(),
                                  EntryRules{options.mediaType, QFileInfo(inputPath).absolutePath(), options.musicRoot,
                                             options.musicFolder});
    }
    const auto unreadable = [&] {
        ConversionFailure failed = readFailure(inputPath, Kind::Unreadable);
        if (entries)
            failed.readFault = entries->fault();
        return failed;
    };
    CardCheck card(options.card, codePage);
    const auto written = [&card](QByteArrayView reference, bool tooLong) { card.entry(reference, tooLong); };
    const WriteRequest request{*source,           text->utf8().size(), options.mediaFolder, codePage,
                               std::move(onWrite), beforeReplacing,     unreadable,          written};
    outcome.failure = writeAtomically(outputPath, request, outcome.result.stats, outcome.cancelled);
    if (entries)
        outcome.result.entries = entries->counts();
    outcome.result.card = card.report();
    if (outcome.cancelled && guard.faulted()) {
        outcome.cancelled = false;
        outcome.failure = changedFailure();
    }
    return outcome;
}

// Letter case ignored: on Windows and on a storage card's FAT, "Pop.asx" and
// "pop.asx" are one file.
QString OutputClaims::keyOf(const QString &path)
{
    return QFileInfo(path).absoluteFilePath().toCaseFolded();
}

std::optional<ConversionFailure> OutputClaims::check(const QString &inputPath, const QString &outputPath) const
{
    const auto writer = writers_.constFind(keyOf(outputPath));
    // The same playlist queued twice replaces its own output, as it always has.
    if (writer == writers_.cend() || keyOf(*writer) == keyOf(inputPath))
        return std::nullopt;
    ConversionFailure taken = failure(inputPath, Kind::OutputOfAnother);
    taken.otherPath = *writer;
    taken.outputPath = outputPath;
    return taken;
}

void OutputClaims::written(const QString &inputPath, const QString &outputPath)
{
    writers_.insert(keyOf(outputPath), inputPath);
}

ConversionReport runConversion(const ConversionRequest &request, const ProgressCallback &progress)
{
    ConversionReport report;
    if (request.mediaType == kMediaTypePlaceholder) {
        report.status = ConversionReport::Status::Refused;
        return report;
    }
    ConversionOptions options{request.mediaType, request.mediaFolder, request.codePage, request.musicRoot,
                              request.musicFolder};
    Cards cards(request.card, request.mediaFolder, request.volumeRoot);
    OutputClaims claims;
    for (qsizetype i = 0; i < request.playlistNames.size(); ++i) {
        const QString &name = request.playlistNames[i];
        if (progress && !progress({i, name, {}})) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        ProgressCheck playlistProgress;
        if (progress)
            playlistProgress = [&](const ConversionProgress &state) { return progress({i, name, state}); };
        const QString inputPath = request.playlistFolder + name;
        const QString outputPath = request.outputFolder + outputFileName(name);
        if (std::optional<ConversionFailure> taken = claims.check(inputPath, outputPath)) {
            report.status = ConversionReport::Status::Failed;
            report.failure = std::move(taken);
            return report;
        }
        options.card = cards.forOutput(outputPath);
        PlaylistOutcome outcome = convertPlaylist(inputPath, outputPath, options, playlistProgress);
        if (outcome.cancelled) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        if (outcome.failure) {
            report.status = ConversionReport::Status::Failed;
            report.failure = std::move(outcome.failure);
            return report;
        }
        claims.written(inputPath, outputPath);
        report.converted.append(std::move(outcome.result));
    }
    report.status = ConversionReport::Status::Completed;
    return report;
}

QStringList playlistNames(const QString &folder)
{
    QStringList names = detail::ordinaryFileNames(folder);
    names.removeIf([](const QString &name) { return !formatOfName(name); });
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

qsizetype filesWritten(const QList<PlaylistResult> &converted)
{
    QSet<QString> files;
    for (const PlaylistResult &result : converted)
        files.insert(QFileInfo(result.outputPath).absoluteFilePath());
    return files.size();
}

} // namespace velandry
