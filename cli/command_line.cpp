#include "cli/command_line.h"

#include "cli/console_system.h"
#include "cli/stop_requests.h"
#include "engine/conversion_run.h"
#include "engine/music/card_writer.h"
#include "engine/system/files.h"
#include "wording/conversion_wording.h"
#include "wording/music_wording.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>
#include <QThread>

namespace velandry {

namespace {

// The translation context of the converter's words.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Qt names the program in the usage line by the path it was started with,
// which differs with every install; the manual page names it plainly.
// (The usage line is Qt's, in the user's language: only the path is replaced.)
QString helpText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype lineEnd = text.indexOf(u'\n');
    const qsizetype programAt = started.isEmpty() ? -1 : text.indexOf(started);
    if (programAt >= 0 && programAt < lineEnd)
        text.replace(programAt, started.size(), QStringLiteral("velandry-convert"));
    return text;
}

void warn(QTextStream &err, const QStringList &lines)
{
    for (const QString &line : lines)
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("warning: %1").arg(line)) << "\n";
    err.flush();
}

// Carries out the plans of the run card by card, or, in a dry run, prints
// them; then tells what is still not on the cards. The exit status it comes
// to.
struct PutOptions
{
    const AudioEncoder *encoder = nullptr;
    int jobs = 1;
    bool dryRun = false;
    bool quiet = false;
    bool keepingInStep = false;
};

