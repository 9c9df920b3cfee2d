#include "engine/conversion_run.h"

#include "engine/formats/entry_sources.h"
#include "engine/music/local_music.h"
#include "engine/music/transcoded_entries.h"
#include "engine/playlist_file.h"
#include "engine/system/file_names.h"
#include "engine/system/files.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
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

// Step 1: the playlist's bytes.
std::optional<ConversionFailure> openPlaylist(PlaylistFile &playlist, const QString &inputPath)
{
    switch (playlist.open()) {
    case PlaylistFile::Opened::Yes:
        return std::nullopt;
    case PlaylistFile::Opened::Missing:
        return readFailure(inputPath, Kind::NameNotUtf8, playlist.systemError());
    case PlaylistFile::Opened::IsFolder:
        return readFailure(inputPath, Kind::IsFolder);
    case PlaylistFile::Opened::NotOrdinaryFile:
        return readFailure(inputPath, Kind::NotOrdinaryFile);
    case PlaylistFile::Opened::OutOfMemory:
        return readFailure(inputPath, Kind::OutOfMemory);
    case PlaylistFile::Opened::Failed:
        break;
    }
    return readFailure(inputPath, Kind::System, playlist.systemError());
}

// How far one playlist has come, as its progress callback is told: checking
// the text is the first half of reading it, finding the references the
// second; then the writing. A mapping found shortened ends the work there.
class PlaylistProgress final
{
public:
    PlaylistProgress(const PlaylistFile &playlist, const ProgressCheck &progress)
        : playlist_(playlist), progress_(progress), size_(playlist.bytes().size())
    {
    }

    bool operator()(ConversionProgress state) const
    {
        if (playlist_.shortened())
            return false;
        if (!progress_)
            return true;
        state.bytesToRead = size_;
        return progress_(state);
    }

    bool checked(qint64 bytes) const { return (*this)({bytes / 2, 0, 0, 0}); }

    // The writing's progress, where the text is `textSize` bytes: it may be
    // longer than the file (a conversion), so its share is scaled.
    ProgressCheck writing(qsizetype textSize) const
    {
        const double fileBytesPerTextByte = double(size_) / qMax<qsizetype>(1, textSize);
        return [this, fileBytesPerTextByte](const ConversionProgress &state) {
            return (*this)({size_ / 2 + qint64(state.bytesRead * fileBytesPerTextByte / 2), 0, state.bytesWritten,
                            state.bytesExpected});
        };
    }

private:
    const PlaylistFile &playlist_;
    const ProgressCheck &progress_;
    qint64 size_;
};

// Step 2: its text as UTF-8, in the encoding it declares or its bytes tell.
// Nothing, with no failure, where it was stopped.
std::optional<ConversionFailure> readText(const PlaylistFile &playlist, PlaylistFormat format, const QString &inputPath,
                                          CodePage codePage, const PlaylistProgress &progress,
                                          std::optional<PlaylistText> &text)
{
    const DeclaredEncoding declared = declaredEncoding(format, playlist.bytes());
    if (!canRead(declared)) {
        ConversionFailure unknown = readFailure(inputPath, Kind::UnknownEncoding);
        unknown.encoding = QString::fromLatin1(declared.name);
        return unknown;
    }
    try {
        text = readPlaylistText(playlist.bytes(), codePage, [&](qint64 checked) { return progress.checked(checked); },
                                kReadPiece, declared);
    } catch (const std::bad_alloc &) {
        return readFailure(inputPath, Kind::OutOfMemory);
    }
    if (text && !progress.checked(playlist.bytes().size()))
        text.reset();
    return std::nullopt;
}

// Where a dry run writes: nowhere.
class NowhereDevice final : public QIODevice
{
public:
    NowhereDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override { return size; }
};

