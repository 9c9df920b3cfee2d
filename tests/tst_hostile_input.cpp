// Odd and hostile playlists and file-system faults, through velandry-convert as a
// user would meet them: each has a clear outcome, and no file already on disk
// is lost.
#include "engine/conversion_run.h"
#include "tests/oracle/oracle_media_paths.h"
#include "tests/oracle/oracle_playlist_text.h"
#include "tests/file_limit.h"
#include "tests/test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace velandry;

namespace {

QByteArray randomBytes(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

// The document is well formed as far as the writer controls it: the fixed
// lines, one element a line, and no byte that XML cannot carry.
void verifyWellFormed(const QByteArray &document, qsizetype entries)
{
    QVERIFY(document.startsWith("<ASX version = \"3.0\">\r\n"));
    QVERIFY(document.endsWith("</ASX>\r\n"));
    QCOMPARE(document.count("<ENTRY>"), entries);
    QCOMPARE(document.count('<'), 3 + 3 * entries);
    for (const char byte : document)
        QVERIFY(uchar(byte) >= 0x20 || byte == '\t' || byte == '\r' || byte == '\n');
}

QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("velandry"))
           + QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression(QStringLiteral("\\.[A-Za-z0-9]{6}$")));
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void odd_data();
    void odd();
    void oddMediaTypes_data();
    void oddMediaTypes();
    void longNames_data();
    void longNames();
    void faults_data();
    void faults();
    void diskFullHalfWay_data();
    void diskFullHalfWay();
    void longNameKeepsPromises();
    void overlappingReferencesAreBounded();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString path(const QString &name) const { return dir_->filePath(name); }
};

void HostileInputTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void HostileInputTest::odd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QByteArray>("contains");
    QTest::addColumn<QString>("warning");

    QTest::newRow("empty file") << QByteArray() << 1 << QByteArray("<ref href = \"\\CF\\\" />") << QString();
    QTest::newRow("random bytes") << randomBytes(7, 100000) << -1 << QByteArray() << QString();
    QTest::newRow("random bytes with the key")
        << randomBytes(8, 5000) + "..\\x.mp3" + randomBytes(9, 5000) << -1 << QByteArray() << QString();
    QTest::newRow("NUL bytes") << QByteArray("..\\a\0b.mp3\0\0..\\c.mp3", 20) << 2 << QByteArray("\\CF\\a?b.mp3") << QStringLiteral("1 of 2 entries holds");
    QString line = QStringLiteral("<media src=\"..\\My Music\\x.mp3\"/>");
    QByteArray single = QByteArray(50 << 20, 'a') + line.toUtf8();
    QTest::newRow("50 MB single line") << single << 1 << QByteArray("\\CF\\x.mp3\" />") << QString();
    QTest::newRow("markup meant to inject elements")
        << QByteArray("<media src=\"..\\My Music\\a\" /></ENTRY><ENTRY><ref href = \"http://evil.example/x.mp3\"/>")
        << 1 << QByteArray("\\CF\\a&quot; /&gt;&lt;/ENTRY&gt;&lt;ENTRY&gt;&lt;ref href = &quot;http://evil.example/x.mp3")
        << QStringLiteral("1 of 1 entries was cut across");
    QTest::newRow("UTF-16 with mark")
        << QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char *>(u"..\\Caf\u00E9.mp3"), 24) << 1
        << QByteArray("\\CF\\Caf\xE9.mp3") << QString();
    QTest::newRow("ANSI code page") << QByteArray("..\\Caf\xE9 \x80.mp3") << 1 << QByteArray("\\CF\\Caf\xE9 \x80.mp3")
                                    << QStringLiteral("odd.wpl: not UTF-8, read as code page");
    QTest::newRow("UTF-8 mark dropped") << QByteArray("\xEF\xBB\xBF.mp3") << 1 << QByteArray("\\CF\\p3\"") << QString();
    QTest::newRow("control characters") << QByteArray("..\\a\x01\x1b\x7f.mp3") << 1 << QByteArray("\\CF\\a??\x7f.mp3")
                                        << QStringLiteral("1 of 1 entries holds");
}

