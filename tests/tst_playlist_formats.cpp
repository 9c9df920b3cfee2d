#include "engine/conversion_run.h"
#include "wording/conversion_wording.h"
#include "engine/formats/entry_cut.h"
#include "tests/test_files.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace velandry;

namespace {

const CodePage kWestern = *CodePage::fromNumber(1252);
// A music folder no test file lies in, so that rule stays out of the way
// wherever the tests run.
const QString kNoMusicFolder = QStringLiteral("/nowhere/Music");

// The paths of a document's entries, read back in its code page.
QStringList hrefsOf(const QByteArray &document)
{
    QStringList hrefs;
    static const QRegularExpression href(QStringLiteral("<ref href = \"(.*)\" />"));
    for (auto match = href.globalMatch(kWestern.decode(document)); match.hasNext();)
        hrefs.append(match.next().captured(1));
    return hrefs;
}

} // namespace

class PlaylistFormatsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void realPlaylists_data();
    void realPlaylists();
    void cutRules_data();
    void cutRules();
    void readAsPlayersMeanIt_data();
    void readAsPlayersMeanIt();
    void unreadable_data();
    void unreadable();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void PlaylistFormatsTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
}

void PlaylistFormatsTest::realPlaylists_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("musicRoot");
    QTest::addColumn<QStringList>("hrefs");
    QTest::addColumn<QList<qsizetype>>("counts"); // read, web addresses, outside the music folder

    QTest::newRow("Winamp, ANSI, absolute")
        << QStringLiteral("Winamp.m3u") << QStringLiteral("mp3") << QString()
        << QStringList{QStringLiteral("\\CF\\Caf\u00E9 Tacvba\\Re\\03 Ingrata.mp3"),
                       QStringLiteral("\\CF\\Bj\u00F6rk\\Homogenic\\02 J\u00F3ga.MP3")}
        << QList<qsizetype>{3, 1, 0};
    QTest::newRow("foobar2000, UTF-8 with a mark, relative")
        << QStringLiteral("foobar2000.m3u8") << QStringLiteral("MP3") << QString()
        << QStringList{QStringLiteral("\\CF\\Bj\u00F6rk\\Homogenic\\02 J\u00F3ga.mp3"),
                       QStringLiteral("\\CF\\Shared\\Sigur R\u00F3s\\\u00C1g\u00E6tis byrjun\\01 Intro.mp3")}
        << QList<qsizetype>{3, 0, 0};
    QTest::newRow("VLC, file URLs, a music root")
        << QStringLiteral("VLC.m3u") << QStringLiteral("mp3") << QStringLiteral("/home/ana/Music")
        << QStringList{QStringLiteral("\\CF\\Caf\u00E9 Tacvba\\Re\\03 Ingrata.mp3")} << QList<qsizetype>{3, 1, 1};
    QTest::newRow("iTunes, CR line ends, a Windows music root")
        << QStringLiteral("iTunes.m3u") << QStringLiteral("mp3") << QStringLiteral("D:\\Music\\iTunes\\iTunes Media\\Music")
        << QStringList{QStringLiteral("\\CF\\Artist\\Album\\01 Song.mp3"), QStringLiteral("\\CF\\Artist\\Album\\02 Other.mp3")}
        << QList<qsizetype>{2, 0, 0};
    QTest::newRow("PLS, numbers with gaps")
        << QStringLiteral("Gaps.pls") << QStringLiteral("mp3") << QString()
        << QStringList{QStringLiteral("\\CF\\a\\one.mp3"), QStringLiteral("\\CF\\b\\two.mp3"), QStringLiteral("\\CF\\c\\ten.mp3")}
        << QList<qsizetype>{4, 1, 0};
    QTest::newRow("XSPF, xml:base and percent-encoding")
        << QStringLiteral("Based.xspf") << QStringLiteral("mp3") << QString()
        << QStringList{QStringLiteral("\\CF\\Caf\u00E9 Tacvba\\Re\\03 Ingrata.mp3"),
                       QStringLiteral("\\CF\\Bj\u00F6rk\\Homogenic\\02 J\u00F3ga.mp3"),
                       QStringLiteral("\\CF\\Rock &amp; Roll\\It's.mp3")}
        << QList<qsizetype>{4, 1, 0};
    QTest::newRow("XSPF in a declared code page")
        << QStringLiteral("Declared.xspf") << QStringLiteral("mp3") << QString()
        << QStringList{QStringLiteral("\\CF\\Caf\u00E9.mp3")} << QList<qsizetype>{1, 0, 0};
    QTest::newRow("ASX, loose, the REF of the type")
        << QStringLiteral("Loose.asx") << QStringLiteral("mp3") << QString()
        << QStringList{QStringLiteral("\\CF\\Rock &amp; Roll\\a.mp3"), QStringLiteral("\\CF\\c.mp3")}
        << QList<qsizetype>{3, 1, 0};
    QTest::newRow("ASX, another type: the first REF")
        << QStringLiteral("Loose.asx") << QStringLiteral("wma") << QString()
        << QStringList{QStringLiteral("\\CF\\c.WMA")} << QList<qsizetype>{3, 2, 0};
}