// Step 3: the document, written whole in the output's place or not at all.
// Asked once the document is written, before it replaces anything, whether
// the playlist changed meanwhile. Sets `stopped` where the progress callback
// stopped it.
std::optional<ConversionFailure> writeDocument(const QString &inputPath, const QString &outputPath,
                                               EntrySource &entries, qsizetype textSize,
                                               const ConversionRequest &options, const std::shared_ptr<FolderIndex> &cardFolders,
                                               PlaylistFile &playlist, const ProgressCheck &progress,
                                               PlaylistResult &result, bool &stopped,
                                               const TranscodedEntries *transcoded)
{
    switch (refusalToWrite(outputPath)) {
    case WriteRefusal::FolderInTheWay:
        return failure(outputPath, Kind::FolderInTheWay);
    case WriteRefusal::WriteProtected:
        return failure(outputPath, Kind::WriteProtected);
    case WriteRefusal::None:
        break;
    }
    // Where it holds what it would be written with, the file stays as it is.
    ChangedFile output(outputPath);
    NowhereDevice nowhere;
    if (!options.dryRun && !output.openToWrite())
        return failure(outputPath, Kind::System, output.systemError());
    CardCheck card(cardFolders, options.codePage, options.mediaFolder);
    const auto written = [&](const WrittenEntry &entry) {
        const CardCheck::Verdict verdict = card.entry(entry);
        const bool kept = verdict == CardCheck::Verdict::NotOnCard
                          || (verdict == CardCheck::Verdict::OnCard && (options.sync || options.tidy));
        if (kept && options.planMusic) {
            CardEntry named = card.lastEntry();
            named.localPath = QString::fromUtf8(entries.localPath());
            if (transcoded) {
                named.source = transcoded->lastSource();
                named.stream = transcoded->lastStream();
            }
            result.cardEntries.append(std::move(named));
        }
    };
    QIODevice &device = options.dryRun ? static_cast<QIODevice &>(nowhere) : static_cast<QIODevice &>(output);
    // The disk is set to work as the document grows: the flush before the
    // file takes its name then waits for little more than the last pieces.
    constexpr qint64 kWritebackPiece = qint64(8) << 20;
    qint64 writtenBack = 0;
    const ProgressCheck writing = [&](const ConversionProgress &state) {
        if (!options.dryRun && state.bytesWritten - writtenBack >= kWritebackPiece) {
            writtenBack = state.bytesWritten;
            if (QFileDevice *file = output.writing())
                files::startWriteback(*file);
        }
        return !progress || progress(state);
    };
    const WriteOutcome outcome = writeAsxDocument(device, entries, textSize, options.mediaFolder, options.codePage,
                                                  &result.stats, writing, written);
    result.entries = entries.counts();
    result.card = card.report();
    switch (outcome) {
    case WriteOutcome::Written:
        break;
    case WriteOutcome::Stopped:
        stopped = true;
        return std::nullopt;
    case WriteOutcome::TooLarge:
        return failure(outputPath, Kind::TooLarge);
    case WriteOutcome::Unreadable: {
        ConversionFailure unreadable = readFailure(inputPath, Kind::Unreadable);
        unreadable.readFault = entries.fault();
        return unreadable;
    }
    case WriteOutcome::DeviceFailed:
        return failure(outputPath, Kind::System, output.systemError());
    }
    if (playlist.changed())
        return readFailure(inputPath, Kind::ChangedWhileRead);
    if (!options.dryRun && !output.commit())
        return failure(outputPath, Kind::System, output.systemError());
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

QString musicSourceFolder(const ConversionRequest &request)
{
    return !request.musicRoot.isEmpty() && QFileInfo(request.musicRoot).isDir() ? request.musicRoot
                                                                                : request.musicFolder;
}

PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, const ConversionRequest &options,
                                const ProgressCheck &progress, const std::shared_ptr<FolderIndex> &card)
{
    PlaylistOutcome outcome;
    outcome.result.inputPath = inputPath;
    outcome.result.outputPath = outputPath;
    const std::optional<PlaylistFormat> format = formatOfName(inputPath);
    if (!format) {
        outcome.failure = readFailure(inputPath, Kind::UnknownFormat);
        return outcome;
    }
    PlaylistFile playlist(inputPath);
    if ((outcome.failure = openPlaylist(playlist, inputPath)))
        return outcome;
    // Converting "x.asx" next to itself would replace the playlist being read.
    if (files::sameFile(inputPath, outputPath)) {
        outcome.failure = failure(outputPath, Kind::ReplacesPlaylist);
        return outcome;
    }
    const PlaylistProgress told(playlist, progress);
    std::optional<PlaylistText> text;
    if ((outcome.failure = readText(playlist, *format, inputPath, options.codePage, told, text)))
        return outcome;
    if (text) {
        outcome.result.encoding = text->encoding();
        const std::optional<AudioTarget> target = audioTargetOfType(options.mediaType);
        const bool transcode = options.transcode && options.encoder && target;
        const std::unique_ptr<EntrySource> entries =
            openEntrySource(*format, text->utf8(),
                            {.mediaType = options.mediaType,
                             .playlistFolder = QFileInfo(inputPath).absolutePath(),
                             .musicRoot = options.musicRoot,
                             .musicFolder = options.musicFolder,
                             .everyAudioKind = transcode});
        // Where the run encodes, each music file is named as it will be on the card.
        std::optional<LocalMusic> local;
        std::optional<TranscodedEntries> transcoded;
        if (transcode) {
            local.emplace(musicSourceFolder(options));
            transcoded.emplace(*entries, *target, *options.encoder, *local);
        }
        EntrySource &written = transcoded ? static_cast<EntrySource &>(*transcoded) : *entries;
        outcome.failure = writeDocument(inputPath, outputPath, written, text->utf8().size(), options, card, playlist,
                                        told.writing(text->utf8().size()), outcome.result, outcome.cancelled,
                                        transcoded ? &*transcoded : nullptr);
    } else {
        outcome.cancelled = true;
    }
    // Stopped because a page of the playlist was found gone: it changed.
    if (outcome.cancelled && playlist.shortened()) {
        outcome.cancelled = false;
        outcome.failure = readFailure(inputPath, Kind::ChangedWhileRead);
    }
    return outcome;
}

