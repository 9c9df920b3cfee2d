#include "command_line.h"

#include "conversion_run.h"
#include "conversion_wording.h"
#include "copy_wording.h"
#include "music_copy.h"
#include "system.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QTextStream>

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

// Copies, card by card, what the playlists name and the cards lack; or, in a
// dry run, prints what it would copy. The exit status it comes to.
int copyTheMusic(const QList<PlaylistResult> &converted, const MusicSources &sources, bool dryRun, bool quiet,
                 QTextStream &out, QTextStream &err)
{
    QMap<QString, QList<MissingEntry>> byCard;
    for (const PlaylistResult &result : converted) {
        if (!result.card.card.isEmpty())
            byCard[result.card.card] += result.missing;
    }
    // One line on a terminal, drawn again in place.
    const bool drawProgress = !quiet && !dryRun && detail::isTerminal(stderr);
    int status = ExitOk;
    for (auto card = byCard.cbegin(); card != byCard.cend(); ++card) {
        if (card.value().isEmpty())
            continue; // the card has every entry
        const MusicPlan plan = planMusicCopy(card.key(), card.value(), sources);
        if (dryRun) {
            for (const QString &line : copyPlanLines(plan))
                out << line << "\n";
            out.flush();
            for (const QString &line : leftOutLines(plan))
                err << "velandry-convert: " << CommandLine::tr("warning: %1").arg(line) << "\n";
            err.flush();
            continue;
        }
        const CopyReport report = copyMusic(plan, [&](const CopyProgress &progress) {
            if (drawProgress) {
                err << "\r" << copyProgressLine(progress) << "\x1b[K";
                err.flush();
            }
            return detail::stopRequest() == 0;
        });
        if (drawProgress) {
            err << "\r\x1b[K";
            err.flush();
        }
        const CopyWords words = copyReportWords(plan, report);
        if (!words.problem.isEmpty()) {
            err << "velandry-convert: " << words.problem << "\n";
            err.flush();
        }
        if (!words.copied.isEmpty() && !quiet && (report.copied > 0 || words.problem.isEmpty()))
            out << words.copied << "\n";
        for (const QString &line : words.leftOut)
            err << "velandry-convert: " << CommandLine::tr("warning: %1").arg(line) << "\n";
        out.flush();
        err.flush();
        if (report.status == CopyReport::Status::Cancelled)
            return 128 + detail::stopRequest();
        if (report.status != CopyReport::Status::Completed)
            status = ExitPlaylistFailed;
    }
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
    parser.addOptions({typeOption, mediaOption, outputOption, codePageOption, musicRootOption, cardOption, copyOption,
                       dryRunOption, quietOption});
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLAYLIST"), CommandLine::tr("Playlists to convert."),
                                 QStringLiteral("PLAYLIST..."));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n" << CommandLine::tr("Try '--help' for more information.") << "\n";
        return ExitUsage;
    }
    if (parser.isSet(helpOption)) {
        out << helpText(parser);
        return ExitOk;
    }
    if (parser.isSet(versionOption)) {
        out << "velandry-convert " << VELANDRY_VERSION << "\n";
        return ExitOk;
    }
    if (!parser.isSet(typeOption)) {
        err << "velandry-convert: " << CommandLine::tr("the media type is missing (--type TYPE)") << "\n";
        return ExitUsage;
    }
    const QStringList playlists = parser.positionalArguments();
    if (playlists.isEmpty()) {
        err << "velandry-convert: " << CommandLine::tr("no playlist given") << "\n";
        return ExitUsage;
    }
    std::optional<CodePage> codePage = CodePage::fromNumber(defaultPage.number);
    if (parser.isSet(codePageOption)) {
        codePage = CodePage::fromName(parser.value(codePageOption));
        if (!codePage) {
            //: %1 is what was given, %2 the list of code pages.
            err << "velandry-convert: "
                << CommandLine::tr("unknown code page %1; the ANSI code pages are %2")
                       .arg(parser.value(codePageOption), supportedCodePageList())
                << "\n";
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
    if (outputFolder && detail::kindOf(*outputFolder) != detail::FileKind::Folder) {
        err << "velandry-convert: " << CommandLine::tr("the output folder %1 does not exist").arg(shownPath(*outputFolder))
            << "\n";
        return ExitUsage;
    }
    if (parser.isSet(cardOption) && detail::kindOf(parser.value(cardOption)) != detail::FileKind::Folder) {
        err << "velandry-convert: "
            << CommandLine::tr("the card %1 does not exist").arg(shownPath(parser.value(cardOption))) << "\n";
        return ExitUsage;
    }
    ConversionOptions options{mediaType, parser.value(mediaOption), *codePage, parser.value(musicRootOption)};
    options.collectMissing = parser.isSet(copyOption);
    options.dryRun = parser.isSet(dryRunOption);
    Cards cards(parser.value(cardOption), options.mediaFolder);
    const bool quiet = parser.isSet(quietOption);
    const auto outputOf = [&](const QString &playlist) {
        const QFileInfo info(playlist);
        return (outputFolder ? *outputFolder : withTrailingSeparator(info.path())) + outputFileName(info.fileName());
    };
    // The music goes onto a card: named, or found where the playlists go.
    if (options.collectMissing) {
        for (const QString &playlist : playlists) {
            if (!cards.forOutput(outputOf(playlist))) {
                err << "velandry-convert: "
                    << CommandLine::tr("--copy-music needs the card: name it with --card DIR, or write the playlists "
                                       "onto the card with --output-folder DIR")
                    << "\n";
                return ExitUsage;
            }
        }
    }
    // SIGINT and SIGTERM stop the run where it stands: no half file is left.
    detail::watchStopRequests();
    const auto stopped = [] { return detail::stopRequest() != 0; };

    int status = ExitOk;
    OutputClaims claims;
    QList<PlaylistResult> converted;
    for (const QString &playlist : playlists) {
        const QString outputPath = outputOf(playlist);
        PlaylistOutcome outcome;
        outcome.failure = outputTaken(claims, playlist, outputPath);
        if (!outcome.failure) {
            options.card = cards.forOutput(outputPath);
            outcome = convertPlaylist(playlist, outputPath, options, [&](const ConversionProgress &) { return !stopped(); });
        }
        if (outcome.cancelled || stopped())
            return 128 + detail::stopRequest();
        // Each line goes out as it is written, so that on a terminal, where
        // both streams meet, the lines stand in the order things happened.
        if (outcome.failure) {
            err << "velandry-convert: " << shownPath(outcome.failure->path) << ": "
                << failureReason(*outcome.failure) << "\n";
            err.flush();
            status = ExitPlaylistFailed;
            continue;
        }
        claims.written(playlist, outputPath);
        converted.append(outcome.result);
        if (!quiet) {
            //: %1 is the playlist, %2 the .asx file written.
            out << CommandLine::tr("%1 -> %2 (%n entries)", nullptr, int(outcome.result.stats.entries))
                       .arg(shownPath(playlist), shownPath(outputPath))
                << "\n";
            out.flush();
        }
        for (const QString &warning :
             conversionWarnings({outcome.result}, CommandLine::tr(" (name it with --music-root)")))
            err << "velandry-convert: " << CommandLine::tr("warning: %1").arg(warning) << "\n";
        err.flush();
    }
    if (!options.collectMissing)
        return status;
    const QString musicRoot = QFileInfo(options.musicRoot).isDir() ? options.musicRoot : defaultMusicFolder();
    const int copied = copyTheMusic(converted, {musicRoot, mediaType}, options.dryRun, quiet, out, err);
    return copied != ExitOk ? copied : status;
}

} // namespace velandry
