#include "engine/asx_document.h"
#include "tests/media_paths.h"
#include "tests/oracle/oracle_asx_document.h"
#include "tests/oracle/oracle_playlist_text.h"
#include "engine/playlist_text.h"
#include "tests/reference_scan.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

using namespace velandry;
using velandry::reference::referenceExtract;

namespace {

QString randomPlaylist(QRandomGenerator &random)
{
    static const QStringList pieces = {
        QStringLiteral("My Music\\"), QStringLiteral("my music\\"), QStringLiteral("MY MUSIC\\"),
        QStringLiteral("..\\"), QStringLiteral(".\\"), QStringLiteral("."), QStringLiteral(".."),
        QStringLiteral(".mp3"), QStringLiteral(".MP3"), QStringLiteral(".Mp"), QStringLiteral(".wma"),
        QStringLiteral(".wav"), QStringLiteral("&apos;"), QStringLiteral("&amp;"), QStringLiteral("\""),
        QStringLiteral("<media src=\""), QStringLiteral("\"/>\r\n"), QStringLiteral("Artist\\"),
        QStringLiteral("Song"), QStringLiteral(" "), QStringLiteral("\\"), QStringLiteral("My Music"),
        QStringLiteral("\u00C9t\u00E9"), QStringLiteral("\u0130"), QStringLiteral("\u212A"),
        QStringLiteral("\U0001F3B5"), QStringLiteral("\u3042"), QString(QChar(0))};
    QString text;
    const int count = random.bounded(0, 40);
    for (int i = 0; i < count; ++i) {
        if (random.bounded(5) == 0)
            text += QChar(char16_t(random.bounded(0x20, 0x7F)));
        else
            text += pieces[random.bounded(pieces.size())];
    }
    return text;
}

} // namespace

class MediaPathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void extract_data();
    void extract();
    void slotsAreNumberedFromOne();
    void matchesLiteralScan_data();
    void matchesLiteralScan();
    void documentMatchesWholeTextEngine_data() { matchesLiteralScan_data(); }
    void documentMatchesWholeTextEngine();
};

void MediaPathsTest::extract_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty text") << QString() << QStringLiteral("MP3") << QStringList{QString()};
    QTest::newRow("no reference of the type")
        << QStringLiteral("<media src=\"..\\A\\b.wma\"/>") << QStringLiteral("MP3") << QStringList{QString()};
    QTest::newRow("My Music marker")
        << QStringLiteral("<media src=\"..\\My Music\\Artist\\Song.mp3\"/>") << QStringLiteral("MP3")
        << QStringList{QStringLiteral("Artist\\Song.mp3")};
    QTest::newRow("nearest parent marker")
        << QStringLiteral("<media src=\"..\\..\\Artist\\Album\\Song.mp3\"/>") << QStringLiteral("MP3")
        << QStringList{QStringLiteral("Artist\\Album\\Song.mp3")};
    QTest::newRow("case ignored on match, kept in path")
        << QStringLiteral("..\\A\\Song.MP3 ..\\b\\song.mp3") << QStringLiteral("mp3")
        << QStringList{QStringLiteral("A\\Song.MP3"), QStringLiteral("b\\song.mp3")};
    QTest::newRow("lower-case my music is no marker")
        << QStringLiteral("..\\my music\\A\\x.mp3") << QStringLiteral("MP3")
        << QStringList{QStringLiteral("my music\\A\\x.mp3")};
    QTest::newRow("key inside a name")
        << QStringLiteral("..\\Mix.mp3.wma") << QStringLiteral("MP3") << QStringList{QStringLiteral("Mix.mp3")};
    QTest::newRow("earlier My Music spans to a later match")
        << QStringLiteral("My Music\\a.mp3|..\\b.mp3") << QStringLiteral("MP3")
        << QStringList{QStringLiteral("a.mp3"), QStringLiteral("a.mp3|..\\b.mp3")};
    QTest::newRow("no marker: from the third character")
        << QStringLiteral("<media src=\"D:\\x.mp3\"/>") << QStringLiteral("MP3")
        << QStringList{QStringLiteral("edia src=\"D:\\x.mp3")};
    QTest::newRow("empty type: every full stop")
        << QStringLiteral("..\\a.b.c") << QString()
        << QStringList{QString(), QString(), QStringLiteral("a."), QStringLiteral("a.b.")};
    QTest::newRow("empty type, text starts with a full stop")
        << QStringLiteral(".x") << QString() << QStringList{QString()};
    QTest::newRow("resume one after the start of a match")
        << QStringLiteral("..\\x.a.a.a") << QStringLiteral("a.a")
        << QStringList{QStringLiteral("x.a.a"), QStringLiteral("x.a.a.a")};
    QTest::newRow("marker ending right before the key")
        << QStringLiteral("x..\\.mp3") << QStringLiteral("mp3") << QStringList{QStringLiteral(".mp3")};
    QTest::newRow("key at the very end, cut short")
        << QStringLiteral("..\\a.mp") << QStringLiteral("mp3") << QStringList{QString()};
}

