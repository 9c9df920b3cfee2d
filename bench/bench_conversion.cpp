// Times each stage of a conversion on a large generated playlist, shaped like
// the player's own files. Usage: velandry-bench [MiB] [file-to-keep] [ja]
// With "ja" the names are Japanese and the output is in code page 932. Last,
// the writing of a playlist whose every name loses a character to the code
// page beside the same playlist with names it holds.
#include "conversion_run.h"
#include "media_paths.h"
#include "playlist_text.h"

#include <QBuffer>
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

template <typename F>
double timed(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
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

    PlaylistText decoded;
    MediaPaths paths;
    QByteArray document;
    const double decode = timed([&] { decoded = decodePlaylist(bytes, codePage); });
    const double extract = timed([&] { paths = extractMediaPaths(decoded.text, u"wma"); });
    const double build = timed([&] { document = asxDocument(paths, u"\\CF-Card\\My Music\\", codePage); });
    const QString output = dir.filePath(QStringLiteral("bench.asx"));
    const double write = timed([&] {
        QFile file(output);
        file.open(QIODevice::WriteOnly);
        file.write(document);
    });
    const double whole = timed([&] { convertPlaylist(input, output, u"wma", u"\\CF-Card\\My Music\\", codePage); });

    out << "references:       " << paths.referenceCount() << "\n"
        << "decode UTF-8:     " << decode << " ms\n"
        << "extract:          " << extract << " ms\n"
        << "build + encode:   " << build << " ms (" << document.size() << " bytes)\n"
        << "write:            " << write << " ms\n"
        << "whole conversion: " << whole << " ms (read, decode, extract, build, encode, atomic write)\n";

    // A lost character costs no more than a held one.
    double heldMs = 0;
    double lostMs = 0;
    for (const Names names : {Names::AllHeld, Names::AllLost}) {
        const QString text = QString::fromUtf8(generatePlaylist(mebibytes << 20, names));
        const MediaPaths some = extractMediaPaths(text, u"wma");
        AsxStats stats;
        double best = 1e9;
        for (int run = 0; run < 3; ++run)
            best = qMin(best, timed([&] { document = asxDocument(some, u"\\CF-Card\\My Music\\", codePage, &stats); }));
        (names == Names::AllHeld ? heldMs : lostMs) = best;
        out << (names == Names::AllHeld ? "build + encode, no name loses a character:    "
                                        : "build + encode, every name loses a character: ")
            << best << " ms (" << stats.entriesWithLostCharacters << " of " << stats.entries << " entries lose one)\n";
    }
    out << "lost against held: " << lostMs / heldMs << " times\n";
    return 0;
}