void HostileInputTest::odd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, entries);
    QFETCH(QByteArray, contains);
    QFETCH(QString, warning);
    writeFile(path(QStringLiteral("odd.wpl")), bytes);
    const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-m"),
                             QStringLiteral("\\CF\\"), path(QStringLiteral("odd.wpl"))});
    QCOMPARE(run.status, 0);
    const QByteArray document = readFile(path(QStringLiteral("odd.asx")));
    // Random bytes: as many entries as the engine that held whole texts finds.
    const qsizetype count = entries >= 0 ? entries
                                         : oracle::extractMediaPaths(oracle::decodePlaylist(bytes, *CodePage::fromNumber(1252)).text, u"mp3")
                                               .highestIndex();
    verifyWellFormed(document, count);
    if (!contains.isEmpty())
        QVERIFY2(document.contains(contains), document.left(400).constData());
    if (!warning.isEmpty())
        QVERIFY2(run.err.contains(warning), qPrintable(run.err));
}

void HostileInputTest::oddMediaTypes_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QList<QByteArray>>("hrefs");
    QTest::newRow("space") << QStringLiteral("m p3") << QList<QByteArray>{"a b.m p3"};
    QTest::newRow("backslash") << QStringLiteral("\\x") << QList<QByteArray>{"c\\..\\d.\\x"};
    QTest::newRow("dots") << QStringLiteral(".")
                          << QList<QByteArray>{" src=&quot;..", "a b.m p3&quot;/&gt;&lt;m src=&quot;..", "c\\.."};
    QTest::newRow("empty") << QString()
                           << QList<QByteArray>{" src=&quot;.", " src=&quot;..", "a b.", "a b.m p3&quot;/&gt;&lt;m src=&quot;.",
                                                "a b.m p3&quot;/&gt;&lt;m src=&quot;..", "c\\.", "c\\..", "c\\..\\d."};
    QTest::newRow("markup in the type") << QStringLiteral("m p3\"/>") << QList<QByteArray>{"a b.m p3&quot;/&gt;"};
    QTest::newRow("not found") << QStringLiteral("ogg") << QList<QByteArray>{""};
    QTest::newRow("non-Latin") << QStringLiteral("\u0416") << QList<QByteArray>{""};
    QTest::newRow("placeholder lower case") << QStringLiteral("please select") << QList<QByteArray>{""};
}

void HostileInputTest::oddMediaTypes()
{
    QFETCH(QString, type);
    QFETCH(QList<QByteArray>, hrefs);
    writeFile(path(QStringLiteral("t.wpl")), "<m src=\"..\\My Music\\a b.m p3\"/><m src=\"..\\My Music\\c\\..\\d.\\x\"/>");
    const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("--type=") + type, QStringLiteral("-m"), QString(),
                             path(QStringLiteral("t.wpl"))});
    QCOMPARE(run.status, 0);
    QByteArray expected;
    for (const QByteArray &href : hrefs)
        expected += "    <ENTRY>\r\n        <ref href = \"" + href + "\" />\r\n    </ENTRY>\r\n";
    const QByteArray document = readFile(path(QStringLiteral("t.asx")));
    verifyWellFormed(document, hrefs.size());
    QVERIFY2(document.contains(expected), document.constData());
}

void HostileInputTest::longNames_data()
{
    QTest::addColumn<int>("nameLength"); // of the output name, in bytes
    QTest::addColumn<int>("status");
    QTest::newRow("short") << 20 << 0;
    QTest::newRow("just below the temporary suffix") << 248 << 0;
    QTest::newRow("temporary name would be too long") << 249 << 0;
    QTest::newRow("at the limit") << 255 << 0;
    QTest::newRow("beyond the limit") << 256 << 1;
}

