#include "engine/conversion_run.h"
#include "wording/conversion_wording.h"
#include "tests/test_files.h"
#include "tests/file_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace velandry;

namespace {

const CodePage kWestern = *CodePage::fromNumber(1252);

QByteArray playlist(const QStringList &sources)
{
    QByteArray text = "<?wpl version=\"1.0\"?>\r\n<smil>\r\n    <body>\r\n        <seq>\r\n";
    for (const QString &source : sources)
        text += "            <media src=\"" + source.toUtf8() + "\"/>\r\n";
    return text + "        </seq>\r\n    </body>\r\n</smil>\r\n";
}

} // namespace

class ConversionRunTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void placeholderTouchesNothing();
    void runs_data();
    void runs();
    void stopsAtFirstFailure_data();
    void stopsAtFirstFailure();
    void failedWriteKeepsEarlierFile();
    void cancelStopsBeforeNextPlaylist();
    void cancelWhileWritingKeepsEarlierFile();
    void askedWhileLeavingEntriesOut_data();
    void askedWhileLeavingEntriesOut();
    void outputNeverReplacesInput();
    void changedWhileRead_data();
    void changedWhileRead();
    void warningsNameThePlaylist();
    void samplePlaylists_data();
    void samplePlaylists();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString lists_;
    QString out_;
};

void ConversionRunTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    QDir(dir_->path()).mkpath(QStringLiteral("lists"));
    QDir(dir_->path()).mkpath(QStringLiteral("out"));
    lists_ = dir_->filePath(QStringLiteral("lists")) + u'/';
    out_ = dir_->filePath(QStringLiteral("out")) + u'/';
    writeFile(lists_ + QStringLiteral("Pop.wpl"), playlist({QStringLiteral("..\\My Music\\Pop\\A.mp3")}));
    writeFile(lists_ + QStringLiteral("Rock.wpl"), playlist({QStringLiteral("..\\Rock\\B.mp3")}));
    writeFile(lists_ + QStringLiteral(".wpl"), playlist({QStringLiteral("..\\C.mp3")}));
    writeFile(lists_ + QStringLiteral("Pop.m3u"), "#EXTM3U\r\n..\\My Music\\Pop\\M.mp3\r\n");
    writeFile(lists_ + QStringLiteral("Road Trip.m3u8"), "..\\My Music\\Road\\R.mp3\n");
    writeFile(lists_ + QStringLiteral("road.xspf"),
              "<playlist xmlns=\"http://xspf.org/ns/0/\"><trackList><track><location>../My%20Music/x.mp3</location>"
              "</track></trackList></playlist>");
    writeFile(lists_ + QStringLiteral("notes.txt"), "..\\My Music\\N.mp3");
}

void ConversionRunTest::placeholderTouchesNothing()
{
    for (const QStringList &queue : {QStringList{}, QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Missing.wpl")}}) {
        const ConversionReport report =
            runConversion({QStringLiteral("Please select"), lists_, queue, QStringLiteral("\\CF\\"), out_});
        QCOMPARE(report.status, ConversionReport::Status::Refused);
        QVERIFY(report.converted.isEmpty());
        QVERIFY(QDir(out_).isEmpty());
    }
    // Only the exact text is the placeholder.
    const ConversionReport other =
        runConversion({QStringLiteral("please select"), lists_, {}, QStringLiteral("\\CF\\"), out_});
    QCOMPARE(other.status, ConversionReport::Status::Completed);
}

void ConversionRunTest::runs_data()
{
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<QStringList>("outputs");

    QTest::newRow("empty queue") << QStringList{} << QStringList{};
    QTest::newRow("queue order kept")
        << QStringList{QStringLiteral("Rock.wpl"), QStringLiteral("Pop.wpl")}
        << QStringList{QStringLiteral("Rock.asx"), QStringLiteral("Pop.asx")};
    QTest::newRow("duplicates converted twice")
        << QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Pop.wpl")}
        << QStringList{QStringLiteral("Pop.asx"), QStringLiteral("Pop.asx")};
    QTest::newRow(".wpl alone") << QStringList{QStringLiteral(".wpl")} << QStringList{QStringLiteral(".asx")};
    QTest::newRow("named less their extension")
        << QStringList{QStringLiteral("Road Trip.m3u8"), QStringLiteral("road.xspf")}
        << QStringList{QStringLiteral("Road Trip.asx"), QStringLiteral("road.asx")};
}

void ConversionRunTest::runs()
{
    QFETCH(QStringList, queue);
    QFETCH(QStringList, outputs);
    const ConversionReport report =
        runConversion({QStringLiteral("MP3"), lists_, queue, QStringLiteral("\\CF-Card\\My Music\\"), out_});
    QCOMPARE(report.status, ConversionReport::Status::Completed);
    QCOMPARE(report.converted.size(), outputs.size());
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        QCOMPARE(report.converted[i].outputPath, out_ + outputs[i]);
        QCOMPARE(report.converted[i].stats.entries, 1);
        QVERIFY(readFile(out_ + outputs[i]).contains("<ref href = \"\\CF-Card\\My Music\\"));
    }
    QCOMPARE(QDir(out_).entryList(QDir::Files | QDir::Hidden).size(), QSet<QString>(outputs.begin(), outputs.end()).size());
    if (queue.contains(QStringLiteral("Pop.wpl")))
        QVERIFY(readFile(out_ + QStringLiteral("Pop.asx")).contains("\"\\CF-Card\\My Music\\Pop\\A.mp3\" />"));
}

