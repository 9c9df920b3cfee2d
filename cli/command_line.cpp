#include "command_line.h"

#include "conversion_run.h"
#include "conversion_wording.h"
#include "system.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace velandry {

namespace {

// Qt names the program in the usage line by the path it was started with,
// which differs with every install; the manual page names it plainly.
QString helpText(const QCommandLineParser &parser)
{
    QString text = parser.helpText();
    const qsizetype programAt = text.indexOf(u' ') + 1;
    const qsizetype optionsAt = text.indexOf(u" [options]");
    if (programAt > 0 && optionsAt > programAt)
        text.replace(programAt, optionsAt - programAt, QStringLiteral("velandry-convert"));
    return text;
}

} // namespace

int runCommandLine(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Converts playlists (WPL, ZPL, M3U, M3U8, PLS, XSPF, ASX, WAX, WVX) into ASX playlists for "
                       "the Windows Media Player for Pocket PC, keeping the entries of one media type."));
    const QCommandLineOption typeOption({QStringLiteral("t"), QStringLiteral("type")},
                                        QStringLiteral("Media type to keep, without its full stop (WMA, MP3, WAV, ...)."),
                                        QStringLiteral("TYPE"));
    const QCommandLineOption mediaOption({QStringLiteral("m"), QStringLiteral("media-folder")},
                                         QStringLiteral("Folder on the device written before every path (default %1).")
                                             .arg(kDefaultMediaFolder),
                                         QStringLiteral("FOLDER"), kDefaultMediaFolder.toString());
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output-folder")},
                                          QStringLiteral("Folder for the .asx files (default: each playlist's own folder)."),
                                          QStringLiteral("DIR"));
    const DefaultCodePage defaultPage = defaultCodePage();
    const QCommandLineOption codePageOption(
        {QStringLiteral("c"), QStringLiteral("code-page")},
        QStringLiteral("ANSI code page of the .asx files, and of playlists that are not UTF-8: %1 "
                       "(also as cp1250 or windows-1250). Default here: %2, %3.")
            .arg(supportedCodePageList(), QString::number(defaultPage.number), defaultCodePageReason(defaultPage)),
        QStringLiteral("CP"));
    const QCommandLineOption musicRootOption(
        {QStringLiteral("r"), QStringLiteral("music-root")},
        QStringLiteral("The music folder that playlists other than WPL name their files in, as they name it "
                       "(/home/ana/Music, 'D:\\Music'): entries below it are cut there (default: the rules in the "
                       "manual page)."),
        QStringLiteral("DIR"));
    const QCommandLineOption cardOption(
        QStringLiteral("card"),
        QStringLiteral("The storage card as this system sees it (/media/ana/CARD, E:\\): each entry is looked for "
                       "on it, and those that are not there are told (default: the output folder's volume, where "
                       "it is a card that holds the media folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption quietOption({QStringLiteral("q"), QStringLiteral("quiet")},
                                         QStringLiteral("Print nothing for playlists that convert cleanly."));
    parser.addOptions({typeOption, mediaOption, outputOption, codePageOption, musicRootOption, cardOption, quietOption});
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("PLAYLIST"), QStringLiteral("Playlists to convert."),
                                 QStringLiteral("PLAYLIST..."));

    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n" << "Try '--help' for more information.\n";
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
        err << "velandry-convert: the media type is missing (--type TYPE)\n";
        return ExitUsage;
    }
    const QStringList playlists = parser.positionalArguments();
    if (playlists.isEmpty()) {
        err << "velandry-convert: no playlist given\n";
        return ExitUsage;
    }
    std::optional<CodePage> codePage = CodePage::fromNumber(defaultPage.number);
    if (parser.isSet(codePageOption)) {
        codePage = CodePage::fromName(parser.value(codePageOption));
        if (!codePage) {
            err << "velandry-convert: unknown code page " << parser.value(codePageOption)
                << "; the ANSI code pages are " << supportedCodePageList() << "\n";
            return ExitUsage;
        }
    }
    const QString mediaType = parser.value(typeOption);
    if (mediaType == kMediaTypePlaceholder) {
        err << "Please select a media type\ni.e. WMA, MP3\n";
        return ExitUsage;
    }
    const std::optional<QString> outputFolder =
        parser.isSet(outputOption) ? std::optional(withTrailingSeparator(parser.value(outputOption)))
                                   : std::nullopt;
    if (outputFolder && detail::kindOf(*outputFolder) != detail::FileKind::Folder) {
        err << "velandry-convert: the output folder " << shownPath(*outputFolder) << " does not exist\n";
        return ExitUsage;
    }
    if (parser.isSet(cardOption) && detail::kindOf(parser.value(cardOption)) != detail::FileKind::Folder) {
        err << "velandry-convert: the card " << shownPath(parser.value(cardOption)) << " does not exist\n";
        return ExitUsage;
    }
    ConversionOptions options{mediaType, parser.value(mediaOption), *codePage, parser.value(musicRootOption)};
    Cards cards(parser.value(cardOption), options.mediaFolder);
    const bool quiet = parser.isSet(quietOption);

    int status = ExitOk;
    OutputClaims claims;
    for (const QString &playlist : playlists) {
        const QFileInfo info(playlist);
        const QString folder = outputFolder ? *outputFolder : withTrailingSeparator(info.path());
        const QString outputPath = folder + outputFileName(info.fileName());
        PlaylistOutcome outcome;
        outcome.failure = outputTaken(claims, playlist, outputPath);
        if (!outcome.failure) {
            options.card = cards.forOutput(outputPath);
            outcome = convertPlaylist(playlist, outputPath, options);
        }
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
        if (!quiet) {
            out << shownPath(playlist) << " -> " << shownPath(outputPath) << " ("
                << outcome.result.stats.entries << " entries)\n";
            out.flush();
        }
        for (const QString &warning :
             conversionWarnings({outcome.result}, QStringLiteral(" (name it with --music-root)")))
            err << "velandry-convert: warning: " << warning << "\n";
        err.flush();
    }
    return status;
}

} // namespace velandry
