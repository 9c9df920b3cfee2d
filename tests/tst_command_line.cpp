#include "tests/test_files.h"

#include "engine/conversion_run.h"
#include "wording/translations.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QLocale>
#include <QTest>

#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif


class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void statuses_data();
    void statuses();
    void defaultsToPlaylistFolder();
    void inTheUsersLanguage_data();
    void inTheUsersLanguage();
    void failureDoesNotStopOthers();
    void helpAgreesWithManualPage();
    void playlistChangedDuringRun_data();
    void playlistChangedDuringRun();
    void nameNotUtf8();
    void tooLargeForMemory();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

void CommandLineTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    writeFile(dir_->filePath(QStringLiteral("A.wpl")), "<media src=\"..\\My Music\\a\\One.mp3\"/>");
    writeFile(dir_->filePath(QStringLiteral("R.m3u")), "a/One.mp3\nb/Two.flac\nc/Three.flac\nd/Four.ogg\ne/Five.wma\n");
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
        << 0 << native(QStringLiteral("A.wpl -> out/A.asx (1 entry)\n")) << QString();
    QTest::newRow("quiet") << QStringList{QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("MP3"), QStringLiteral("A.wpl")}
                           << 0 << QString() << QString();
    QTest::newRow("warnings on stderr")
        << QStringList{QStringLiteral("-c1252"), QStringLiteral("-qt"), QStringLiteral("mp3"), QStringLiteral("J.wpl")} << 0
        << QString() << QStringLiteral("warning: J.wpl: 2 of 2 entries hold characters outside code page 1252");
    QTest::newRow("code page 932 holds the kana")
        << QStringList{QStringLiteral("--code-page"), QStringLiteral("windows-932"), QStringLiteral("-qt"), QStringLiteral("mp3"),
                       QStringLiteral("J.wpl")}
        << 0 << QString()
        << QStringLiteral("velandry-convert: warning: J.wpl: 1 of 2 entries was cut across the playlist's markup and "
                          "names no real file\n");
    QTest::newRow("unknown code page")
        << QStringList{QStringLiteral("-c"), QStringLiteral("65001"), QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("A.wpl")}
        << 2 << QString() << QStringLiteral("unknown code page 65001; the ANSI code pages are 874, 932, 936, 949, 950, 1250,");
    QTest::newRow("output folder missing")
        << QStringList{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"), QStringLiteral("nowhere"), QStringLiteral("A.wpl")}
        << 2 << QString() << native(QStringLiteral("the output folder nowhere/ does not exist"));
    QTest::newRow("card missing")
        << QStringList{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("--card"), QStringLiteral("nowhere"), QStringLiteral("A.wpl")}
        << 2 << QString() << QStringLiteral("the card nowhere does not exist");
    QTest::newRow("entries not on the card")
        << QStringList{QStringLiteral("-qt"), QStringLiteral("mp3"), QStringLiteral("-o"), QStringLiteral("out"), QStringLiteral("--card"),
                       QStringLiteral("out"), QStringLiteral("A.wpl")}
        << 0 << QString() << QStringLiteral("A.asx: 1 of 1 entries is not on the card (out): My Music\\a\\One.mp3");
    QTest::newRow("entries of another type counted")
        << QStringList{QStringLiteral("-qt"), QStringLiteral("mp3"), QStringLiteral("R.m3u")} << 0 << QString()
        << QStringLiteral("warning: R.m3u: 1 of 5 entries left out: 1 of another media type\n");
    QTest::newRow("music the device cannot play told")
        << QStringList{QStringLiteral("-qt"), QStringLiteral("mp3"), QStringLiteral("R.m3u")} << 0 << QString()
        << QStringLiteral("warning: R.m3u: 3 entries are FLAC and OGG files the device cannot play: add --transcode\n");
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

void CommandLineTest::inTheUsersLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("told"); // in Russian, on standard error

    velandry::installTranslations({QStringLiteral("ru")});
    QTest::newRow("a usage error") << QStringList{QStringLiteral("-t"), QStringLiteral("mp3")} << 2
                                   << QCoreApplication::translate("CommandLine", "no playlist given");
    QTest::newRow("a warning") << QStringList{QStringLiteral("-c"), QStringLiteral("1252"), QStringLiteral("-t"), QStringLiteral("mp3"),
                                              QStringLiteral("Odd.wpl")}
                               << 0
                               << QCoreApplication::translate("CommandLine", "warning: %1")
                                      .arg(QCoreApplication::translate("Wording", "%1: not UTF-8, read as code page %2")
                                               .arg(QStringLiteral("Odd.wpl"), QStringLiteral("1252")));
    QTest::newRow("a failure") << QStringList{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("Notes.txt")} << 1
                               << QCoreApplication::translate("Wording", "It is not a playlist of a kind read here (%1)")
                                      .arg(QLocale().createSeparatedList(
                                          {QStringLiteral("WPL"), QStringLiteral("ZPL"), QStringLiteral("M3U"),
                                           QStringLiteral("M3U8"), QStringLiteral("PLS"), QStringLiteral("XSPF"),
                                           QStringLiteral("ASX"), QStringLiteral("WAX"), QStringLiteral("WVX")}));
    velandry::installTranslations({QStringLiteral("en")});
}