void ConversionRunTest::stopsAtFirstFailure_data()
{
    QTest::addColumn<QString>("playlistFolder");
    QTest::addColumn<QString>("outputFolder");
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<QString>("failedPath");

    QTest::newRow("missing input among good ones")
        << QString() << QString() << QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Gone.wpl"), QStringLiteral("Rock.wpl")}
        << QStringList{QStringLiteral("Pop.asx")} << QStringLiteral("lists/Gone.wpl");
    QTest::newRow("missing output folder")
        << QString() << QStringLiteral("nowhere/") << QStringList{QStringLiteral("Pop.wpl")} << QStringList{}
        << QStringLiteral("nowhere/Pop.asx");
    QTest::newRow("folder without trailing separator")
        << QStringLiteral("lists") << QString() << QStringList{QStringLiteral("Pop.wpl")} << QStringList{}
        << QStringLiteral("listsPop.wpl");
    QTest::newRow("output name taken by a folder")
        << QString() << QString() << QStringList{QStringLiteral("Rock.wpl"), QStringLiteral("Taken.wpl")}
        << QStringList{QStringLiteral("Rock.asx")} << QStringLiteral("out/Taken.asx");
    QTest::newRow("a second playlist of the same output")
        << QString() << QString() << QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Pop.m3u")}
        << QStringList{QStringLiteral("Pop.asx")} << QStringLiteral("lists/Pop.m3u");
    QTest::newRow("not a playlist read here")
        << QString() << QString() << QStringList{QStringLiteral("Rock.wpl"), QStringLiteral("notes.txt")}
        << QStringList{QStringLiteral("Rock.asx")} << QStringLiteral("lists/notes.txt");
}

void ConversionRunTest::stopsAtFirstFailure()
{
    QFETCH(QString, playlistFolder);
    QFETCH(QString, outputFolder);
    QFETCH(QStringList, queue);
    QFETCH(QStringList, written);
    QFETCH(QString, failedPath);
    writeFile(lists_ + QStringLiteral("Taken.wpl"), playlist({QStringLiteral("..\\T.mp3")}));
    QDir(out_).mkdir(QStringLiteral("Taken.asx"));
    const QString root = dir_->path() + u'/';
    const ConversionReport report = runConversion(
        {QStringLiteral("mp3"), playlistFolder.isEmpty() ? lists_ : root + playlistFolder, queue,
         QStringLiteral("\\CF\\"), outputFolder.isEmpty() ? out_ : root + outputFolder});
    QCOMPARE(report.status, ConversionReport::Status::Failed);
    QCOMPARE(report.failures.size(), 1);
    QCOMPARE(report.failures.constLast().path, root + failedPath);
    QVERIFY(!failureReason(report.failures.constLast()).isEmpty());
    QCOMPARE(QDir(out_).entryList(QDir::Files | QDir::Hidden), written);
    if (report.failures.constLast().kind == ConversionFailure::Kind::OutputOfAnother) {
        QCOMPARE(report.failures.constLast().otherPath, lists_ + QStringLiteral("Pop.wpl"));
        QVERIFY(readFile(out_ + QStringLiteral("Pop.asx")).contains("\\Pop\\A.mp3"));
    }
}

