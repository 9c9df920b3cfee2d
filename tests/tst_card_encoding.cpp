// velandry-convert --transcode onto a card, on a plain folder and on a real
// FAT image through fusefat (or, under Wine, the card that
// VELANDRY_TEST_CARD names: a drive letter): what the device plays copied
// byte for byte, the rest encoded and heard again, a broken source failing
// by name while the others go on, a second run encoding nothing, one made
// again where its source or the bit rate changed, and SIGTERM in the middle
// of an encoding leaving no temporary file anywhere.
#include "tests/audio/test_audio.h"
#include "tests/mounted_card.h"
#include "tests/test_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

testaudio::ToneFile tone(const char *encoder, const char *muxer, int rate = 44100, int bits = 16, double seconds = 4)
{
    return {{QString::fromLatin1(encoder)}, QString::fromLatin1(muxer), rate, bits, {440, 660}, seconds,
            {{QStringLiteral("title"), QStringLiteral("Jóga")}, {QStringLiteral("artist"), QStringLiteral("Björk")}}};
}

} // namespace

class CardEncodingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void everyEntryPlays_data();
    void everyEntryPlays();
    void madeAgainWhereTheSourceOrTheBitRateChanged();
    void stoppedEncodingLeavesNothing();

private:
    ConverterRun transcode(const QStringList &options = {}) const
    {
        QStringList arguments{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"), QStringLiteral("1252"),
                              QStringLiteral("--transcode"), QStringLiteral("-r"), music_, QStringLiteral("--card"),
                              cardName_, QStringLiteral("-o"), cardName_};
        arguments += options;
        arguments.append(lists_ + QStringLiteral("/Road.m3u"));
        return runConverter(arguments);
    }
    void useCard(const QString &card, const QString &name)
    {
        card_ = card;
        cardName_ = name;
        QDir(card_).removeRecursively();
        QDir().mkpath(card_ + QStringLiteral("/My Music"));
    }
    QString onCard(const QString &name) const { return card_ + QStringLiteral("/My Music/Rock/") + name; }

    std::unique_ptr<QTemporaryDir> dir_;
    QString music_;
    QString lists_;
    QString card_;     // as this test reaches it
    QString cardName_; // as the converter is told it
};

void CardEncodingTest::initTestCase()
{
    // Music made once: FLAC to encode, an MP3 and a 16-bit WAV that play as
    // they are, a 24-bit 96 kHz WAV that does not, and a FLAC cut short.
    dir_ = std::make_unique<QTemporaryDir>();
    music_ = dir_->filePath(QStringLiteral("Music"));
    QDir().mkpath(music_ + QStringLiteral("/Rock"));
    const QList<std::pair<const char *, testaudio::ToneFile>> files{
        {"One.flac", tone("flac", "flac")},
        {"Two.mp3", tone("", "mp3")},
        {"Three.wav", tone("pcm_s16le", "wav")},
        {"Four.wav", tone("pcm_s24le", "wav", 96000, 24)},
        {"Broken.flac", tone("flac", "flac")},
    };
    for (const auto &[name, file] : files) {
        testaudio::ToneFile made = file;
        if (made.encoders == QStringList{QString()})
            made.encoders.clear();
        const testaudio::Made result = testaudio::makeToneFile(music_ + QStringLiteral("/Rock/") + QLatin1StringView(name), made);
        QVERIFY2(result.missing.isEmpty(), qPrintable(result.missing));
    }
    QFile broken(music_ + QStringLiteral("/Rock/Broken.flac"));
    QVERIFY(broken.resize(broken.size() / 3));
    lists_ = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists_);
    QByteArray list;
    for (const char *name : {"One.flac", "Two.mp3", "Three.wav", "Four.wav", "Broken.flac"})
        list += (music_ + QStringLiteral("/Rock/") + QLatin1StringView(name)).toUtf8() + '\n';
    writeFile(lists_ + QStringLiteral("/Road.m3u"), list);
}

