#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>


class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void statuses_data();
    void statuses();
    void defaultsToPlaylistFolder();
    void failureDoesNotStopOthers();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void CommandLineTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    writeFile(dir_->filePath(QStringLiteral("A.wpl")), "<media src=\"..\\My Music\\a\\One.mp3\"/>");
    writeFile(dir_->filePath(QStringLiteral("J.wpl")), "<media src=\"..\\\xE3\x81\x82.mp3\"/><x>.mp3");
    QDir(dir_->path()).mkdir(QStringLiteral("out"));
}

void CommandLineTest::statuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("Default here: ") << QString();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("velandry-convert 1.") << QString();
    QTest::newRow("type missing") << QStringList{QStringLiteral("A.wpl")} << 2 << QString() << QStringLiteral("media type");
    QTest::newRow("no playlist") << QStringList{QStringLiteral("-t"), QStringLiteral("mp3")} << 2 << QString()
                                 << QStringLiteral("no playlist");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour")} << 2 << QString() << QStringLiteral("colour");
    QTest::newRow("placeholder refused")
        << QStringList{QStringLiteral("--type"), QStringLiteral("Please select"), QStringLiteral("A.wpl")} << 2 << QString()
        << QStringLiteral("Please select a media type\ni.e. WMA, MP3\n");
    QTest::newRow("converted")
        << QStringList{QStringLiteral("-t"), QStringLiteral("MP3"), QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("A.wpl")}
        << 0 << native(QStringLiteral("A.wpl -> out/A.asx (1 entries)\n")) << QString();
    QTest::newRow("quiet") << QStringList{QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("MP3"), QStringLiteral("A.wpl")}
                           << 0 << QString() << QString();
    QTest::newRow("warnings on stderr")
        << QStringList{QStringLiteral("-c1252"), QStringLiteral("-qt"), QStringLiteral("mp3"), QStringLiteral("J.wpl")} << 0
        << QString() << QStringLiteral("warning: J.wpl: 2 of 2 entries hold characters outside code page 1252");
    QTest::newRow("code page 932 holds the kana")
        << QStringList{QStringLiteral("--code-page"), QStringLiteral("windows-932"), QStringLiteral("-qt"), QStringLiteral("mp3"),
                       QStringLiteral("J.wpl")}
        << 0 << QString()
        << QStringLiteral("velandry-convert: warning: J.wpl: 1 of 2 entries were cut across the playlist's markup and "
                          "name no real file\n");
    QTest::newRow("unknown code page")
        << QStringList{QStringLiteral("-c"), QStringLiteral("65001"), QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("A.wpl")}
        << 2 << QString() << QStringLiteral("unknown code page 65001; the ANSI code pages are 874, 932, 936, 949, 950, 1250,");
    QTest::newRow("output folder missing")
        << QStringList{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"), QStringLiteral("nowhere"), QStringLiteral("A.wpl")}
        << 2 << QString() << native(QStringLiteral("the output folder nowhere/ does not exist"));
    QTest::newRow("missing playlist")
        << QStringList{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("Gone.wpl")} << 1 << QString()
        << QStringLiteral("velandry-convert: Gone.wpl: ");
}

void CommandLineTest::statuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QDir::setCurrent(dir_->path());
    const ConverterRun run = runConverter(arguments);
    QTEST(run.status, "status");
    if (out.isEmpty())
        QCOMPARE(run.out, QString());
    else
        QVERIFY2(run.out.contains(out), qPrintable(run.out));
    if (err.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.contains(err), qPrintable(run.err));
}

void CommandLineTest::defaultsToPlaylistFolder()
{
    const ConverterRun run = runConverter({QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-m"), QStringLiteral("\\SD\\"),
                             dir_->filePath(QStringLiteral("A.wpl"))});
    QCOMPARE(run.status, 0);
    QCOMPARE(readFile(dir_->filePath(QStringLiteral("A.asx"))),
             QByteArray("<ASX version = \"3.0\">\r\n"
                        "        <PARAM NAME = \"Custom Playlist Version\" VALUE = \"V1.0 WMP8 for CE\" />\r\n"
                        "    <ENTRY>\r\n        <ref href = \"\\SD\\a\\One.mp3\" />\r\n    </ENTRY>\r\n</ASX>\r\n"));
}

void CommandLineTest::failureDoesNotStopOthers()
{
    QDir::setCurrent(dir_->path());
    const ConverterRun run = runConverter({QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"), QStringLiteral("out/"),
                             QStringLiteral("Gone.wpl"), QStringLiteral("A.wpl")});
    QCOMPARE(run.status, 1);
    QVERIFY(run.err.contains(QStringLiteral("Gone.wpl")));
    QCOMPARE(run.out, native(QStringLiteral("A.wpl -> out/A.asx (1 entries)\n")));
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("out/A.asx"))));
    // Where both streams meet, as on a terminal, the failure comes first.
    const ConverterRun merged = runConverter({QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"),
                                              QStringLiteral("out/"), QStringLiteral("Gone.wpl"), QStringLiteral("A.wpl")},
                                             QProcess::MergedChannels);
    QVERIFY2(merged.out.indexOf(QStringLiteral("Gone.wpl")) < merged.out.indexOf(QStringLiteral("A.wpl ->")),
             qPrintable(merged.out));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