void ConversionRunTest::failedWriteKeepsEarlierFile()
{
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    QString sources;
    QStringList many;
    for (int i = 0; i < 5000; ++i)
        many.append(QStringLiteral("..\\Artist\\Album\\Track %1.mp3").arg(i));
    writeFile(lists_ + QStringLiteral("Big.wpl"), playlist(many));
    const QByteArray earlier = "an earlier Big.asx\r\n";
    writeFile(out_ + QStringLiteral("Big.asx"), earlier);

    ConversionReport report;
    {
        const FileSizeLimit limit(64 * 1024);
        report = runConversion({QStringLiteral("mp3"), lists_, {QStringLiteral("Big.wpl")}, QStringLiteral("\\CF\\"), out_});
    }
    QCOMPARE(report.status, ConversionReport::Status::Failed);
    QCOMPARE(report.failures.constLast().path, out_ + QStringLiteral("Big.asx"));
    QCOMPARE(readFile(out_ + QStringLiteral("Big.asx")), earlier);
    QCOMPARE(QDir(out_).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Big.asx")});
}

void ConversionRunTest::cancelStopsBeforeNextPlaylist()
{
    QStringList asked;
    const ConversionReport report = runConversion(
        {QStringLiteral("mp3"), lists_, {QStringLiteral("Pop.wpl"), QStringLiteral("Rock.wpl")}, QString(), out_},
        [&](const RunProgress &progress) {
            if (progress.playlist.bytesToRead == 0)
                asked.append(progress.playlistName);
            return progress.index == 0;
        });
    QCOMPARE(report.status, ConversionReport::Status::Cancelled);
    QCOMPARE(asked, (QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Rock.wpl")}));
    QCOMPARE(QDir(out_).entryList(QDir::Files), QStringList{QStringLiteral("Pop.asx")});
}

void ConversionRunTest::cancelWhileWritingKeepsEarlierFile()
{
    // One early "My Music\" and many later references: a large output file.
    QStringList many{QStringLiteral("..\\My Music\\a.mp3")};
    for (int i = 0; i < 3000; ++i)
        many.append(QStringLiteral("C:\\Music\\Artist %1\\Track.mp3").arg(i));
    writeFile(lists_ + QStringLiteral("Big.wpl"), playlist(many));
    const QByteArray earlier = "an earlier Big.asx\r\n";
    writeFile(out_ + QStringLiteral("Big.asx"), earlier);

    QList<qint64> written;
    const ConversionReport report = runConversion(
        {QStringLiteral("mp3"), lists_, {QStringLiteral("Big.wpl")}, QString(), out_, kWestern},
        [&](const RunProgress &progress) {
            if (progress.playlist.bytesWritten > 0)
                written.append(progress.playlist.bytesWritten);
            return written.size() < 3;
        });
    QCOMPARE(report.status, ConversionReport::Status::Cancelled);
    QCOMPARE(written.size(), 3);
    QVERIFY(written[0] < written[1] && written[1] < written[2]);
    QCOMPARE(readFile(out_ + QStringLiteral("Big.asx")), earlier);
    QCOMPARE(QDir(out_).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Big.asx")});
}

void ConversionRunTest::askedWhileLeavingEntriesOut_data()
{
    // Many short entries, none of the type kept: few bytes between them, and a
    // reader that indexes first (PLS) reads no bytes while it hands them out.
    constexpr int kEntries = 300000;
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QByteArray m3u, pls = "[playlist]\n", xspf = "<playlist><trackList>", asx = "<asx version=\"3.0\">";
    for (int i = 1; i <= kEntries; ++i) {
        m3u += "a.wma\n";
        pls += "File" + QByteArray::number(i) + "=a.wma\n";
        xspf += "<track><location>a.wma</location></track>";
        asx += "<entry><ref href=\"a.wma\"/></entry>";
    }
    QTest::newRow("M3U8") << QStringLiteral("Many.m3u8") << m3u;
    QTest::newRow("PLS") << QStringLiteral("Many.pls") << pls + "NumberOfEntries=300000\n";
    QTest::newRow("XSPF") << QStringLiteral("Many.xspf") << xspf + "</trackList></playlist>";
    QTest::newRow("ASX") << QStringLiteral("Many.asx") << asx + "</asx>";
}

void ConversionRunTest::askedWhileLeavingEntriesOut()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    writeFile(lists_ + name, text);
    int asked = 0;
    const ConversionReport report = runConversion(
        {QStringLiteral("mp3"), lists_, {name}, QString(), out_, kWestern}, [&](const RunProgress &progress) {
            asked += progress.playlist.bytesExpected > 0 ? 1 : 0;
            return true;
        });
    QCOMPARE(report.status, ConversionReport::Status::Completed);
    // A stop is asked about at least every 32,768 entries left out.
    QVERIFY2(asked >= 300000 / 32768, qPrintable(QString::number(asked)));
}

void ConversionRunTest::outputNeverReplacesInput()
{
    const QByteArray original = playlist({QStringLiteral("..\\x.mp3")});
    writeFile(lists_ + QStringLiteral("Self.asx"), original);
    const PlaylistOutcome outcome = convertPlaylist(lists_ + QStringLiteral("Self.asx"), lists_ + QStringLiteral("Self.asx"),
                                                    {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = kWestern});
    QVERIFY(outcome.failure);
    QCOMPARE(readFile(lists_ + QStringLiteral("Self.asx")), original);
}

void ConversionRunTest::changedWhileRead_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("moment");
    for (const char *change : {"shortened", "grown", "rewritten"}) {
        for (const char *moment : {"checking", "finding", "writing"})
            QTest::addRow("%s while %s", change, moment) << QString::fromLatin1(change) << QString::fromLatin1(moment);
    }
}

void ConversionRunTest::changedWhileRead()
{
    QFETCH(QString, change);
    QFETCH(QString, moment);
    // Large enough for progress to be asked several times in every phase.
    QStringList many;
    for (int i = 0; i < 200000; ++i)
        many.append(QStringLiteral("..\\My Music\\Artist %1\\Track.mp3").arg(i));
    const QString input = lists_ + QStringLiteral("Big.wpl");
    writeFile(input, playlist(many));
    ageFile(input);
    const QByteArray earlier = "an earlier Big.asx\r\n";
    writeFile(out_ + QStringLiteral("Big.asx"), earlier);

    bool changed = false;
    const PlaylistOutcome outcome = convertPlaylist(
        input, out_ + QStringLiteral("Big.asx"), {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = kWestern}, [&](const ConversionProgress &state) {
            const bool read = state.bytesExpected > 0;
            const bool now = moment == QStringLiteral("checking") ? state.bytesRead > 0 && state.bytesRead < state.bytesToRead / 2
                             : moment == QStringLiteral("finding") ? !read && state.bytesRead > state.bytesToRead / 2
                                                                   : state.bytesWritten > 0;
            if (now && !changed)
                changed = changePlaylist(input, change);
            return true;
        });
    if (!changed) {
        QVERIFY2(!outcome.failure, "the playlist stayed as it was");
        return;
    }
    QVERIFY(outcome.failure);
    QCOMPARE(outcome.failure->kind, ConversionFailure::Kind::ChangedWhileRead);
    QCOMPARE(outcome.failure->path, input);
    QVERIFY(outcome.failure->whileReading);
    QCOMPARE(readFile(out_ + QStringLiteral("Big.asx")), earlier);
    QCOMPARE(QDir(out_).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Big.asx")});
}

void ConversionRunTest::warningsNameThePlaylist()
{
    const QString name = QStringLiteral("Mix %2 vol %3.wpl");
    writeFile(lists_ + name, playlist({QStringLiteral("..\\\u3042.mp3"), QStringLiteral("..\\b.mp3")}) + "<x>.mp3");
    const ConversionReport report =
        runConversion({QStringLiteral("mp3"), lists_, {QStringLiteral("Pop.wpl"), name}, QString(), out_, kWestern});
    QCOMPARE(report.status, ConversionReport::Status::Completed);
    QStringList warnings = conversionWarnings(report.converted);
    QCOMPARE(warnings.size(), 3);
    QVERIFY2(warnings.takeAt(1).startsWith(QStringLiteral("Mix %2 vol %3.asx: 2 of 3 entries can never play on the device: ?.mp3 and ")),
             qPrintable(warnings.join(u'\n')));
    QCOMPARE(warnings,
             (QStringList{QStringLiteral("Mix %2 vol %3.wpl: 1 of 3 entries holds characters outside code page 1252, "
                                         "written as \"?\""),
                          QStringLiteral("Mix %2 vol %3.wpl: 1 of 3 entries was cut across the playlist's markup "
                                         "and names no real file")}));
}

void ConversionRunTest::samplePlaylists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("codePage");
    QTest::newRow("Halo, WMA") << QStringLiteral("Halo.wpl") << QStringLiteral("WMA") << QStringLiteral("Halo.WMA.asx") << 1252;
    QTest::newRow("Singles, MP3") << QStringLiteral("Singles.wpl") << QStringLiteral("MP3") << QStringLiteral("Singles.MP3.asx")
                                  << 1252;
    QTest::newRow("absolute paths, MP3") << QStringLiteral("Eurowizja (absolute paths).wpl") << QStringLiteral("mp3")
                                         << QStringLiteral("Eurowizja (absolute paths).mp3.asx") << 1252;
    QTest::newRow("Japanese names in 932") << QStringLiteral("Tokyo Nights.wpl") << QStringLiteral("wma")
                                           << QStringLiteral("Tokyo Nights.WMA.932.asx") << 932;
}

void ConversionRunTest::samplePlaylists()
{
    QFETCH(QString, name);
    QFETCH(QString, type);
    QFETCH(QString, expected);
    const QString data = QStringLiteral(VELANDRY_TEST_DATA "/");
    QFETCH(int, codePage);
    const ConversionReport report = runConversion(
        {type, data, {name}, QStringLiteral("\\CF-Card\\My Music\\"), out_, *CodePage::fromNumber(codePage)});
    QCOMPARE(report.status, ConversionReport::Status::Completed);
    QCOMPARE(readFile(report.converted[0].outputPath), readFile(data + expected));
}

QTEST_GUILESS_MAIN(ConversionRunTest)
#include "tst_conversion_run.moc"