void CardEncodingTest::init()
{
    useCard(dir_->filePath(QStringLiteral("CARD")), dir_->filePath(QStringLiteral("CARD")));
}

void CardEncodingTest::everyEntryPlays_data()
{
    QTest::addColumn<QString>("card");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("FAT, through fusefat") << QStringLiteral("fat");
    if (qEnvironmentVariableIsSet("VELANDRY_TEST_CARD"))
        QTest::newRow("the card Windows names by its drive letter") << QStringLiteral("drive");
}

void CardEncodingTest::everyEntryPlays()
{
    QFETCH(QString, card);
    std::unique_ptr<Mounted> mounted;
    if (card == u"fat") {
        QString why;
        mounted = Mounted::fat(dir_->filePath(QStringLiteral("card.img")), dir_->filePath(QStringLiteral("fat")), 8192,
                               false, why);
        if (!mounted)
            QSKIP(qPrintable(why));
        useCard(dir_->filePath(QStringLiteral("fat")), dir_->filePath(QStringLiteral("fat")));
    } else if (card == u"drive") {
        // VELANDRY_TEST_CARD is "E:\=/tmp/folder": the letter the converter is
        // told, the folder this test looks in.
        const QStringList named = qEnvironmentVariable("VELANDRY_TEST_CARD").split(u'=');
        useCard(QStringLiteral("Z:") + named.value(1), named.value(0));
    }

    const ConverterRun first = transcode();
    // The broken source fails by name with the decoder's words, the others go on.
    QCOMPARE(first.status, 1);
    QVERIFY2(first.err.contains(QStringLiteral("My Music\\Rock\\Broken.mp3 (")), qPrintable(first.err));
    QVERIFY2(first.out.contains(QStringLiteral("Encoded 2 files from FLAC and WAV to MP3 at 128 kbit/s")), qPrintable(first.out));
    QVERIFY2(first.out.contains(QStringLiteral("Copied 2 files")), qPrintable(first.out));

    // The playlist names what the card has: the encodings under their new names.
    const QByteArray asx = readFile(card_ + QStringLiteral("/Road.asx"));
    for (const char *name : {"One.mp3", "Two.mp3", "Three.wav", "Four.mp3", "Broken.mp3"})
        QVERIFY2(asx.contains(QByteArray("\\CF-Card\\My Music\\Rock\\") + name + "\""), asx.constData());
    // What plays as it is, byte for byte; what was encoded, heard again.
    QCOMPARE(readFile(onCard(QStringLiteral("Two.mp3"))), readFile(music_ + QStringLiteral("/Rock/Two.mp3")));
    QCOMPARE(readFile(onCard(QStringLiteral("Three.wav"))), readFile(music_ + QStringLiteral("/Rock/Three.wav")));
    for (const QString &name : {QStringLiteral("One.mp3"), QStringLiteral("Four.mp3")}) {
        const testaudio::Heard heard = testaudio::hear(onCard(name));
        QVERIFY2(heard.error.isEmpty() && heard.decodeErrors == 0, qPrintable(name + u' ' + heard.error));
        QCOMPARE(heard.codec, QStringLiteral("mp3"));
        QCOMPARE(heard.sampleRate, 44100);
        QVERIFY(qAbs(heard.seconds() - 4) < 0.1);
        QVERIFY2(testaudio::toneShare(heard, 0, 440) > 0.9, qPrintable(name));
        QCOMPARE(heard.tags.value(QStringLiteral("title")), QStringLiteral("Jóga"));
        // Dated as its source, so that a later run finds it.
        QVERIFY(qAbs(QFileInfo(onCard(name)).lastModified().secsTo(
                    QFileInfo(music_ + QStringLiteral("/Rock/") + name.first(name.size() - 4)
                              + (name == u"One.mp3" ? QStringLiteral(".flac") : QStringLiteral(".wav")))
                        .lastModified()))
            <= 2);
    }
    QVERIFY(!QFileInfo::exists(onCard(QStringLiteral("Broken.mp3"))));
    QCOMPARE(temporaryFilesIn(card_), QStringList{});

    // A second run finds it all there and encodes nothing.
    const ConverterRun second = transcode({QStringLiteral("--sync")});
    QVERIFY2(!second.out.contains(QStringLiteral("Encoded")) && !second.out.contains(QStringLiteral("Copied")),
             qPrintable(second.out));
}