void CommandLineTest::inTheUsersLanguage()
{
#ifdef Q_OS_WIN
    QSKIP("Windows takes the language from the user's settings, not from the environment (scripts/test-windows "
          "starts the converter under a Russian locale)");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, told);
    QVERIFY2(!told.isEmpty() && !told.startsWith(QStringLiteral("no ")) && !told.startsWith(QStringLiteral("warning")),
             qPrintable(told)); // the rows were made in Russian
    writeFile(dir_->filePath(QStringLiteral("Odd.wpl")), "..\\Caf\xE9.mp3");
    QDir::setCurrent(dir_->path());
    QProcessEnvironment russian = QProcessEnvironment::systemEnvironment();
    russian.insert(QStringLiteral("LANGUAGE"), QStringLiteral("ru"));
    russian.insert(QStringLiteral("LC_MESSAGES"), QStringLiteral("ru_RU.UTF-8"));
    const ConverterRun run = runConverter(arguments, QProcess::SeparateChannels, russian);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(told), qPrintable(run.err));
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
    QCOMPARE(run.out, native(QStringLiteral("A.wpl -> out/A.asx (1 entry)\n")));
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("out/A.asx"))));
    // Where both streams meet, as on a terminal, the failure comes first.
    const ConverterRun merged = runConverter({QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"),
                                              QStringLiteral("out/"), QStringLiteral("Gone.wpl"), QStringLiteral("A.wpl")},
                                             QProcess::MergedChannels);
    QVERIFY2(merged.out.indexOf(QStringLiteral("Gone.wpl")) < merged.out.indexOf(QStringLiteral("A.wpl ->")),
             qPrintable(merged.out));
}

void CommandLineTest::helpAgreesWithManualPage()
{
    const ConverterRun run = runConverter({QStringLiteral("--help")});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(QStringLiteral("Usage: velandry-convert [options] PLAYLIST...\n")), qPrintable(run.out));
    // "-t, --type" in both: every option the one names, the other names too.
    const QRegularExpression option(QStringLiteral("(?<![\\w-])-([a-z])\\W{1,8}--([a-z][a-z-]*)"));
    const auto optionsIn = [&](const QString &text) {
        QSet<QString> found;
        for (auto match = option.globalMatch(text); match.hasNext();) {
            const QRegularExpressionMatch one = match.next();
            found.insert(one.captured(1) + u' ' + one.captured(2));
        }
        return found;
    };
    const QString manual = QString::fromUtf8(readFile(QStringLiteral(VELANDRY_MAN_PAGE))).remove(u'\\');
    const QString options = manual.section(QStringLiteral(".SH OPTIONS"), 1).section(QStringLiteral(".SH "), 0, 0);
    const QSet<QString> inManual = optionsIn(options);
    QVERIFY(inManual.contains(QStringLiteral("t type")));
    QCOMPARE(optionsIn(run.out), inManual);
    // And those without a short form.
    const QRegularExpression longOption(QStringLiteral("(?<![\\w-])--([a-z][a-z-]*)"));
    const auto longOptionsIn = [&](const QString &text) {
        QSet<QString> found;
        for (auto match = longOption.globalMatch(text); match.hasNext();)
            found.insert(match.next().captured(1));
        return found;
    };
    QCOMPARE(longOptionsIn(run.out), longOptionsIn(options));
}

void CommandLineTest::playlistChangedDuringRun_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("shortened") << QStringLiteral("shortened");
    QTest::newRow("grown") << QStringLiteral("grown");
    QTest::newRow("rewritten in place") << QStringLiteral("rewritten");
}

