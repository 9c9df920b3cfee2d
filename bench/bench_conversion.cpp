// Times each stage of a conversion on a large generated playlist, shaped like
// the player's own files.
//   velandry-bench [MiB] [file-to-keep] [ja]
// With "ja" the names are Japanese and the output is in code page 932. Last,
// the writing of a playlist whose every name loses a character to the code
// page beside the same playlist with names it holds.
//   velandry-bench overlap FILE
// writes a playlist of 370 KB whose overlapping references make 682 MB.
//   velandry-bench cancel [MiB]
// how long a stop waits, at most, in each phase of a conversion: the longest
// time between two questions to the progress callback while reading,
// finding the references and writing, then the same inside one giant entry,
// and in an M3U8 and an XSPF playlist.
//   velandry-bench card
// a playlist of 10,000 entries converted with and without its check against a
// card of 10,000 files in 1,000 folders, half of the entries in another letter
// case than the card's names.
//   velandry-bench format m3u8|xspf|pls|asx MiB FILE
// writes a playlist of that kind, its entries under the music folder given
// with --music-root /home/ana/Music.
//   velandry-bench copy MUSIC CARD
// copies the .mp3 files of MUSIC onto the folder CARD as --copy-music does.
//   velandry-bench plan
// plans the copy of 10,000 entries.
#include "engine/conversion_run.h"
#include "engine/music/card_writer.h"
#include "engine/music/music_plan.h"
#include "tests/media_paths.h"
#include "engine/formats/wpl_references.h"
#include "engine/playlist_text.h"

#include <optional>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace velandry;

