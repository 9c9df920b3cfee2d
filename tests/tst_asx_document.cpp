#include "engine/code_page.h"
#include "engine/asx_document.h"
#include "tests/media_paths.h"
#include "engine/playlist_text.h"

#include <QTest>

using namespace velandry;

namespace {

// A device that accepts `capacity` bytes and refuses the rest, as a full disk would.
class FailingDevice final : public QIODevice
{
public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (written_ + length > capacity_)
            return -1;
        written_ += length;
        return length;
    }

private:
    qint64 capacity_;
    qint64 written_ = 0;
};

const CodePage kWestern = *CodePage::fromNumber(1252);

const QByteArray kHead = "<ASX version = \"3.0\">\r\n"
                         "        <PARAM NAME = \"Custom Playlist Version\" VALUE = \"V1.0 WMP8 for CE\" />\r\n";
const QByteArray kTail = "</ASX>\r\n";

QByteArray entry(const QByteArray &href)
{
    return "    <ENTRY>\r\n        <ref href = \"" + href + "\" />\r\n    </ENTRY>\r\n";
}

} // namespace

class AsxDocumentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void document_data();
    void document();
    void stats_data();
    void stats();
    void failingDeviceIsReported();
    void decode_data();
    void decode();
};

void AsxDocumentTest::document_data()
{
    QTest::addColumn<QString>("playlist");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QByteArray>("expected");

    const QString folder = QStringLiteral("\\CF-Card\\My Music\\");
    QTest::newRow("one reference, &apos; replaced")
        << QStringLiteral("<media src=\"..\\Rock\\It&apos;s Mine.mp3\"/>") << folder
        << kHead + entry("\\CF-Card\\My Music\\Rock\\It's Mine.mp3") + kTail;
    QTest::newRow("no reference: one entry naming the folder alone")
        << QStringLiteral("<smil/>") << folder << kHead + entry("\\CF-Card\\My Music\\") + kTail;
    QTest::newRow("two &apos; in a row; &amp; and &quot; untouched")
        << QStringLiteral("..\\a&apos;&apos;b&amp;c&quot;.mp3") << folder
        << kHead + entry("\\CF-Card\\My Music\\a''b&amp;c&quot;.mp3") + kTail;
    QTest::newRow("&apos; split by the scan")
        << QStringLiteral("..\\a&apos;apos;.mp3") << folder
        << kHead + entry("\\CF-Card\\My Music\\a'apos;.mp3") + kTail;
    QTest::newRow("folder without backslash runs into the path")
        << QStringLiteral("..\\x.mp3") << QStringLiteral("\\Card") << kHead + entry("\\Cardx.mp3") + kTail;
    QTest::newRow("empty folder") << QStringLiteral("..\\x.mp3") << QString() << kHead + entry("x.mp3") + kTail;
    QTest::newRow("markup cut by the scan is escaped")
        << QStringLiteral("<a src=\"..\\x.wma\"/><b src=\"y.mp3\"/>") << QString()
        << kHead + entry("x.wma&quot;/&gt;&lt;b src=&quot;y.mp3") + kTail;
    QTest::newRow("Windows-1252 kept, others become ?")
        << QStringLiteral("..\\Caf\u00E9 \u20AC \u3042\u3044 \U0001F3B5.mp3") << QString()
        << kHead + entry("Caf\xE9 \x80 ?? ?.mp3") + kTail;
    QTest::newRow("control characters become ?")
        << QStringLiteral("..\\a\tb") + QChar(0) + QStringLiteral("c\x01\r\n.mp3") << QString()
        << kHead + entry(QByteArray("a\tb?c?\r\n.mp3")) + kTail;
    QTest::newRow("several entries in order")
        << QStringLiteral("..\\1.mp3 ..\\2.MP3 ..\\3.mp3") << QStringLiteral("F\\")
        << kHead + entry("F\\1.mp3") + entry("F\\2.MP3") + entry("F\\3.mp3") + kTail;
}

void AsxDocumentTest::document()
{
    QFETCH(QString, playlist);
    QFETCH(QString, folder);
    QFETCH(QByteArray, expected);
    QCOMPARE(asxDocument(extractMediaPaths(playlist, u"mp3"), folder, kWestern), expected);
}