void PlaylistFormatsTest::realPlaylists()
{
    QFETCH(QString, file);
    QFETCH(QString, type);
    QFETCH(QString, musicRoot);
    QFETCH(QStringList, hrefs);
    QFETCH(QList<qsizetype>, counts);
    const QString output = dir_->filePath(QStringLiteral("out.asx"));
    const PlaylistOutcome outcome =
        convertPlaylist(QStringLiteral(VELANDRY_TEST_DATA "/formats/") + file, output,
                        {.mediaType = type, .mediaFolder = QStringLiteral("\\CF\\"), .codePage = kWestern, .musicRoot = musicRoot,
                         .musicFolder = kNoMusicFolder});
    QVERIFY2(!outcome.failure, outcome.failure ? qPrintable(outcome.failure->systemError) : "");
    QCOMPARE(hrefsOf(readFile(output)), hrefs);
    const EntryCounts &entries = outcome.result.entries;
    QCOMPARE((QList<qsizetype>{entries.read, entries.webAddresses, entries.outsideMusicFolder}), counts);
    // Every entry read is written or left out for a reason that is told.
    QCOMPARE(entries.read - entries.leftOut(), hrefs.size());
    QCOMPARE(outcome.result.stats.lostCharacters, 0);
}

void PlaylistFormatsTest::cutRules_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("playlistFolder");
    QTest::addColumn<QString>("musicRoot");
    QTest::addColumn<QString>("musicFolder");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("cut"); // the path kept, or why not

    const QString lists = QStringLiteral("/data/lists");
    QTest::newRow("under the root") << "D:/Music/A/x.mp3" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "A\\x.mp3";
    QTest::newRow("root in another case") << "d:\\MUSIC\\A\\x.mp3" << lists << "D:\\Music\\" << kNoMusicFolder << "mp3" << "A\\x.mp3";
    QTest::newRow("root, non-ASCII case") << "d:\\M\u00DASICA\\x.MP3" << lists << "D:\\M\u00FAsica" << kNoMusicFolder << "mp3" << "x.MP3";
    QTest::newRow("root is a whole folder") << "D:\\Musicals\\x.mp3" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "outside";
    QTest::newRow("root before My Music") << "D:\\Music\\My Music\\x.mp3" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "My Music\\x.mp3";
    QTest::newRow("the last My Music") << "C:\\My Music\\A\\My Music\\B\\x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "B\\x.mp3";
    QTest::newRow("my music is no marker") << "C:\\x\\my music\\B\\x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "outside";
    QTest::newRow("the music folder") << "/home/ana/Music/Live/x.mp3" << lists << "" << "/home/ana/Music" << "mp3" << "Live\\x.mp3";
    QTest::newRow("relative, in the music folder")
        << "Live/J\u00F3ga.mp3" << "/home/ana/Music/Playlists" << "" << "/home/ana/Music" << "mp3" << "Playlists\\Live\\J\u00F3ga.mp3";
    QTest::newRow("relative, the playlist's folder") << "Live/./x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "Live\\x.mp3";
    QTest::newRow("folded") << "D:\\Music\\..\\Other\\x.mp3" << lists << "D:\\" << kNoMusicFolder << "mp3" << "Other\\x.mp3";
    QTest::newRow("as written, after ..\\") << "..\\..\\Artist\\x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "Artist\\x.mp3";
    QTest::newRow("UNC") << "\\\\server\\share\\My Music\\x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "x.mp3";
    QTest::newRow("file URL of a share") << "file://server/share/Music/x.mp3" << lists << "\\\\server\\share\\Music" << kNoMusicFolder << "mp3" << "x.mp3";
    QTest::newRow("file URL, localhost") << "file://localhost/D:/Music/a%20b.mp3" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "a b.mp3";
    QTest::newRow("web address") << "https://example.com/My Music/x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "web";
    QTest::newRow("stream") << "mms://example.com/x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "web";
    QTest::newRow("a drive is no scheme") << "C:/My Music/x.mp3" << lists << "" << kNoMusicFolder << "mp3" << "x.mp3";
    QTest::newRow("another type") << "D:\\Music\\x.wma" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "type";
    QTest::newRow("type in another case") << "D:\\Music\\x.Mp3" << lists << "D:\\Music" << kNoMusicFolder << "MP3" << "x.Mp3";
    QTest::newRow("no type keeps all") << "D:\\Music\\cover.jpg" << lists << "D:\\Music" << kNoMusicFolder << "" << "cover.jpg";
    QTest::newRow("markup characters stay plain")
        << "D:\\Music\\Rock & Roll\\<It's>.mp3" << lists << "D:\\Music" << kNoMusicFolder << "mp3" << "Rock & Roll\\<It's>.mp3";
}