void MediaPathsTest::extract()
{
    QFETCH(QString, text);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    const MediaPaths paths = extractMediaPaths(text, type);
    QCOMPARE(paths.toStringList(), expected);
    QCOMPARE(paths.highestIndex(), expected.size());
}

void MediaPathsTest::slotsAreNumberedFromOne()
{
    const MediaPaths none = extractMediaPaths(QString(), u"MP3");
    QCOMPARE(none.referenceCount(), 0);
    QCOMPARE(none.highestIndex(), 1);
    QVERIFY(none.slot(0).isEmpty());
    QVERIFY(none.slot(1).isEmpty());

    const MediaPaths one = extractMediaPaths(QStringLiteral("..\\x.mp3"), u"MP3");
    QCOMPARE(one.highestIndex(), 1);
    QVERIFY(one.slot(0).isEmpty());
    QCOMPARE(one.slot(1), u"x.mp3");
    QVERIFY(one.slot(2).isEmpty());
}

void MediaPathsTest::matchesLiteralScan_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 8; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void MediaPathsTest::matchesLiteralScan()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    static const QStringList types = {QStringLiteral("mp3"), QStringLiteral("MP3"), QStringLiteral("Mp"),
                                      QString(), QStringLiteral("wav"), QStringLiteral("\\"),
                                      QStringLiteral("."), QStringLiteral("\u0130"), QStringLiteral("k"),
                                      QString(QChar(0xD83C))}; // the first half of U+1F3B5
    for (int i = 0; i < 1000; ++i) {
        const QString text = randomPlaylist(random);
        const QString type = types[random.bounded(types.size())];
        const QStringList fast = extractMediaPaths(text, type).toStringList();
        const QStringList slow = referenceExtract(text, type);
        if (fast != slow)
            qWarning().noquote() << "text" << text << "type" << type;
        QCOMPARE(fast, slow);
    }
}

// The streaming engine writes what the engine that held whole texts wrote:
// every byte and every count, from UTF-8, UTF-16 and bytes that are neither.
void MediaPathsTest::documentMatchesWholeTextEngine()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QList<int> &codePages = CodePage::supported();
    for (int i = 0; i < 300; ++i) {
        const QString text = randomPlaylist(random);
        QByteArray bytes = text.toUtf8();
        switch (random.bounded(4)) {
        case 0: // a stray byte: not UTF-8
            bytes.insert(random.bounded(bytes.size() + 1), char(random.bounded(0x80, 0x100)));
            break;
        case 1:
            bytes = QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
            break;
        default:
            break;
        }
        const QString type = random.bounded(2) ? QStringLiteral("mp3") : QString();
        const CodePage codePage = *CodePage::fromNumber(codePages[random.bounded(codePages.size())]);

        oracle::AsxStats expectedStats;
        const QByteArray expected = oracle::asxDocument(
            oracle::extractMediaPaths(oracle::decodePlaylist(bytes, codePage).text, type), u"\\CF\\", codePage,
            &expectedStats);
        QByteArray written;
        QBuffer device(&written);
        device.open(QIODevice::WriteOnly);
        AsxStats stats;
        // Read in pieces of a few bytes, so that characters and pairs fall across them.
        const std::optional<PlaylistText> read = readPlaylistText(bytes, codePage, {}, random.bounded(1, 9));
        QCOMPARE(writeAsxDocument(device, read->utf8(), type, u"\\CF\\", codePage, &stats), WriteOutcome::Written);
        if (written != expected)
            qWarning() << "bytes" << bytes.toHex() << "type" << type << "code page" << codePage.number();
        QCOMPARE(written, expected);
        QCOMPARE(stats.lostCharacters, expectedStats.lostCharacters);
        QCOMPARE(stats.entriesWithLostCharacters, expectedStats.entriesWithLostCharacters);
        QCOMPARE(stats.cutAcrossMarkup, expectedStats.cutAcrossMarkup);
        QCOMPARE(stats.entries, expectedStats.entries);
    }
}

QTEST_GUILESS_MAIN(MediaPathsTest)
#include "tst_media_paths.moc"