void CardEncodingTest::madeAgainWhereTheSourceOrTheBitRateChanged()
{
    QCOMPARE(transcode().status, 1);
    const qint64 at128 = QFileInfo(onCard(QStringLiteral("One.mp3"))).size();
    // Nothing changed: nothing made again.
    ConverterRun run = transcode({QStringLiteral("--sync")});
    QVERIFY2(!run.out.contains(QStringLiteral("Made")), qPrintable(run.out));
    // Another bit rate: made again at it.
    run = transcode({QStringLiteral("--sync"), QStringLiteral("--bitrate"), QStringLiteral("64")});
    QVERIFY2(run.out.contains(QStringLiteral("Made 2 files whose sources changed again")), qPrintable(run.out));
    const qint64 at64 = QFileInfo(onCard(QStringLiteral("One.mp3"))).size();
    QVERIFY2(at64 < at128 * 2 / 3, qPrintable(QStringLiteral("%1 %2").arg(at64).arg(at128)));
    // Its source changed: made again, dated as the new source.
    QFile source(music_ + QStringLiteral("/Rock/One.flac"));
    QVERIFY(source.open(QIODevice::ReadWrite));
    const QDateTime later = QDateTime::currentDateTime().addSecs(60);
    QVERIFY(source.setFileTime(later, QFileDevice::FileModificationTime));
    source.close();
    run = transcode({QStringLiteral("--sync"), QStringLiteral("--bitrate"), QStringLiteral("64")});
    QVERIFY2(run.out.contains(QStringLiteral("Made 1 file whose source changed again")), qPrintable(run.out));
    QVERIFY(qAbs(QFileInfo(onCard(QStringLiteral("One.mp3"))).lastModified().secsTo(later)) <= 2);
}

void CardEncodingTest::stoppedEncodingLeavesNothing()
{
#ifdef Q_OS_UNIX
    // SIGTERM while a long FLAC is being encoded: no temporary file on the
    // card or on this computer, the status shells expect.
    const QString music = dir_->filePath(QStringLiteral("Long"));
    QDir().mkpath(music + QStringLiteral("/Rock"));
    testaudio::ToneFile long_ = tone("flac", "flac", 44100, 16, 600);
    QVERIFY(testaudio::makeToneFile(music + QStringLiteral("/Rock/Long.flac"), long_).missing.isEmpty());
    writeFile(lists_ + QStringLiteral("/Long.m3u"), (music + QStringLiteral("/Rock/Long.flac\n")).toUtf8());
    const QString temporary = dir_->filePath(QStringLiteral("tmp"));
    QDir().mkpath(temporary);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE),
                  {QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("--transcode"), QStringLiteral("-r"), music,
                   QStringLiteral("--card"), card_, QStringLiteral("-o"), card_, lists_ + QStringLiteral("/Long.m3u")});
    QVERIFY(process.waitForStarted(-1));
    while (process.state() == QProcess::Running && QDir(temporary).isEmpty())
        QThread::msleep(5);
    QThread::msleep(200); // well into the encoding
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitCode(), 143);
    QVERIFY(QDir(temporary).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
    QVERIFY(!QFileInfo::exists(onCard(QStringLiteral("Long.mp3"))));
#else
    QSKIP("Signals are POSIX's; the console's Ctrl+C takes the same way on Windows");
#endif
}

QTEST_GUILESS_MAIN(CardEncodingTest)
#include "tst_card_encoding.moc"