void PlaylistFormatsTest::cutRules()
{
    QFETCH(QString, entry);
    QFETCH(QString, playlistFolder);
    QFETCH(QString, musicRoot);
    QFETCH(QString, musicFolder);
    QFETCH(QString, type);
    EntryCutter cutter({.mediaType = type, .playlistFolder = playlistFolder, .musicRoot = musicRoot, .musicFolder = musicFolder});
    const QByteArray utf8 = entry.toUtf8();
    QByteArrayView below;
    QString cut;
    switch (cutter.cut(utf8, below)) {
    case EntryCutter::Outcome::Kept:
        // Either separator stands between folders; the document writes "\".
        cut = QString::fromUtf8(below).replace(u'/', u'\\');
        break;
    case EntryCutter::Outcome::OtherType:
        cut = QStringLiteral("type");
        break;
    case EntryCutter::Outcome::OtherAudio:
        cut = QStringLiteral("audio");
        break;
    case EntryCutter::Outcome::WebAddress:
        cut = QStringLiteral("web");
        break;
    case EntryCutter::Outcome::OutsideMusicFolder:
        cut = QStringLiteral("outside");
        break;
    }
    QTEST(cut, "cut");
}

void PlaylistFormatsTest::readAsPlayersMeanIt_data()
{
    QTest::addColumn<QString>("file"); // below the test's folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QString>("musicRoot");
    QTest::addColumn<QStringList>("hrefs"); // or the failure's words

    const QByteArray xspf = "<?xml version=\"1.0\"?>\n<playlist><trackList>";
    QTest::newRow("a mark before text in the code page")
        << "Mark.m3u" << QByteArray("\xEF\xBB\xBF" "D:\\Music\\Caf\xE9\\a.mp3\r\n") << 1252 << "D:\\Music"
        << QStringList{QStringLiteral("\\CF\\Caf\u00E9\\a.mp3")};
    QTest::newRow("a relative xml:base, against the document's place")
        << "Music/Playlists/road.xspf"
        << QByteArray("<playlist xml:base=\"../\"><trackList xml:base=\"Rock/\"><track><location>a%20b.mp3</location>"
                      "</track></trackList></playlist>")
        << 1252 << "" << QStringList{QStringLiteral("\\CF\\Rock\\a b.mp3")};
    QTest::newRow("ISO-8859-15 declared")
        << "Latin9.xspf"
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><playlist><trackList><track><location>"
                      "D:\\Music\\\xA4 \xBD.mp3</location></track></trackList></playlist>")
        << 1252 << "D:\\Music" << QStringList{QStringLiteral("\\CF\\\u20AC \u0153.mp3")};
    QTest::newRow("KOI8-R declared")
        << "Koi8.asx"
        << QByteArray("<?xml version=\"1.0\" encoding=\"KOI8-R\"?><asx><entry><ref href=\"D:\\Music\\\xF0\xC5\xD3\xCE\xD1.mp3\"/>"
                      "</entry></asx>")
        << 1251 << "D:\\Music" << QStringList{QStringLiteral("\\CF\\\u041F\u0435\u0441\u043D\u044F.mp3")};
    QTest::newRow("EUC-JP declared")
        << "Euc.xspf"
        << QByteArray("<?xml version='1.0' encoding='EUC-JP'?><playlist><trackList><track><location>"
                      "D:\\Music\\\xA4\xA2\xA5\xBD.mp3</location></track></trackList></playlist>")
        << 932 << "D:\\Music" << QStringList{QStringLiteral("\\CF\\\u3042\u30BD.mp3")};
    QTest::newRow("an encoding nobody knows")
        << "Odd.xspf" << QByteArray("<?xml version=\"1.0\" encoding=\"x-no-such-thing\"?><playlist/>") << 1252 << ""
        << QStringList{QStringLiteral("Its XML declaration names the encoding \"x-no-such-thing\", which cannot be read here")};
    QTest::newRow("a network path under xml:base")
        << "Unc.xspf"
        << xspf.sliced(0, xspf.size() - 11)
               + "<trackList xml:base=\"file:///D:/Other/\"><track><location>\\\\server\\share\\Music\\x.mp3</location>"
                 "</track></trackList></playlist>"
        << 1252 << "\\\\server\\share\\Music" << QStringList{QStringLiteral("\\CF\\x.mp3")};
    QTest::newRow("a network path as a file URL of five slashes")
        << "Unc.m3u" << QByteArray("file://///server/share/Music/A/x.mp3\n") << 1252 << "\\\\server\\share\\Music"
        << QStringList{QStringLiteral("\\CF\\A\\x.mp3")};
}