void HostileInputTest::longNames()
{
    QFETCH(int, nameLength);
    QFETCH(int, status);
    // The playlist name has the same length: "X.wpl" becomes "X.asx".
    const QString stem = QString(nameLength - 4, u'n');
    const QString in = dir_->filePath(QStringLiteral("in"));
    QDir().mkpath(in);
    const QString playlist = in + u'/' + (nameLength <= 255 ? stem + QStringLiteral(".wpl") : QStringLiteral("p.wpl"));
    writeFile(playlist, "..\\x.mp3");
    const QString outputName = stem + QStringLiteral(".asx");
    if (nameLength > 255) {
        // Only the output can be too long; the window would meet it through a typed folder.
        const PlaylistOutcome outcome = convertPlaylist(playlist, dir_->filePath(outputName), {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\"), .codePage = *CodePage::fromNumber(1252)});
        QVERIFY(outcome.failure);
        QCOMPARE(outcome.failure->kind, ConversionFailure::Kind::System);
        QVERIFY(!outcome.failure->systemError.isEmpty());
        QCOMPARE(leftovers(dir_->path()), QStringList{});
        return;
    }
    // Written twice: the second replaces the first, atomically.
    for (const char *media : {"\\A\\", "\\B\\"}) {
        const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-m"),
                                 QString::fromLatin1(media), QStringLiteral("-o"), dir_->path(), playlist});
        QCOMPARE(run.status, status);
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    }
    QVERIFY(readFile(dir_->filePath(outputName)).contains("\\B\\x.mp3"));
    QCOMPARE(QFileInfo(dir_->filePath(outputName)).permissions() & QFile::ReadOther, QFile::ReadOther);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden), QStringList{outputName});

    const QString deep = dir_->path() + QString(4200 / 200, QChar()).replace(QChar(), QStringLiteral("/") + QString(199, u'd'));
    const PlaylistOutcome tooDeep = convertPlaylist(playlist, deep + QStringLiteral("/x.asx"), {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\"), .codePage = *CodePage::fromNumber(1252)});
    QVERIFY(tooDeep.failure);
}

void HostileInputTest::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("reason");
    QTest::newRow("output folder missing") << QStringLiteral("missing-folder") << QStringLiteral("nowhere/") << QStringLiteral("does not exist");
    QTest::newRow("output name taken by a folder") << QStringLiteral("folder") << QStringLiteral("out/A.asx") << QStringLiteral("folder");
    QTest::newRow("output write-protected") << QStringLiteral("read-only") << QStringLiteral("out/A.asx") << QStringLiteral("write-protected");
    QTest::newRow("input removed") << QStringLiteral("input-removed") << QStringLiteral("A.wpl") << QString();
    QTest::newRow("input is a pipe") << QStringLiteral("input-pipe") << QStringLiteral("A.wpl") << QStringLiteral("not an ordinary file");
    QTest::newRow("input is a folder") << QStringLiteral("input-folder") << QStringLiteral("A.wpl") << QStringLiteral("folder");
    QTest::newRow("input unreadable") << QStringLiteral("unreadable") << QStringLiteral("A.wpl") << QString();
}

void HostileInputTest::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, named);
    QFETCH(QString, reason);
    const QString out = path(QStringLiteral("out"));
    QDir().mkpath(out);
    writeFile(path(QStringLiteral("A.wpl")), "..\\a.mp3");
    writeFile(path(QStringLiteral("B.wpl")), "..\\b.mp3");
    writeFile(out + QStringLiteral("/B.asx"), "earlier B");
    QString outputFolder = out;
    if (fault == QStringLiteral("missing-folder")) {
        outputFolder = path(QStringLiteral("nowhere"));
    } else if (fault == QStringLiteral("folder")) {
        QDir().mkpath(out + QStringLiteral("/A.asx"));
    } else if (fault == QStringLiteral("read-only")) {
        writeFile(out + QStringLiteral("/A.asx"), "protected");
        QFile::setPermissions(out + QStringLiteral("/A.asx"), QFile::ReadOwner | QFile::ReadUser | QFile::ReadOther);
    } else if (fault == QStringLiteral("input-removed")) {
        QFile::remove(path(QStringLiteral("A.wpl")));
    } else if (fault == QStringLiteral("input-folder")) {
        QFile::remove(path(QStringLiteral("A.wpl")));
        QDir().mkpath(path(QStringLiteral("A.wpl")));
    } else if (fault == QStringLiteral("input-pipe")) {
#ifdef Q_OS_UNIX
        // Reading a pipe nobody writes to would wait for ever.
        QFile::remove(path(QStringLiteral("A.wpl")));
        QCOMPARE(mkfifo(QFile::encodeName(path(QStringLiteral("A.wpl"))).constData(), 0600), 0);
#else
        QSKIP("Named pipes live outside the file system here");
#endif
    } else if (fault == QStringLiteral("unreadable")) {
#ifdef Q_OS_UNIX
        if (geteuid() == 0)
            QSKIP("root reads every file");
        QFile::setPermissions(path(QStringLiteral("A.wpl")), QFile::WriteOwner);
#else
        QSKIP("Qt can make a file read-only here, not unreadable");
#endif
    }
    const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-o"), outputFolder,
                             path(QStringLiteral("A.wpl")), path(QStringLiteral("B.wpl"))});
    // A missing output folder is a usage error, found before any playlist is read.
    QCOMPARE(run.status, fault == QStringLiteral("missing-folder") ? 2 : 1);
    QVERIFY2(run.err.contains(native(path(named))), qPrintable(run.err));
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    if (fault == QStringLiteral("read-only"))
        QCOMPARE(readFile(out + QStringLiteral("/A.asx")), QByteArray("protected"));
    if (fault != QStringLiteral("missing-folder"))
        QVERIFY(readFile(out + QStringLiteral("/B.asx")).contains("<ASX")); // the other playlist still converted
    QCOMPARE(leftovers(out), QStringList{});
}