namespace {

enum class Names { Western, Japanese, AllHeld, AllLost };

QByteArray generatePlaylist(qsizetype bytes, Names names)
{
    QRandomGenerator random(20030519);
    static const char *const western[] = {"Martin O&apos;Donnell &amp; Michael Salvatori", "The Strokes",
                                          "Asian Kung-Fu Generation", "E Nomine", "Beyonc\xC3\xA9",
                                          "\xE3\x82\xA2\xE3\x82\xB8\xE3\x82\xAB\xE3\x83\xB3"};
    // Kana and kanji names; one holds "ō", which code page 932 lacks.
    static const char *const japaneseNames[] = {
        "\xE3\x82\xA2\xE3\x82\xB8\xE3\x82\xA2\xE3\x83\xB3\xE3\x83\xBB\xE3\x82\xAB\xE3\x83\xB3\xE3\x83\x95\xE3\x83\xBC",
        "\xE5\xAE\x87\xE5\xA4\x9A\xE7\x94\xB0\xE3\x83\x92\xE3\x82\xAB\xE3\x83\xAB",
        "\xE6\xA4\x8E\xE5\x90\x8D\xE6\x9E\x97\xE6\xAA\x8E", "\xE3\x81\x8F\xE3\x82\x8B\xE3\x82\x8A",
        "\xE5\x9D\x82\xE6\x9C\xAC\xE9\xBE\x8D\xE4\xB8\x80", "Ry\xC5\x8Dji Sakamoto"};
    // The same length in UTF-8 and in the code page's bytes: "e" against "ō".
    static const char *const held[] = {"Ryuichi Sakamoto e", "The Strokes e", "E Nomine e", "Shiina Ringo e",
                                       "Kururi e", "Utada Hikaru e"};
    static const char *const lost[] = {"Ryuichi Sakamoto\xC5\x8D", "The Strokes\xC5\x8D", "E Nomine\xC5\x8D",
                                       "Shiina Ringo\xC5\x8D", "Kururi\xC5\x8D", "Utada Hikaru\xC5\x8D"};
    const char *const *artists = names == Names::Japanese ? japaneseNames
                                 : names == Names::AllHeld ? held
                                 : names == Names::AllLost ? lost
                                                           : western;
    static const char *const extensions[] = {".wma", ".mp3", ".MP3", ".wav"};
    QByteArray text = "<?wpl version=\"1.0\"?>\r\n<smil>\r\n    <head>\r\n"
                      "        <meta name=\"Generator\" content=\"Microsoft Windows Media Player -- 9.0\"/>\r\n"
                      "        <title>Benchmark</title>\r\n    </head>\r\n    <body>\r\n        <seq>\r\n";
    text.reserve(bytes + 4096);
    for (int track = 1; text.size() < bytes; ++track) {
        const char *artist = artists[random.bounded(6)];
        const QByteArray number = QByteArray::number(track);
        text += "            <media src=\"..\\My Music\\";
        text += artist;
        text += "\\Album ";
        text += QByteArray::number(track / 12);
        text += "\\";
        text += number;
        text += names == Names::Japanese ? " \xE6\x9B\xB2" : " Track";
        text += extensions[random.bounded(4)];
        text += "\" albumTitle=\"Album ";
        text += QByteArray::number(track / 12);
        text += "\" albumArtist=\"";
        text += artist;
        text += "\" trackTitle=\"Track ";
        text += number;
        text += "\" duration=\"";
        text += QByteArray::number(random.bounded(100000, 500000));
        text += "\" tid=\"{893728CD-7065-4832-BB7F-9A621F069B1F}\"/>\r\n";
    }
    text += "        </seq>\r\n    </body>\r\n</smil>\r\n";
    return text;
}

// The same tracks as an M3U8 (with #EXTINF lines, as players write it), an
// XSPF playlist (file URLs, percent-encoded), a PLS (FileN, TitleN, LengthN)
// or an ASX playlist (an ENTRY with its REF and TITLE each).
QByteArray generateFormat(qsizetype bytes, QByteArrayView kind)
{
    QRandomGenerator random(20030519);
    static const char *const artists[] = {"Martin O'Donnell & Michael Salvatori", "The Strokes", "Asian Kung-Fu Generation",
                                          "E Nomine", "Beyonc\xC3\xA9", "Caf\xC3\xA9 Tacvba"};
    const bool xspf = kind == "xspf";
    const bool pls = kind == "pls";
    const bool asx = kind == "asx";
    QByteArray text = xspf ? "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<playlist version=\"1\" "
                             "xmlns=\"http://xspf.org/ns/0/\">\n  <trackList>\n"
                      : pls ? "[playlist]\n"
                      : asx ? "<ASX version=\"3.0\">\n  <TITLE>Road</TITLE>\n"
                            : "#EXTM3U\n";
    text.reserve(bytes + 4096);
    int track = 1;
    for (; text.size() < bytes; ++track) {
        const QByteArray artist = artists[random.bounded(6)];
        const QByteArray path = "/home/ana/Music/" + artist + "/Album " + QByteArray::number(track / 12) + "/"
                                + QByteArray::number(track) + " Track.mp3";
        const QByteArray number = QByteArray::number(track);
        if (xspf) {
            text += "    <track>\n      <location>file://" + path.toPercentEncoding("/") + "</location>\n      <title>Track "
                    + number + "</title>\n      <creator>" + QByteArray(artist).replace('&', "&amp;")
                    + "</creator>\n    </track>\n";
        } else if (pls) {
            text += "File" + number + "=" + path + "\nTitle" + number + "=" + artist + " - Track " + number + "\nLength"
                    + number + "=" + QByteArray::number(random.bounded(100, 500)) + "\n";
        } else if (asx) {
            text += "  <ENTRY>\n    <TITLE>Track " + number + "</TITLE>\n    <REF HREF=\"" + QByteArray(path).replace('&', "&amp;")
                    + "\"/>\n  </ENTRY>\n";
        } else {
            text += "#EXTINF:" + QByteArray::number(random.bounded(100, 500)) + "," + artist + " - Track " + number + "\n"
                    + path + "\n";
        }
    }
    if (xspf)
        text += "  </trackList>\n</playlist>\n";
    if (pls)
        text += "NumberOfEntries=" + QByteArray::number(track - 1) + "\nVersion=2\n";
    if (asx)
        text += "</ASX>\n";
    return text;
}

template <typename F>
double timed(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// One "My Music\" up front, then filler, then references without a marker of
// their own: each path runs from the top, so the output is far larger.
QByteArray overlappingPlaylist(qsizetype filler, int references)
{
    QByteArray text = "..\\My Music\\";
    text += QByteArray(filler, 'x');
    for (int i = 0; i < references; ++i)
        text += "\\a.mp3";
    return text;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The longest wait between two questions in each phase of one conversion.
void measureStops(QTextStream &out, const QString &input, const QString &output, const char *what)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest[3] = {};
    int phase = 0;
    convertPlaylist(input, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = *CodePage::fromNumber(1252)},
                    [&](const ConversionProgress &at) {
                        const qint64 now = clock.nsecsElapsed();
                        const int current = at.bytesExpected > 0 ? 2 : at.bytesRead * 2 < at.bytesToRead ? 0 : 1;
                        if (current == phase)
                            longest[phase] = qMax(longest[phase], now - last);
                        phase = current;
                        last = now;
                        return true;
                    });
    // And one real stop: from the callback's "no" to the engine's return.
    qint64 asked = 0;
    convertPlaylist(input, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = *CodePage::fromNumber(1252)},
                    [&](const ConversionProgress &at) {
                        if (at.bytesExpected == 0 || at.bytesWritten < at.bytesExpected / 2)
                            return true;
                        asked = clock.nsecsElapsed();
                        return false;
                    });
    const qint64 unwound = clock.nsecsElapsed() - asked;
    out << what << ": longest wait for a stop while checking " << longest[0] / 1e6 << " ms, finding "
        << longest[1] / 1e6 << " ms, writing " << longest[2] / 1e6 << " ms; a stop half way through the writing "
        << "returned after " << unwound / 1e6 << " ms\n";
}

