// The card kept in step by velandry-convert --sync and --tidy: what is made
// again and what never is, what is removed and what always stays, a second
// run that writes nothing, and a replacement stopped half way, on a plain
// folder and on real file systems where the machine has them.
#include "tests/mounted_card.h"
#include "tests/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/stat.h>
#endif

namespace {

const QDateTime kRecorded = QDateTime::fromString(QStringLiteral("2020-01-02T03:04:06Z"), Qt::ISODate);

void writeDated(const QString &path, const QByteArray &bytes, const QDateTime &time = kRecorded)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.flush()); // else the time is that of the write at close
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// What tells a file from one written again in its place.
QString stampOf(const QString &path)
{
    const QFileInfo info(path);
    QString stamp = QString::number(info.size()) + u'@' + QString::number(info.lastModified().toMSecsSinceEpoch());
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        stamp += u'#' + QString::number(status.st_ino);
#endif
    return stamp;
}

QStringList filesBelow(const QString &folder)
{
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        found.append(QDir(folder).relativeFilePath(files.next()));
    found.sort();
    return found;
}

} // namespace

class CardSyncTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void madeAgainWhereTheSourceChanged_data();
    void madeAgainWhereTheSourceChanged();
    void secondRunWritesNothing_data();
    void secondRunWritesNothing();
    void tidyRemovesWhatNoPlaylistNames();
    void tidyNeedsPlaylistsOnTheCard();
    void toldMissingOnlyWhatIsMissing();
    void cardsToldApart();
    void stoppedReplacementKeepsTheOldFile();

private:
    // velandry-convert onto the card, the playlists written there.
    ConverterRun convert(const QStringList &options) const
    {
        QStringList arguments{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"), QStringLiteral("1252"),
                              QStringLiteral("-r"), music_, QStringLiteral("--card"), card_, QStringLiteral("-o"),
                              card_ + QStringLiteral("/Playlists")};
        arguments += options;
        arguments.append(lists_ + QStringLiteral("/Road.m3u"));
        return runConverter(arguments);
    }
    void useCard(const QString &card)
    {
        card_ = card;
        QDir().mkpath(card_ + QStringLiteral("/My Music"));
        QDir().mkpath(card_ + QStringLiteral("/Playlists"));
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString music_;
    QString lists_;
    QString card_;
};

void CardSyncTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    music_ = dir_->filePath(QStringLiteral("Music"));
    lists_ = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists_);
    writeDated(music_ + QStringLiteral("/Rock/One.mp3"), QByteArray(1000, '1'));
    writeDated(music_ + QStringLiteral("/Rock/Two.mp3"), QByteArray(2000, '2'));
    writeFile(lists_ + QStringLiteral("/Road.m3u"),
              (music_ + QStringLiteral("/Rock/One.mp3\n") + music_ + QStringLiteral("/Rock/Two.mp3\n")).toUtf8());
    useCard(dir_->filePath(QStringLiteral("CARD")));
}

void CardSyncTest::madeAgainWhereTheSourceChanged_data()
{
    QTest::addColumn<QByteArray>("source"); // One.mp3's new bytes, empty for unchanged
    QTest::addColumn<int>("sourceLater");    // seconds after the first copy's time
    QTest::addColumn<int>("cardLater");      // the card's file dated so many seconds later, 0 for not
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("madeAgain");

    QTest::newRow("retagged: larger and newer") << QByteArray(1200, 'r') << 3600 << 0 << QStringLiteral("--sync") << true;
    QTest::newRow("newer, of the same size") << QByteArray(1000, 'n') << 3600 << 0 << QStringLiteral("--sync") << true;
    QTest::newRow("another size, not newer") << QByteArray(900, 's') << 0 << 0 << QStringLiteral("--sync") << true;
    QTest::newRow("within FAT's two seconds, of the same size")
        << QByteArray(1000, 'f') << 1 << 0 << QStringLiteral("--sync") << false;
    QTest::newRow("the card's file newer than its source: kept")
        << QByteArray(1200, 'r') << 3600 << 7200 << QStringLiteral("--sync") << false;
    QTest::newRow("without --sync: never replaced")
        << QByteArray(1200, 'r') << 3600 << 0 << QStringLiteral("--copy-music") << false;
}