void HostileInputTest::diskFullHalfWay_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("short name") << QStringLiteral("Big");
    // Too long for QSaveFile's temporary: written through one of our own.
    QTest::newRow("long name") << QString(245, u'n');
}

void HostileInputTest::diskFullHalfWay()
{
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    QFETCH(QString, name);
    QByteArray big;
    for (int i = 0; i < 20000; ++i)
        big += "<media src=\"..\\My Music\\Artist\\Album\\Track " + QByteArray::number(i) + ".mp3\"/>\r\n";
    writeFile(path(name + QStringLiteral(".wpl")), big);
    writeFile(path(name + QStringLiteral(".asx")), "earlier, whole");
    writeFile(path(QStringLiteral("Small.wpl")), "..\\s.mp3");
    ConverterRun run;
    {
        // Inherited by the converter: its writes beyond 256 KiB fail as on a full disk.
        const FileSizeLimit limit(256 * 1024);
        run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("mp3"), path(name + QStringLiteral(".wpl")),
                       path(QStringLiteral("Small.wpl"))});
    }
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(native(path(name + QStringLiteral(".asx")))), qPrintable(run.err));
    QCOMPARE(readFile(path(name + QStringLiteral(".asx"))), QByteArray("earlier, whole"));
    QVERIFY(readFile(path(QStringLiteral("Small.asx"))).contains("s.mp3"));
    QCOMPARE(leftovers(dir_->path()), QStringList{});
}

// A name too long for QSaveFile's temporary keeps QSaveFile's promises.
void HostileInputTest::longNameKeepsPromises()
{
#ifndef Q_OS_UNIX
    QSKIP("The umask and symbolic links are POSIX's");
#else
    const QString stem = QString(245, u'n');
    const QString playlist = path(stem + QStringLiteral(".wpl"));
    const QString output = path(QStringLiteral("out/") + stem + QStringLiteral(".asx"));
    QDir().mkpath(path(QStringLiteral("out")));
    writeFile(playlist, "..\\x.mp3");
    const CodePage western = *CodePage::fromNumber(1252);

    // A new file has the permissions the umask leaves.
    const mode_t saved = umask(027);
    const PlaylistOutcome created = convertPlaylist(playlist, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\"), .codePage = western});
    umask(saved);
    QVERIFY(!created.failure);
    struct stat status = {};
    QCOMPARE(stat(QFile::encodeName(output).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, mode_t(0640));

    // A link stays a link: the file it points to is what is replaced.
    QFile::remove(output);
    writeFile(path(QStringLiteral("out/real.asx")), "earlier");
    QVERIFY(QFile::link(QStringLiteral("real.asx"), output));
    const PlaylistOutcome throughLink = convertPlaylist(playlist, output, {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\"), .codePage = western});
    QVERIFY(!throughLink.failure);
    QVERIFY(QFileInfo(output).isSymLink());
    QVERIFY(readFile(path(QStringLiteral("out/real.asx"))).contains("\\x.mp3"));
    QCOMPARE(leftovers(path(QStringLiteral("out"))), QStringList{});
#endif
}

void HostileInputTest::overlappingReferencesAreBounded()
{
    // One "My Music\" up front and then many references without one: each path
    // would run from the top of the file, so the output would grow with the
    // square of the input. Refused before anything is written.
    QByteArray text = "My Music\\";
    text += QByteArray(1 << 20, 'x');
    for (int i = 0; i < 5000; ++i)
        text += ".mp3";
    writeFile(path(QStringLiteral("Square.wpl")), text);
    const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("mp3"), path(QStringLiteral("Square.wpl"))});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(QStringLiteral("4 GiB")), qPrintable(run.err));
    QVERIFY(!QFile::exists(path(QStringLiteral("Square.asx"))));
}

QTEST_GUILESS_MAIN(HostileInputTest)
#include "tst_hostile_input.moc"