CardEntry cardEntry(const QString &onCard, const QString &belowMediaFolder, const QString &localPath)
{
    CardEntry entry;
    entry.onCard = onCard;
    entry.belowMediaFolder = belowMediaFolder;
    entry.localPath = localPath;
    return entry;
}

// Copies the .mp3 files of `music` onto `card` (an existing folder, the file
// system to measure), as --copy-music does, and prints its pace.
int benchCopy(const QString &music, const QString &card)
{
    QTextStream out(stdout);
    QList<CardEntry> missing;
    for (const QString &name : QDir(music).entryList({QStringLiteral("*.mp3")}, QDir::Files))
        missing.append(cardEntry(QStringLiteral("My Music\\") + name, name, music + u'/' + name));
    const QString target = card + QStringLiteral("/velandry-bench-") + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(target);
    const MusicPlan plan = planMusic(target, missing, {.mediaType = QStringLiteral("mp3"), .musicRoot = music});
    PlanReport report;
    CardWriter writer(plan);
    const double copying = timed([&] { report = carryOut(plan, writer); });
    out << "copied " << report.done << " files, " << plan.bytes / (1 << 20) << " MiB, in " << copying << " ms: "
        << (plan.bytes / 1e6) / (copying / 1e3) << " MB/s\n";
    QDir(target).removeRecursively();
    return report.status == PlanReport::Status::Completed ? 0 : 1;
}

// Plans the copy of 10,000 entries, half found as the playlist names them and
// half below the music root, against a card of 500 folders named in another
// letter case: the lookups on both sides.
int benchPlan()
{
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString music = dir.filePath(QStringLiteral("Music"));
    for (int i = 0; i < 40; ++i) {
        QDir().mkpath(music + QStringLiteral("/Artist %1").arg(i / 10));
        writeFile(music + QStringLiteral("/Artist %1/Track %2.mp3").arg(i / 10).arg(i), "x");
    }
    QList<CardEntry> many;
    for (int i = 0; i < 10000; ++i) {
        const QString name = QStringLiteral("Artist %1/Track %2.mp3").arg(i % 40 / 10).arg(i % 40);
        many.append(cardEntry(QStringLiteral("My Music\\Folder %1\\Track %2.mp3").arg(i / 10).arg(i),
                              QString(name).replace(u'/', u'\\'), i % 2 ? music + u'/' + name : QString()));
    }
    const QString card = dir.filePath(QStringLiteral("CARD"));
    for (int folder = 0; folder < 1000; folder += 2)
        QDir().mkpath(card + QStringLiteral("/My Music/FOLDER %1").arg(folder));
    MusicPlan plan;
    const double planning = timed([&] { plan = planMusic(card, many, {.mediaType = QStringLiteral("mp3"), .musicRoot = music}); });
    out << "planned the copy of 10,000 entries against a card of 500 folders in " << planning << " ms ("
        << plan.actions.size() << " to copy)\n";
    return 0;
}