void CardSyncTest::madeAgainWhereTheSourceChanged()
{
    QFETCH(QByteArray, source);
    QFETCH(int, sourceLater);
    QFETCH(int, cardLater);
    QFETCH(QString, option);
    QFETCH(bool, madeAgain);
    const ConverterRun first = convert({QStringLiteral("--copy-music")});
    QCOMPARE(first.status, 0);
    const QString onCard = card_ + QStringLiteral("/My Music/Rock/One.mp3");
    const QByteArray before = readFile(onCard);
    QCOMPARE(before, QByteArray(1000, '1'));
    writeDated(music_ + QStringLiteral("/Rock/One.mp3"), source, kRecorded.addSecs(sourceLater));
    if (cardLater > 0) {
        QFile card(onCard);
        QVERIFY(card.open(QIODevice::ReadWrite) && card.setFileTime(kRecorded.addSecs(cardLater), QFileDevice::FileModificationTime));
    }
    const ConverterRun second = convert({option});
    QVERIFY2(second.status == 0, qPrintable(second.err));
    QCOMPARE(readFile(onCard), madeAgain ? source : before);
    QCOMPARE(readFile(card_ + QStringLiteral("/My Music/Rock/Two.mp3")), QByteArray(2000, '2'));
    QVERIFY2(!second.err.contains(QStringLiteral("not on the card")), qPrintable(second.err)); // both are there
    if (madeAgain) {
        QVERIFY2(second.out.contains(QStringLiteral("Made 1 file whose source changed again")), qPrintable(second.out));
        QVERIFY(qAbs(QFileInfo(onCard).lastModified().secsTo(kRecorded.addSecs(sourceLater))) <= 2);
    }
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
}

void CardSyncTest::secondRunWritesNothing_data()
{
    QTest::addColumn<bool>("fat");
    QTest::newRow("a folder") << false;
    QTest::newRow("FAT, through fusefat") << true;
}

void CardSyncTest::secondRunWritesNothing()
{
    QFETCH(bool, fat);
    std::unique_ptr<Mounted> mounted;
    if (fat) {
        QString why;
        mounted = Mounted::fat(dir_->filePath(QStringLiteral("card.img")), dir_->filePath(QStringLiteral("fat")), 4096,
                               false, why);
        if (!mounted)
            QSKIP(qPrintable(why));
        useCard(dir_->filePath(QStringLiteral("fat")));
    }
    const ConverterRun first = convert({QStringLiteral("--sync"), QStringLiteral("--tidy")});
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QVERIFY2(first.out.contains(QStringLiteral("Copied 2 files")), qPrintable(first.out));
    QStringList stamps;
    const QStringList files = filesBelow(card_);
    for (const QString &file : files)
        stamps.append(file + u' ' + stampOf(card_ + u'/' + file));
    // Nothing changed on either side: nothing to do, nothing written, not
    // even the playlist.
    QThread::msleep(fat ? 2100 : 20);
    const ConverterRun second = convert({QStringLiteral("--sync"), QStringLiteral("--tidy")});
    QVERIFY2(second.status == 0, qPrintable(second.err));
    QVERIFY2(second.out.contains(QStringLiteral("The card is up to date.")), qPrintable(second.out));
    QStringList after;
    for (const QString &file : filesBelow(card_))
        after.append(file + u' ' + stampOf(card_ + u'/' + file));
    QCOMPARE(after, stamps);
}