void CommandLineTest::playlistChangedDuringRun()
{
    QFETCH(QString, change);
    QByteArray text = "<smil>\r\n";
    for (int i = 0; i < 400000; ++i)
        text += "<media src=\"..\\My Music\\Artist\\Track " + QByteArray::number(i) + ".mp3\"/>\r\n";
    const QString big = dir_->filePath(QStringLiteral("Big.wpl"));
    const QString output = dir_->filePath(QStringLiteral("out/Big.asx"));
    // What a whole run writes for the text as it was and as it is after the change.
    QList<QByteArray> whole;
    for (const bool changed : {false, true}) {
        writeFile(big, text);
        QVERIFY(!changed || changePlaylist(big, change) || change == QStringLiteral("shortened"));
        QVERIFY(!velandry::convertPlaylist(big, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF\\"), .codePage = *velandry::CodePage::fromNumber(1252)}).failure);
        whole.append(readFile(output));
    }
    QDir::setCurrent(dir_->path());
    // Changes at different moments: before the start, during the run, after it.
    for (const int delay : {0, 15, 40, 80, 160, 320}) {
        writeFile(big, text);
        ageFile(big);
        writeFile(output, "earlier");
        bool changed = false;
        std::thread changer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delay));
            changed = changePlaylist(big, change);
        });
        const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-c"), QStringLiteral("1252"),
                                               QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-m"),
                                               QStringLiteral("\\CF\\"), QStringLiteral("-o"), QStringLiteral("out"),
                                               QStringLiteral("Big.wpl")});
        changer.join();
        const QByteArray written = readFile(output);
        if (run.status == 1) {
            QVERIFY2(changed && run.err.contains(QStringLiteral("changed the playlist while it was read")), qPrintable(run.err));
            QCOMPARE(written, QByteArray("earlier"));
        } else {
            QVERIFY2(run.status == 0, qPrintable(QStringLiteral("status %1: %2").arg(run.status).arg(run.err)));
            QVERIFY2(written == whole[0] || written == whole[1], "a document of one text, whole");
        }
        QCOMPARE(QDir(dir_->filePath(QStringLiteral("out"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Big.asx")});
    }
}

void CommandLineTest::nameNotUtf8()
{
#ifdef Q_OS_UNIX
    // "Café.wpl" in Latin-1, as old copies from Windows often are named.
    QDir::setCurrent(dir_->path());
    const int fd = ::open("Caf\xE9.wpl", O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    const QByteArray text = "<media src=\"..\\My Music\\Caf\xC3\xA9\\One.mp3\"/>";
    QCOMPARE(::write(fd, text.constData(), size_t(text.size())), ssize_t(text.size()));
    ::close(fd);
    // The name's bytes reach the converter as they lie in the folder.
    QProcess shell;
    QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    shell.setProcessEnvironment(english);
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" -c 1252 -t mp3 Caf\"$(printf '\\351')\".wpl"),
                                           QStringLiteral(VELANDRY_CONVERT_EXE)});
    QVERIFY(shell.waitForFinished(-1));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), QStringLiteral("Caf\uFFFD.wpl -> ./Caf\uFFFD.asx (1 entry)\n"));
    QVERIFY(::access("Caf\xE9.asx", R_OK) == 0);
    QVERIFY(!QFile::exists(QStringLiteral("Caf\uFFFD.asx")));
    // Qt cannot name these files to remove them with their folder.
    ::unlink("Caf\xE9.wpl");
    ::unlink("Caf\xE9.asx");
#else
    QSKIP("Windows names are UTF-16: every name is a string");
#endif
}

void CommandLineTest::tooLargeForMemory()
{
#if defined(Q_OS_UNIX) && !defined(VELANDRY_SANITIZED)
    // A playlist that is not UTF-8 (its first byte) and larger than the memory
    // the converter may take: refused with a message, not ended by the system.
    const QString huge = dir_->filePath(QStringLiteral("Huge.wpl"));
    writeFile(huge, "\xFF");
    QVERIFY(QFile::resize(huge, qint64(2) << 30)); // sparse: it takes no room
    QProcess process;
    QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    process.setProcessEnvironment(english);
    process.setChildProcessModifier([] {
        const rlimit limit{rlim_t(3) << 30, rlim_t(3) << 30};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE), {QStringLiteral("-t"), QStringLiteral("mp3"), huge});
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QVERIFY2(process.readAllStandardError().contains("too large to be converted"), "names the reason");
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("Huge.asx"))));
#else
    QSKIP("Needs a limit on the process's memory (POSIX), which the sanitizers' own reservations exceed");
#endif
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