void AsxDocumentTest::stats_data()
{
    QTest::addColumn<QString>("playlist");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("lost");
    QTest::addColumn<int>("entriesWithLost");
    QTest::addColumn<int>("cut");

    QTest::newRow("clean") << QStringLiteral("..\\a.mp3 ..\\b.mp3") << QString() << 2 << 0 << 0 << 0;
    QTest::newRow("Japanese names")
        << QStringLiteral("..\\\u3042.mp3 ..\\b.mp3 ..\\\u3044\u3046.mp3") << QString() << 3 << 3 << 2 << 0;
    QTest::newRow("one pair is one character") << QStringLiteral("..\\\U0001F3B5.mp3") << QString() << 1 << 1 << 1 << 0;
    QTest::newRow("folder the code page cannot hold counts on every entry")
        << QStringLiteral("..\\a.mp3 ..\\b.mp3") << QStringLiteral("\u0416\\") << 2 << 2 << 2 << 0;
    QTest::newRow("cut across markup")
        << QStringLiteral("<m src=\"..\\a.wma\"/><m src=\"..\\b.mp3\"/> <c>.mp3") << QString() << 2 << 0 << 0 << 1;
    QTest::newRow("entities are not markup") << QStringLiteral("..\\a&apos;&amp;.mp3") << QString() << 1 << 0 << 0 << 0;
}

void AsxDocumentTest::stats()
{
    QFETCH(QString, playlist);
    QFETCH(QString, folder);
    AsxStats stats;
    asxDocument(extractMediaPaths(playlist, u"mp3"), folder, kWestern, &stats);
    QTEST(int(stats.entries), "entries");
    QTEST(int(stats.lostCharacters), "lost");
    QTEST(int(stats.entriesWithLostCharacters), "entriesWithLost");
    QTEST(int(stats.cutAcrossMarkup), "cut");
}

void AsxDocumentTest::failingDeviceIsReported()
{
    QString playlist;
    for (int i = 0; i < 20000; ++i)
        playlist += QStringLiteral("<media src=\"..\\Artist\\Album\\Track %1.mp3\"/>\r\n").arg(i);
    const QByteArray text = playlist.toUtf8();
    const QByteArray whole = asxDocument(extractMediaPaths(playlist, u"mp3"), u"\\CF\\", kWestern);
    for (const qint64 capacity : {qint64(0), qint64(100), whole.size() - 1}) {
        FailingDevice device(capacity);
        QVERIFY2(writeAsxDocument(device, text, u"mp3", u"\\CF\\", kWestern) == WriteOutcome::DeviceFailed,
                 QByteArray::number(capacity));
    }
    FailingDevice roomy(whole.size());
    QCOMPARE(writeAsxDocument(roomy, text, u"mp3", u"\\CF\\", kWestern), WriteOutcome::Written);
}

void AsxDocumentTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("encoding");

    QTest::newRow("plain UTF-8") << QByteArray("a\xC3\xA9") << QStringLiteral("a\u00E9") << int(PlaylistEncoding::Utf8);
    QTest::newRow("UTF-8 mark dropped")
        << QByteArray("\xEF\xBB\xBF<x>") << QStringLiteral("<x>") << int(PlaylistEncoding::Utf8);
    QTest::newRow("empty") << QByteArray() << QString() << int(PlaylistEncoding::Utf8);
    QTest::newRow("NUL bytes kept")
        << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
        << int(PlaylistEncoding::Utf8);
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE" "a\0\xE9\0", 6) << QStringLiteral("a\u00E9")
                               << int(PlaylistEncoding::Utf16);
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0a\x30\x42", 6) << QStringLiteral("a\u3042")
                               << int(PlaylistEncoding::Utf16);
    QTest::newRow("invalid UTF-8 read as ANSI")
        << QByteArray("Caf\xE9 \x80 \x81") << QStringLiteral("Caf\u00E9 \u20AC \u0081") << int(PlaylistEncoding::Ansi);
    QTest::newRow("sequence cut off at the end")
        << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3") << int(PlaylistEncoding::Ansi);
}

void AsxDocumentTest::decode()
{
    QFETCH(QByteArray, bytes);
    const std::optional<PlaylistText> decoded = readPlaylistText(bytes, kWestern);
    QVERIFY(decoded);
    QTEST(decoded->toString(), "text");
    QTEST(int(decoded->encoding()), "encoding");
}

QTEST_GUILESS_MAIN(AsxDocumentTest)
#include "tst_asx_document.moc"