void CardSyncTest::tidyRemovesWhatNoPlaylistNames()
{
    // Music no playlist names, and what stays whatever names it.
    writeDated(card_ + QStringLiteral("/My Music/Old/Gone.mp3"), "gone");
    writeDated(card_ + QStringLiteral("/My Music/Keep/Other.WMA"), "named by another program's playlist");
    writeDated(card_ + QStringLiteral("/My Music/Pictures/cover.jpg"), "a picture");
    writeDated(card_ + QStringLiteral("/My Music/Pictures/Notes.mp3"), "music beside the picture");
    writeDated(card_ + QStringLiteral("/Outside/z.mp3"), "outside the media folder");
    QDir().mkpath(card_ + QStringLiteral("/My Music/Empty"));
    writeDated(card_ + QStringLiteral("/Theirs/Their.ASX"),
              "<asx version=\"3.0\"><entry><ref href=\"\\Storage Card\\My Music\\keep\\other.wma\"/></entry></asx>\r\n");

    // A dry run tells the removals and removes nothing.
    const ConverterRun dry = convert({QStringLiteral("--tidy"), QStringLiteral("--dry-run")});
    QCOMPARE(dry.status, 0);
    QVERIFY2(dry.out.contains(native(card_ + QStringLiteral("/My Music/Old/Gone.mp3")) + QStringLiteral(" (4 bytes) would be removed")),
             qPrintable(dry.out));
    QVERIFY(QFileInfo::exists(card_ + QStringLiteral("/My Music/Old/Gone.mp3")));

    const ConverterRun tidied = convert({QStringLiteral("--tidy")});
    QVERIFY2(tidied.status == 0, qPrintable(tidied.err));
    QVERIFY2(tidied.out.contains(QStringLiteral("Removed 2 files")), qPrintable(tidied.out));
    QCOMPARE(filesBelow(card_), (QStringList{QStringLiteral("My Music"), QStringLiteral("My Music/Empty"),
                                             QStringLiteral("My Music/Keep"), QStringLiteral("My Music/Keep/Other.WMA"),
                                             QStringLiteral("My Music/Pictures"), QStringLiteral("My Music/Pictures/cover.jpg"),
                                             QStringLiteral("My Music/Rock"), QStringLiteral("My Music/Rock/One.mp3"),
                                             QStringLiteral("My Music/Rock/Two.mp3"), QStringLiteral("Outside"),
                                             QStringLiteral("Outside/z.mp3"), QStringLiteral("Playlists"),
                                             QStringLiteral("Playlists/Road.asx"), QStringLiteral("Theirs"),
                                             QStringLiteral("Theirs/Their.ASX")}));
}

void CardSyncTest::tidyNeedsPlaylistsOnTheCard()
{
    // The playlists go elsewhere: nothing on the card names anything.
    writeDated(card_ + QStringLiteral("/My Music/Old/Gone.mp3"), "gone");
    const ConverterRun run = runConverter({QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"),
                                           QStringLiteral("1252"), QStringLiteral("-r"), music_, QStringLiteral("--card"),
                                           card_, QStringLiteral("--tidy"), lists_ + QStringLiteral("/Road.m3u")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.contains(QStringLiteral("holds no .asx playlist, so nothing was removed")), qPrintable(run.err));
    QVERIFY(QFileInfo::exists(card_ + QStringLiteral("/My Music/Old/Gone.mp3")));
}

void CardSyncTest::toldMissingOnlyWhatIsMissing()
{
    // Kept in step, the entries the card has are looked at too; what is told
    // missing is only what still is.
    writeFile(lists_ + QStringLiteral("/Road.m3u"), (music_ + QStringLiteral("/Rock/One.mp3\n") + music_
                                                     + QStringLiteral("/Rock/Two.mp3\n") + music_
                                                     + QStringLiteral("/Rock/Gone.mp3\n"))
                                                        .toUtf8());
    QCOMPARE(convert({QStringLiteral("--copy-music")}).status, 0);
    const ConverterRun run = convert({QStringLiteral("--sync")});
    const QStringList told = run.err.split(u'\n').filter(QStringLiteral("not on the card ("));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].contains(QStringLiteral("1 of 3 entries is not on the card"))
                 && told[0].endsWith(QStringLiteral("): My Music\\Rock\\Gone.mp3")),
             qPrintable(told[0]));
}