// Plans keeping a card in step (--sync --tidy) for 10,000 entries that are
// all on a card of 10,000 files in 1,000 folders, none changed: what a second
// run asks of the card and of this computer, one listing per folder on each.
int benchSync()
{
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString music = dir.filePath(QStringLiteral("Music"));
    const QString card = dir.filePath(QStringLiteral("CARD"));
    const QDateTime recorded = QDateTime::currentDateTime().addDays(-30);
    QList<CardEntry> entries;
    for (int folder = 0; folder < 1000; ++folder) {
        const QString below = QStringLiteral("Artist %1/Album").arg(folder);
        QDir().mkpath(music + u'/' + below);
        QDir().mkpath(card + QStringLiteral("/My Music/") + below);
        for (int track = 0; track < 10; ++track) {
            const QString name = below + QStringLiteral("/Track %1.mp3").arg(track);
            for (const QString &file : {music + u'/' + name, card + QStringLiteral("/My Music/") + name}) {
                writeFile(file, "x");
                QFile dated(file);
                dated.open(QIODevice::ReadWrite);
                dated.setFileTime(recorded, QFileDevice::FileModificationTime);
            }
            const QString onCard = QStringLiteral("My Music\\") + QString(name).replace(u'/', u'\\');
            CardEntry entry;
            entry.onCard = onCard;
            entry.belowMediaFolder = QString(name).replace(u'/', u'\\');
            entry.present = true;
            entries.append(entry);
        }
    }
    writeFile(card + QStringLiteral("/Playlists/All.asx"), "<ASX version = \"3.0\">\r\n</ASX>\r\n");
    // The card's listing as the card check made it, for each entry.
    FolderIndex index(card);
    for (CardEntry &entry : entries)
        entry.onCardFile = *index.entry(entry.onCard.split(u'\\'));
    MusicPlan plan;
    const ConversionRequest request{.mediaType = QStringLiteral("mp3"), .musicRoot = music, .sync = true, .tidy = true};
    const double planning = timed([&] { plan = planMusic(card, entries, request); });
    out << "planned keeping a card of 10,000 files in 1,000 folders in step with 10,000 entries in " << planning
        << " ms (" << plan.actions.size() << " actions)\n";
    return plan.actions.isEmpty() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "card") {
        QTemporaryDir dir;
        QTextStream out(stdout);
        QByteArray text;
        for (int folder = 0; folder < 1000; ++folder) {
            const QString path = dir.filePath(QStringLiteral("CARD/My Music/Artist %1/Album").arg(folder));
            QDir().mkpath(path);
            for (int track = 0; track < 10; ++track) {
                writeFile(QStringLiteral("%1/Track %2.mp3").arg(path).arg(track), "x");
                const QByteArray artist = folder % 2 ? "ARTIST " : "Artist ";
                text += "<media src=\"..\\My Music\\" + artist + QByteArray::number(folder) + "\\album\\Track "
                        + QByteArray::number(track) + ".mp3\"/>\r\n";
            }
        }
        const QString input = dir.filePath(QStringLiteral("Card.wpl"));
        writeFile(input, text);
        const ConversionRequest options{.mediaType = QStringLiteral("mp3"),
                                        .mediaFolder = QStringLiteral("\\CF-Card\\My Music\\"),
                                        .codePage = *CodePage::fromNumber(1252)};
        PlaylistOutcome outcome;
        const double plain = timed([&] { outcome = convertPlaylist(input, dir.filePath(QStringLiteral("Card.asx")), options); });
        const auto card = std::make_shared<FolderIndex>(dir.filePath(QStringLiteral("CARD")));
        const double checked =
            timed([&] { outcome = convertPlaylist(input, dir.filePath(QStringLiteral("Card.asx")), options, {}, card); });
        out << "10,000 entries, a card of 10,000 files in 1,000 folders: converted in " << plain << " ms, with the card "
            << "checked " << checked << " ms (" << outcome.result.card.notOnCard << " not on the card)\n";
        return 0;
    }
    if (argc > 4 && QByteArray(argv[1]) == "format") {
        const QByteArray text = generateFormat(QByteArray(argv[3]).toLongLong() << 20, QByteArray(argv[2]));
        return writeFile(QString::fromLocal8Bit(argv[4]), text) ? 0 : 1;
    }
    if (argc > 3 && QByteArray(argv[1]) == "copy")
        return benchCopy(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc > 1 && QByteArray(argv[1]) == "plan")
        return benchPlan();
    if (argc > 1 && QByteArray(argv[1]) == "sync")
        return benchSync();
    if (argc > 2 && QByteArray(argv[1]) == "overlap") {
        const QByteArray text = overlappingPlaylist(362 << 10, 1840);
        return writeFile(QString::fromLocal8Bit(argv[2]), text) ? 0 : 1;
    }
    if (argc > 1 && QByteArray(argv[1]) == "cancel") {
        const qsizetype mebibytes = argc > 2 ? QByteArray(argv[2]).toLongLong() : 256;
        QTemporaryDir dir;
        QTextStream out(stdout);
        const QString input = dir.filePath(QStringLiteral("cancel.wpl"));
        const QString output = dir.filePath(QStringLiteral("written.asx"));
        if (!writeFile(input, generatePlaylist(mebibytes << 20, Names::Western)))
            return 1;
        measureStops(out, input, output, "playlist of the player's shape");
        if (!writeFile(input, generatePlaylist(mebibytes << 20, Names::Western) + "\xE9"))
            return 1;
        measureStops(out, input, output, "the same, not UTF-8");
        if (!writeFile(input, overlappingPlaylist(mebibytes << 20, 1)))
            return 1;
        measureStops(out, input, output, "one giant entry");
        for (const char *kind : {"m3u8", "xspf", "pls", "asx"}) {
            const QString other = dir.filePath(QStringLiteral("cancel.") + QLatin1StringView(kind));
            if (!writeFile(other, generateFormat(mebibytes << 20, kind)))
                return 1;
            measureStops(out, other, output, QByteArray(kind).toUpper().constData());
        }
        return 0;
    }
    const qsizetype mebibytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 64;
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const bool japanese = argc > 3 && QByteArray(argv[3]) == "ja";
    const CodePage codePage = *CodePage::fromNumber(japanese ? 932 : 1252);
    QTextStream out(stdout);

    const QByteArray bytes = generatePlaylist(mebibytes << 20, japanese ? Names::Japanese : Names::Western);
    QTemporaryDir dir;
    const QString input = keep.isEmpty() ? dir.filePath(QStringLiteral("bench.wpl")) : keep;
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            out << "cannot write " << input << "\n";
            return 1;
        }
    }
    out << "playlist: " << bytes.size() << " bytes (" << mebibytes << " MiB) at " << input << ", code page "
        << codePage.number() << "\n";

    const auto documentOf = [&](QByteArrayView text, AsxStats *stats = nullptr) {
        QByteArray document;
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly);
        writeAsxDocument(buffer, text, u"wma", u"\\CF-Card\\My Music\\", codePage, stats);
        return document;
    };
    std::optional<PlaylistText> text;
    qsizetype references = 0;
    QByteArray document;
    const double check = timed([&] { text = readPlaylistText(bytes, codePage); });
    const double scan = timed([&] {
        ReferenceScanner scanner(text->utf8(), u"wma");
        Reference reference;
        for (ReferenceScanner::Step step; (step = scanner.next(reference)) != ReferenceScanner::Step::Ended;)
            references += step == ReferenceScanner::Step::Found ? 1 : 0;
    });
    const double build = timed([&] { document = documentOf(text->utf8()); });
    const QString output = dir.filePath(QStringLiteral("bench.asx"));
    const double write = timed([&] {
        QFile file(output);
        file.open(QIODevice::WriteOnly);
        file.write(document);
    });
    const double whole = timed([&] { convertPlaylist(input, output, {.mediaType = QStringLiteral("wma"), .mediaFolder = QStringLiteral("\\CF-Card\\My Music\\"), .codePage = codePage}); });

    out << "references:       " << references << "\n"
        << "check UTF-8:      " << check << " ms\n"
        << "find references:  " << scan << " ms\n"
        << "build + encode:   " << build << " ms (" << document.size() << " bytes, references found twice)\n"
        << "write:            " << write << " ms\n"
        << "whole conversion: " << whole << " ms (map, check, find, build, encode, atomic write)\n";

    // A lost character costs no more than a held one.
    double heldMs = 0;
    double lostMs = 0;
    for (const Names names : {Names::AllHeld, Names::AllLost}) {
        const QByteArray some = generatePlaylist(mebibytes << 20, names);
        AsxStats stats;
        double best = 1e9;
        for (int run = 0; run < 3; ++run)
            best = qMin(best, timed([&] { document = documentOf(some, &stats); }));
        (names == Names::AllHeld ? heldMs : lostMs) = best;
        out << (names == Names::AllHeld ? "build + encode, no name loses a character:    "
                                        : "build + encode, every name loses a character: ")
            << best << " ms (" << stats.entriesWithLostCharacters << " of " << stats.entries << " entries lose one)\n";
    }
    out << "lost against held: " << lostMs / heldMs << " times\n";
    return 0;
}