std::optional<ConversionFailure> outputTaken(const OutputClaims &claims, const QString &inputPath,
                                             const QString &outputPath)
{
    const std::optional<QString> other = claims.claimant(inputPath, outputPath);
    if (!other)
        return std::nullopt;
    ConversionFailure taken = failure(inputPath, Kind::OutputOfAnother);
    taken.otherPath = *other;
    taken.outputPath = outputPath;
    return taken;
}

QString inputPathOf(const ConversionRequest &request, const QString &name)
{
    return request.playlistFolder + name;
}

QString outputPathOf(const ConversionRequest &request, const QString &name)
{
    const QFileInfo playlist(inputPathOf(request, name));
    if (!request.outputBesidePlaylists)
        return request.outputFolder + outputFileName(playlist.fileName());
    return withTrailingSeparator(playlist.path()) + outputFileName(playlist.fileName());
}

namespace {

// Step 4: what each card lacks, planned card by card.
QList<MusicPlan> planTheMusic(const QList<PlaylistResult> &converted, const ConversionRequest &request, const Cards &cards)
{
    QMap<QString, QList<CardEntry>> byCard;
    for (const PlaylistResult &result : converted) {
        if (!result.card.card.isEmpty() && !result.cardEntries.isEmpty())
            byCard[result.card.card] += result.cardEntries;
    }
    QList<MusicPlan> plans;
    for (auto card = byCard.cbegin(); card != byCard.cend(); ++card)
        plans.append(planMusic(card.key(), card.value(), request, cards.listed(card.key())));
    return plans;
}

} // namespace

ConversionReport runConversion(const ConversionRequest &request, const ProgressCallback &progress,
                               const PlaylistCallback &converted)
{
    ConversionReport report;
    if (request.mediaType == kMediaTypePlaceholder) {
        report.status = ConversionReport::Status::Refused;
        return report;
    }
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
        const QString inputPath = inputPathOf(request, name);
        const QString outputPath = outputPathOf(request, name);
        PlaylistOutcome outcome;
        outcome.result.inputPath = inputPath;
        outcome.result.outputPath = outputPath;
        outcome.failure = outputTaken(claims, inputPath, outputPath);
        if (!outcome.failure)
            outcome = convertPlaylist(inputPath, outputPath, request, playlistProgress, cards.forOutput(outputPath));
        if (outcome.cancelled) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        if (converted)
            converted(outcome);
        if (outcome.failure) {
            report.failures.append(std::move(*outcome.failure));
            if (request.stopAtFailure) {
                report.status = ConversionReport::Status::Failed;
                return report;
            }
            continue;
        }
        claims.written(inputPath, outputPath);
        report.converted.append(std::move(outcome.result));
    }
    if (request.planMusic && !report.converted.isEmpty()) {
        // A lookup a file: a stop asked for meanwhile is heard before it.
        const qsizetype last = request.playlistNames.size() - 1;
        if (progress && !progress({last, request.playlistNames[last], {}})) {
            report.status = ConversionReport::Status::Cancelled;
            return report;
        }
        report.music = planTheMusic(report.converted, request, cards);
    }
    report.status = ConversionReport::Status::Completed;
    return report;
}

QStringList playlistNames(const QString &folder)
{
    QStringList names = ordinaryFileNames(folder);
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