void CardSyncTest::cardsToldApart()
{
    // Two cards in one run, each playlist written beside itself: the first
    // up to date, the second given a file. What is told still missing is
    // held against each card's own plan.
    QString why;
    const QString a = dir_->filePath(QStringLiteral("A"));
    const QString b = dir_->filePath(QStringLiteral("B"));
    const auto first = Mounted::tmpfs(a, 1 << 20, why);
    if (!first)
        QSKIP(qPrintable(why));
    const auto second = Mounted::tmpfs(b, 1 << 20, why);
    if (!second)
        QSKIP(qPrintable(why));
    for (const QString &card : {a, b})
        QDir().mkpath(card + QStringLiteral("/My Music"));
    writeDated(music_ + QStringLiteral("/Rock/Three.mp3"), QByteArray(3000, '3'));
    writeFile(a + QStringLiteral("/Road.m3u"), (music_ + QStringLiteral("/Rock/One.mp3\n")).toUtf8());
    writeFile(b + QStringLiteral("/Trip.m3u"), (music_ + QStringLiteral("/Rock/Two.mp3\n")).toUtf8());
    const QStringList run{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-r"), music_,
                          QStringLiteral("--sync"), a + QStringLiteral("/Road.m3u"), b + QStringLiteral("/Trip.m3u")};
    QCOMPARE(runConverter(run).status, 0);
    writeFile(b + QStringLiteral("/Trip.m3u"),
              (music_ + QStringLiteral("/Rock/Two.mp3\n") + music_ + QStringLiteral("/Rock/Three.mp3\n")).toUtf8());
    const ConverterRun again = runConverter(run);
    QVERIFY2(again.status == 0, qPrintable(again.err));
    QCOMPARE(readFile(b + QStringLiteral("/My Music/Rock/Three.mp3")), QByteArray(3000, '3'));
    QVERIFY2(!again.err.contains(QStringLiteral("not on the card")), qPrintable(again.err));
}

void CardSyncTest::stoppedReplacementKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    // SIGTERM while a changed file is being made again: the old one stays
    // whole under its name, and no temporary file is left.
    const QString source = music_ + QStringLiteral("/Rock/One.mp3");
    {
        QFile big(source);
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(300) << 20));
    }
    QCOMPARE(convert({QStringLiteral("--copy-music")}).status, 0);
    const QString onCard = card_ + QStringLiteral("/My Music/Rock/One.mp3");
    const QString before = stampOf(onCard);
    {
        QFile big(source);
        QVERIFY(big.open(QIODevice::ReadWrite) && big.resize(qint64(400) << 20));
        QVERIFY(big.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
    }
    QProcess process;
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE),
                  {QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"), QStringLiteral("1252"),
                   QStringLiteral("-r"), music_, QStringLiteral("--card"), card_, QStringLiteral("--sync"),
                   QStringLiteral("-o"), card_ + QStringLiteral("/Playlists"), lists_ + QStringLiteral("/Road.m3u")});
    QVERIFY(process.waitForStarted(-1));
    const QString folder = card_ + QStringLiteral("/My Music/Rock");
    while (process.state() == QProcess::Running && temporaryFilesIn(folder).isEmpty())
        QThread::msleep(5);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitCode(), 143);
    QCOMPARE(stampOf(onCard), before);
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
#else
    QSKIP("Signals are POSIX's; the console's Ctrl+C takes the same way on Windows");
#endif
}

QTEST_GUILESS_MAIN(CardSyncTest)
#include "tst_card_sync.moc"
