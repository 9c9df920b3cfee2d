// Times each stage of a conversion on a large generated playlist, shaped like
// the player's own files. Usage: velandry-bench [MiB] [file-to-keep]
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

QByteArray generatePlaylist(qsizetype bytes)
{
    QRandomGenerator random(20030519);
    static const char *const artists[] = {"Martin O&apos;Donnell &amp; Michael Salvatori", "The Strokes",
                                          "Asian Kung-Fu Generation", "E Nomine", "Beyonc\xC3\xA9",
                                          "\xE3\x82\xA2\xE3\x82\xB8\xE3\x82\xAB\xE3\x83\xB3"};
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
        text += " Track";
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
    QTextStream out(stdout);

    const QByteArray bytes = generatePlaylist(mebibytes << 20);
    QTemporaryDir dir;
    const QString input = keep.isEmpty() ? dir.filePath(QStringLiteral("bench.wpl")) : keep;
    {
        QFile file(input);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            out << "cannot write " << input << "\n";
            return 1;
        }
    }
    out << "playlist: " << bytes.size() << " bytes (" << mebibytes << " MiB) at " << input << "\n";

    PlaylistText decoded;
    MediaPaths paths;
    QByteArray document;
    const double decode = timed([&] { decoded = decodePlaylist(bytes); });
    const double extract = timed([&] { paths = extractMediaPaths(decoded.text, u"wma"); });
    const double build = timed([&] { document = asxDocument(paths, u"\\CF-Card\\My Music\\"); });
    const QString output = dir.filePath(QStringLiteral("bench.asx"));
    const double write = timed([&] {
        QFile file(output);
        file.open(QIODevice::WriteOnly);
        file.write(document);
    });
    const double whole = timed([&] { convertPlaylist(input, output, u"wma", u"\\CF-Card\\My Music\\"); });

    out << "references:       " << paths.referenceCount() << "\n"
        << "decode UTF-8:     " << decode << " ms\n"
        << "extract:          " << extract << " ms\n"
        << "build + encode:   " << build << " ms (" << document.size() << " bytes)\n"
        << "write:            " << write << " ms\n"
        << "whole conversion: " << whole << " ms (read, decode, extract, build, encode, atomic write)\n";
    return 0;
}