void PlaylistFormatsTest::readAsPlayersMeanIt()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, codePage);
    QFETCH(QString, musicRoot);
    QFETCH(QStringList, hrefs);
    const QString path = dir_->filePath(file);
    QDir().mkpath(QFileInfo(path).path());
    writeFile(path, content);
    const QString output = dir_->filePath(QStringLiteral("out.asx"));
    const CodePage page = *CodePage::fromNumber(codePage);
    const PlaylistOutcome outcome =
        convertPlaylist(path, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = page,
                         .musicRoot = musicRoot, .musicFolder = dir_->filePath(QStringLiteral("Music"))});
    if (outcome.failure) {
        QCOMPARE(QStringList{failureReason(*outcome.failure)}, hrefs);
        return;
    }
    QStringList read;
    static const QRegularExpression href(QStringLiteral("<ref href = \"(.*)\" />"));
    for (auto match = href.globalMatch(page.decode(readFile(output))); match.hasNext();)
        read.append(match.next().captured(1));
    QCOMPARE(read, hrefs);
    QCOMPARE(outcome.result.stats.lostCharacters, 0);
}

void PlaylistFormatsTest::unreadable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("line"); // where the reading failed; 0: read (whatever came of it)

    QTest::newRow("XSPF cut short") << "Short.xspf" << QByteArray("<?xml version=\"1.0\"?>\n<playlist><trackList>\n<track><location>a.mp3") << 3;
    QTest::newRow("XSPF empty") << "Empty.xspf" << QByteArray() << 1;
    QTest::newRow("ASX tag never closed") << "Open.asx" << QByteArray("<asx>\n<entry><ref href=\"a.mp3\"\n") << 2;
    QTest::newRow("ASX from an old Mac, CR alone") << "Mac.asx" << QByteArray("<asx>\r<entry>\r<ref href=\"a.mp3\"\r") << 3;
    QTest::newRow("no ASX element") << "Text.wax" << QByteArray("just text") << 1;
    // Arbitrary bytes: a message or a document, never a crash.
    for (const char *name : {"Junk.wpl", "Junk.m3u", "Junk.m3u8", "Junk.pls", "Junk.xspf", "Junk.asx"}) {
        QByteArray junk(4096, Qt::Uninitialized);
        QRandomGenerator generator(7);
        for (char &byte : junk)
            byte = "<>&\"'=\r\n/\\.:%#[]aF1\xC3\xA9\xFF"[generator.bounded(23)];
        QTest::newRow(name) << QString::fromLatin1(name) << junk << 0;
    }
}

void PlaylistFormatsTest::unreadable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, line);
    writeFile(dir_->filePath(name), content);
    writeFile(dir_->filePath(QStringLiteral("out.asx")), "earlier");
    const PlaylistOutcome outcome = convertPlaylist(dir_->filePath(name), dir_->filePath(QStringLiteral("out.asx")),
                                                    {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = kWestern});
    if (line == 0) {
        QVERIFY(!outcome.failure || outcome.failure->kind == ConversionFailure::Kind::Unreadable);
        return;
    }
    QVERIFY(outcome.failure);
    QCOMPARE(outcome.failure->kind, ConversionFailure::Kind::Unreadable);
    QVERIFY(outcome.failure->readFault);
    QCOMPARE(outcome.failure->readFault->line, line);
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("out.asx"))), QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(PlaylistFormatsTest)
#include "tst_playlist_formats.moc"