int putTheMusic(const ConversionReport &run, const PutOptions &options, QTextStream &out, QTextStream &err)
{
    const bool dryRun = options.dryRun;
    const bool quiet = options.quiet;
    // One line on a terminal, drawn again in place.
    const bool drawProgress = !quiet && !dryRun && console::isTerminal(stderr);
    int status = ExitOk;
    QList<PlanReport> reports;
    for (const MusicPlan &plan : run.music) {
        if (plan.actions.isEmpty() && plan.skipped.isEmpty()) {
            // Kept in step: nothing to do is worth saying.
            if (options.keepingInStep && !quiet)
                out << upToDateLine() << "\n";
            warn(err, leftOutLines(plan));
            reports.append(PlanReport{}); // each plan its report, for what is still missing
            continue;
        }
        if (dryRun) {
            if (!plan.actions.isEmpty()) {
                for (const QString &line : planLines(plan))
                    out << line << "\n";
                out.flush();
            }
            warn(err, leftOutLines(plan));
            reports.append(PlanReport{});
            continue;
        }
        CardWriter card(plan, options.encoder);
        const bool encoding = encodes(plan);
        const PlanReport report = carryOut(
            plan, card,
            [&](const PlanProgress &progress) {
                if (drawProgress) {
                    err << "\r" << planProgressLine(progress, encoding) << "\x1b[K";
                    err.flush();
                }
                return stopRequest() == 0;
            },
            options.jobs);
        reports.append(report);
        if (drawProgress) {
            err << "\r\x1b[K";
            err.flush();
        }
        const PlanWords words = planReportWords(plan, report);
        if (!words.problem.isEmpty()) {
            err << "velandry-convert: " << withOptionsIsolated(words.problem) << "\n";
            err.flush();
        }
        if (!words.done.isEmpty() && !quiet && (report.done > 0 || words.problem.isEmpty()) && !plan.actions.isEmpty())
            out << words.done << "\n";
        out.flush();
        for (const QString &line : words.failed)
            err << "velandry-convert: " << withOptionsIsolated(line) << "\n";
        warn(err, words.leftOut);
        if (report.status == PlanReport::Status::Cancelled)
            return 128 + stopRequest();
        // A file that could not be read, or not as music, fails the run.
        const bool undecodable = std::any_of(plan.skipped.cbegin(), plan.skipped.cend(), [](const MusicPlan::Skipped &one) {
            return one.reason == MusicPlan::LeftOut::Undecodable;
        });
        if (report.status != PlanReport::Status::Completed || report.failedBySource() > 0 || undecodable)
            status = ExitPlaylistFailed;
    }
    warn(err, stillNotOnCard(run.converted, run.music, reports));
    return status;
}

} // namespace

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for "
                        "the Windows Media Player for Pocket PC, keeping the entries of one media type."));
    const QCommandLineOption typeOption({QStringLiteral("t"), QStringLiteral("type")},
                                        CommandLine::tr("Media type to keep, without its full stop (WMA, MP3, WAV, ...)."),
                                        QStringLiteral("TYPE"));
    const QCommandLineOption mediaOption({QStringLiteral("m"), QStringLiteral("media-folder")},
                                         CommandLine::tr("Folder on the device written before every path (default %1).")
                                             .arg(kDefaultMediaFolder),
                                         QStringLiteral("FOLDER"), kDefaultMediaFolder.toString());
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output-folder")},
                                          CommandLine::tr("Folder for the .asx files (default: each playlist's own folder)."),
                                          QStringLiteral("DIR"));
    const DefaultCodePage defaultPage = defaultCodePage();
    const QCommandLineOption codePageOption(
        {QStringLiteral("c"), QStringLiteral("code-page")},
        //: %1 lists the code pages, %2 is the default's number, %3 why it is the default.
        CommandLine::tr("ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 "
                        "(also as cp1250 or windows-1250). Default here: %2, %3.")
            .arg(supportedCodePageList(), QString::number(defaultPage.number), defaultCodePageReason(defaultPage)),
        QStringLiteral("CP"));
    const QCommandLineOption musicRootOption(
        {QStringLiteral("r"), QStringLiteral("music-root")},
        CommandLine::tr("The music folder that playlists other than WPL name their files in, as they name it "
                        "(/home/ana/Music, 'D:\\Music'): entries below it are cut there (default: the rules in the "
                        "manual page)."),
        QStringLiteral("DIR"));
    const QCommandLineOption cardOption(
        QStringLiteral("card"),
        CommandLine::tr("The storage card as this system sees it (/media/ana/CARD, E:\\): each entry is looked for "
                        "on it, and those that are not there are told (default: the output folder's volume, where "
                        "it is a card that holds the media folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         CommandLine::tr("Print nothing for playlists that convert cleanly."));
    const QCommandLineOption copyOption(
        QStringLiteral("copy-music"),
        CommandLine::tr("After the playlists, copy the files they name that the card lacks onto it, each where the "
                        "device opens it, from where the playlist names it or below the music root (--music-root, "
                        "else the user's music folder)."));
    const QCommandLineOption dryRunOption(
        QStringLiteral("dry-run"),
        CommandLine::tr("Write nothing at all (no playlist, no music, no folder): print what would be done."));
    const QCommandLineOption syncOption(
        QStringLiteral("sync"),
        CommandLine::tr("Keep the card in step (as --copy-music, and more): a file on the card whose source here "
                        "changed is made again in its place; one newer than its source never is."));
    const QCommandLineOption tidyOption(
        QStringLiteral("tidy"),
        CommandLine::tr("Remove the music below the media folder on the card that no .asx playlist on the card names "
                        "(nothing where the card holds no .asx, and nothing but music)."));
    const QCommandLineOption transcodeOption(
        QStringLiteral("transcode"),
        CommandLine::tr("Take every music file the playlists name, and put it on the card (as --copy-music does) so "
                        "that every one plays: what the device plays (MP3, WMA, 16-bit WAV) as it is, the rest (FLAC, "
                        "M4A, Ogg, Opus, ...) encoded to the media type, which is then mp3, wma or wav."));
    const QCommandLineOption bitrateOption(
        QStringLiteral("bitrate"),
        CommandLine::tr("The bit rate of what --transcode encodes to MP3 or WMA, in kbit/s (default 128)."),
        QStringLiteral("KBPS"), QStringLiteral("128"));
    const QCommandLineOption jobsOption(
        QStringLiteral("jobs"),
        CommandLine::tr("How many files --transcode encodes at once (default: the processor's cores, here %1).")
            .arg(QLocale().toString(QThread::idealThreadCount())),
        QStringLiteral("N"));
    parser.addOptions({typeOption, mediaOption, outputOption, codePageOption, musicRootOption, cardOption, copyOption,
                       syncOption, tidyOption, transcodeOption, bitrateOption, jobsOption, dryRunOption, quietOption});
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLAYLIST"), CommandLine::tr("Playlists to convert."),
                                 QStringLiteral("PLAYLIST..."));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n" << withOptionsIsolated(CommandLine::tr("Try '--help' for more information.")) << "\n";
        return ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        out << withOptionsIsolated(helpText(parser));
        return ExitOk;
    }
    if (parser.isSet(versionOption)) {
        out << "velandry-convert " << VELANDRY_VERSION << "\n";
        return ExitOk;
    }
    if (!parser.isSet(typeOption)) {
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("the media type is missing (--type TYPE)")) << "\n";
        return ExitUsage;
    }
    const QStringList playlists = parser.positionalArguments();
    if (playlists.isEmpty()) {
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("no playlist given")) << "\n";
        return ExitUsage;
    }
    std::optional<CodePage> codePage = CodePage::fromNumber(defaultPage.number);
    if (parser.isSet(codePageOption)) {
        codePage = CodePage::fromName(parser.value(codePageOption));
        if (!codePage) {
            //: %1 is what was given, %2 the list of code pages.
            err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("unknown code page %1; the ANSI code pages are %2")
                       .arg(parser.value(codePageOption), supportedCodePageList())) << "\n";
            return ExitUsage;
        }
    }
    const QString mediaType = parser.value(typeOption);
    if (mediaType == kMediaTypePlaceholder) {
        err << CommandLine::tr("Please select a media type\ni.e. WMA, MP3") << "\n";
        return ExitUsage;
    }
    const std::optional<QString> outputFolder =
        parser.isSet(outputOption) ? std::optional(withTrailingSeparator(parser.value(outputOption)))
                                   : std::nullopt;
    if (outputFolder && files::kindOf(*outputFolder) != files::Kind::Folder) {
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("the output folder %1 does not exist").arg(shownPath(*outputFolder))) << "\n";
        return ExitUsage;
    }
    if (parser.isSet(cardOption) && files::kindOf(parser.value(cardOption)) != files::Kind::Folder) {
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("the card %1 does not exist").arg(shownPath(parser.value(cardOption)))) << "\n";
        return ExitUsage;
    }
    // Encoding: to a kind the device plays, at a bit rate an encoder takes.
    const bool transcode = parser.isSet(transcodeOption);
    const std::optional<AudioTarget> target = audioTargetOfType(mediaType);
    if (transcode && !target) {
        //: %1 is the media type given; the options and types stay as they are.
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("--transcode encodes to mp3, wma or wav; -t %1 is none of them").arg(mediaType)) << "\n";
        return ExitUsage;
    }
    bool numeric = false;
    const int bitrate = parser.value(bitrateOption).toInt(&numeric);
    if (!numeric || bitrate < 32 || bitrate > 320) {
        //: %1 is what was given.
        err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("--bitrate takes a number of kbit/s from 32 to 320, not %1").arg(parser.value(bitrateOption))) << "\n";
        return ExitUsage;
    }
    int jobs = QThread::idealThreadCount();
    if (parser.isSet(jobsOption)) {
        jobs = parser.value(jobsOption).toInt(&numeric);
        if (!numeric || jobs < 1 || jobs > 256) {
            //: %1 is what was given.
            err << "velandry-convert: " << withOptionsIsolated(CommandLine::tr("--jobs takes a number from 1 to 256, not %1").arg(parser.value(jobsOption))) << "\n";
            return ExitUsage;
        }
    }
    const std::unique_ptr<AudioEncoder> encoder = transcode ? makeAudioEncoder() : nullptr;
    const ConversionRequest request{
        .mediaType = mediaType,
        .playlistNames = playlists,
        .mediaFolder = parser.value(mediaOption),
        .outputFolder = outputFolder.value_or(QString()),
        .codePage = *codePage,
        .outputBesidePlaylists = !outputFolder,
        .musicRoot = parser.value(musicRootOption),
        .card = parser.value(cardOption),
        .stopAtFailure = false,
        .planMusic = parser.isSet(copyOption) || transcode || parser.isSet(syncOption) || parser.isSet(tidyOption),
        .dryRun = parser.isSet(dryRunOption),
        .transcode = transcode,
        .bitrateKbps = bitrate,
        .encoder = encoder.get(),
        .sync = parser.isSet(syncOption),
        .tidy = parser.isSet(tidyOption),
    };
    const bool quiet = parser.isSet(quietOption);
    // The music goes onto a card: named, or found where the playlists go.
    if (request.planMusic) {
        Cards cards(request.card, request.mediaFolder);
        for (const QString &playlist : playlists) {
            if (!cards.forOutput(outputPathOf(request, playlist))) {
                const QString option = parser.isSet(copyOption) ? QStringLiteral("--copy-music")
                                       : transcode              ? QStringLiteral("--transcode")
                                       : parser.isSet(syncOption) ? QStringLiteral("--sync")
                                                                  : QStringLiteral("--tidy");
                err << "velandry-convert: "
                    << withOptionsIsolated(
                           //: %1 is the option given: --copy-music, --transcode, --sync or --tidy.
                           CommandLine::tr("%1 needs the card: name it with --card DIR, or write the playlists onto "
                                           "the card with --output-folder DIR")
                               .arg(option))
                    << "\n";
                return ExitUsage;
            }
        }
    }
    // SIGINT and SIGTERM stop the run where it stands: no half file is left.
    watchStopRequests();

    int status = ExitOk;
    // Each line goes out as it is written, so that on a terminal, where both
    // streams meet, the lines stand in the order things happened.
    const auto told = [&](const PlaylistOutcome &outcome) {
        if (outcome.failure) {
            err << "velandry-convert: " << shownPath(outcome.failure->path) << ": " << failureReason(*outcome.failure) << "\n";
            err.flush();
            status = ExitPlaylistFailed;
            return;
        }
        const PlaylistResult &result = outcome.result;
        if (!quiet) {
            //: %1 is the playlist, %2 the .asx file written.
            out << CommandLine::tr("%1 -> %2 (%Ln entries)", nullptr, int(result.stats.entries))
                       .arg(shownPath(result.inputPath), shownPath(result.outputPath))
                << "\n";
            out.flush();
        }
        // What is not on the card is told once the music is there.
        warn(err, conversionWarnings({result}, {.musicRootHint = true,
                                                .transcodeHint = !request.transcode,
                                                .notOnCard = !request.planMusic}));
    };
    const ConversionReport run =
        runConversion(request, [](const RunProgress &) { return stopRequest() == 0; }, told);
    if (run.status == ConversionReport::Status::Cancelled || stopRequest() != 0)
        return 128 + stopRequest();
    if (!request.planMusic)
        return status;
    const int put = putTheMusic(run,
                                {.encoder = encoder.get(),
                                 .jobs = jobs,
                                 .dryRun = request.dryRun,
                                 .quiet = quiet,
                                 .keepingInStep = request.sync || request.tidy},
                                out, err);
    return put != ExitOk ? put : status;
}

} // namespace velandry
