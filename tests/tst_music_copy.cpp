// Copying the music the playlists name onto the card: where each file is
// found, what is left out and why, and the copy itself on real file systems
// where the machine has them (a FAT image through fusefat, a size-limited
// tmpfs), with a stop, a full card and a signal inside a large file.
#include "engine/conversion_run.h"
#include "engine/music/card_writer.h"
#include "engine/music/music_plan.h"
#include "wording/music_wording.h"
#include "tests/mounted_card.h"
#include "tests/test_files.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

using namespace velandry;

namespace {

const QDateTime kRecorded = QDateTime::fromString(QStringLiteral("2020-01-02T03:04:05Z"), Qt::ISODate);

void writeMusic(const QString &path, qint64 bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray piece(qMin<qint64>(bytes, 1 << 20), 'm');
    for (qint64 left = bytes; left > 0; left -= piece.size())
        file.write(piece.constData(), qMin<qint64>(left, piece.size()));
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(kRecorded, QFileDevice::FileModificationTime));
}

QStringList targetsOf(const MusicPlan &plan)
{
    QStringList targets;
    for (const CardAction &action : plan.actions)
        targets.append(action.target);
    return targets;
}

PlanReport carriedOut(const MusicPlan &plan, const PlanProgressCheck &progress = {})
{
    CardWriter card(plan);
    return carryOut(plan, card, progress);
}

QStringList skippedOf(const MusicPlan &plan)
{
    static const char *const reasons[] = {"nowhere", "not regular", "too large", "leads out"};
    QStringList skipped;
    for (const MusicPlan::Skipped &one : plan.skipped)
        skipped.append(QString::fromLatin1(reasons[int(one.reason)]) + u':' + one.onCard);
    return skipped;
}


} // namespace

class MusicCopyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void planned_data();
    void planned();
    void copiedWhole();
    void stopInsideAFile();
    void ontoFat_data();
    void ontoFat();
    void doesNotFit();
    void cardFillsDuringCopy();
    void executorStopsOnlyForTheCard_data();
    void executorStopsOnlyForTheCard();
    void foundWhereTheWplNamesIt();
    void commandLine_data();
    void commandLine();
    void signalInsideAFile();

private:
    ConversionRequest request() const { return {.mediaType = QStringLiteral("mp3"), .musicRoot = music_}; }

    CardEntry entry(const QString &onCard, const QString &localPath = {}) const
    {
        return {onCard, onCard.sliced(onCard.indexOf(u'\\') + 1), localPath};
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString card_;
    QString music_;
};

void MusicCopyTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    card_ = dir_->filePath(QStringLiteral("CARD"));
    music_ = dir_->filePath(QStringLiteral("Music"));
    QDir().mkpath(card_ + QStringLiteral("/My Music/rock"));
    writeMusic(music_ + QStringLiteral("/Rock/One.mp3"), 1000);
    writeMusic(music_ + QStringLiteral("/Rock/Two.mp3"), 2000);
    writeMusic(music_ + QStringLiteral("/Pop/Caf\u00E9.mp3"), 3000);
    writeMusic(card_ + QStringLiteral("/My Music/rock/There.mp3"), 10);
}

void MusicCopyTest::planned_data()
{
    QTest::addColumn<QList<CardEntry>>("missing");
    QTest::addColumn<QStringList>("targets");
    QTest::addColumn<QStringList>("skipped");

    const QString here = dir_ ? QString() : QString(); // the rows name paths below the test's folder as "~"
    Q_UNUSED(here)
    // A folder the card has in another letter case is named as it stands there.
    QTest::newRow("below the music root") << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock\\One.mp3"))}
                                          << QStringList{QStringLiteral("My Music/rock/One.mp3")} << QStringList{};
    QTest::newRow("where the playlist names it")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Else\\One.mp3"), QStringLiteral("~/Music/Rock/One.mp3"))}
        << QStringList{QStringLiteral("My Music/Else/One.mp3")} << QStringList{};
    QTest::newRow("a Windows path falls back to the root")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock\\Two.mp3"), QStringLiteral("D:\\Music\\Rock\\Two.mp3"))}
        << QStringList{QStringLiteral("My Music/rock/Two.mp3")} << QStringList{};
    QTest::newRow("letter case ignored where the exact name is not there")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\ROCK\\one.MP3")),
                               entry(QStringLiteral("My Music\\x\\CAF\u00C9.mp3"), QStringLiteral("~/music/pop/caf\u00E9.mp3"))}
        << QStringList{QStringLiteral("My Music/rock/one.MP3"), QStringLiteral("My Music/x/CAF\u00C9.mp3")} << QStringList{};
    QTest::newRow("one file named twice is copied once")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock\\One.mp3")), entry(QStringLiteral("My Music\\rock\\ONE.mp3"))}
        << QStringList{QStringLiteral("My Music/rock/One.mp3")} << QStringList{};
    QTest::newRow("found nowhere, never guessed")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock\\Three.mp3"), QStringLiteral("~/Music/Rock/Three.mp3"))}
        << QStringList{} << QStringList{QStringLiteral("nowhere:My Music\\Rock\\Three.mp3")};
    QTest::newRow("a folder of the name is no file")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock.mp3"))} << QStringList{}
        << QStringList{QStringLiteral("not regular:My Music\\Rock.mp3")};
    QTest::newRow("already on the card in another case")
        << QList<CardEntry>{entry(QStringLiteral("My Music\\Rock\\there.MP3"), QStringLiteral("~/Music/Rock/One.mp3"))}
        << QStringList{} << QStringList{};
}

void MusicCopyTest::planned()
{
    QFETCH(QList<CardEntry>, missing);
    QFETCH(QStringList, targets);
    QFETCH(QStringList, skipped);
    QDir().mkpath(music_ + QStringLiteral("/Rock.mp3"));
    for (CardEntry &one : missing)
        one.localPath.replace(QStringLiteral("~"), dir_->path());
    const MusicPlan plan = planMusic(card_, missing, request());
    QCOMPARE(targetsOf(plan), targets);
    QCOMPARE(skippedOf(plan), skipped);
}

void MusicCopyTest::copiedWhole()
{
#ifdef Q_OS_UNIX
    // A folder on the card that leads out of it is not followed.
    QDir().mkpath(dir_->filePath(QStringLiteral("elsewhere")));
    QVERIFY(QFile::link(dir_->filePath(QStringLiteral("elsewhere")), card_ + QStringLiteral("/My Music/Out")));
#endif
    const MusicPlan plan = planMusic(card_,
                                         {entry(QStringLiteral("My Music\\Rock\\One.mp3")),
                                          entry(QStringLiteral("My Music\\Pop\\Caf\u00E9.mp3")),
                                          entry(QStringLiteral("My Music\\Out\\Two.mp3"), dir_->filePath(QStringLiteral("Music/Rock/Two.mp3")))},
                                         request());
#ifdef Q_OS_UNIX
    QCOMPARE(skippedOf(plan), QStringList{QStringLiteral("leads out:My Music\\Out\\Two.mp3")});
    const qsizetype files = 2;
#else
    const qsizetype files = 3; // no link to lead out
#endif
    QCOMPARE(plan.actions.size(), files);
    const PlanReport report = carriedOut(plan);
    QCOMPARE(report.status, PlanReport::Status::Completed);
    QCOMPARE(report.done, files);
    // Into the folder that is there in another letter case, and a new one.
    QCOMPARE(readFile(card_ + QStringLiteral("/My Music/rock/One.mp3")), readFile(music_ + QStringLiteral("/Rock/One.mp3")));
    QCOMPARE(QFileInfo(card_ + QStringLiteral("/My Music/Pop/Caf\u00E9.mp3")).size(), 3000);
    QCOMPARE(QFileInfo(card_ + QStringLiteral("/My Music/rock/One.mp3")).lastModified().toUTC(), kRecorded);
    QCOMPARE(QDir(card_ + QStringLiteral("/My Music")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).filter(
                 QStringLiteral("rock"), Qt::CaseInsensitive),
             QStringList{QStringLiteral("rock")});
    QVERIFY(QDir(dir_->filePath(QStringLiteral("elsewhere"))).isEmpty());
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
}

void MusicCopyTest::stopInsideAFile()
{
    writeMusic(music_ + QStringLiteral("/Big/Long.mp3"), qint64(20) << 20);
    const MusicPlan plan = planMusic(
        card_, {entry(QStringLiteral("My Music\\Rock\\One.mp3")), entry(QStringLiteral("My Music\\Big\\Long.mp3"))},
        request());
    // Stopped within a few megabytes of the large file.
    const PlanReport report = carriedOut(plan, [](const PlanProgress &progress) { return progress.bytesDone < (8 << 20); });
    QCOMPARE(report.status, PlanReport::Status::Cancelled);
    QCOMPARE(report.done, 1);
    QVERIFY(QFileInfo::exists(card_ + QStringLiteral("/My Music/rock/One.mp3")));
    QVERIFY(!QFileInfo::exists(card_ + QStringLiteral("/My Music/Big/Long.mp3")));
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
}

void MusicCopyTest::ontoFat_data()
{
    QTest::addColumn<bool>("fat32");
    QTest::newRow("FAT12, which tells its size") << false;
    QTest::newRow("FAT32, which fusefat tells no size of") << true;
}

void MusicCopyTest::ontoFat()
{
    QFETCH(bool, fat32);
    QString why;
    const QString at = dir_->filePath(QStringLiteral("fat"));
    const auto mounted = Mounted::fat(dir_->filePath(QStringLiteral("card.img")), at, fat32 ? 40000 : 4096, fat32, why);
    if (!mounted)
        QSKIP(qPrintable(why));
    QVERIFY(QDir(at).mkpath(QStringLiteral("MY MUSIC/ROCK")));
    const MusicPlan plan = planMusic(at,
                                         {entry(QStringLiteral("My Music\\Rock\\One.mp3")),
                                          entry(QStringLiteral("My Music\\Rock\\Two.mp3")),
                                          entry(QStringLiteral("My Music\\New\\One.mp3"), music_ + QStringLiteral("/Rock/One.mp3"))},
                                         request());
    QVERIFY(plan.fat);
    QCOMPARE(plan.free.has_value(), !fat32);
    const PlanReport report = carriedOut(plan);
    QCOMPARE(report.status, PlanReport::Status::Completed);
    QCOMPARE(report.done, 3);
    QCOMPARE(readFile(at + QStringLiteral("/MY MUSIC/ROCK/Two.mp3")), readFile(music_ + QStringLiteral("/Rock/Two.mp3")));
    QCOMPARE(QFileInfo(at + QStringLiteral("/MY MUSIC/New/One.mp3")).size(), 1000);
    // fusefat gives a renamed file the time of the rename: set again after it,
    // to FAT's two seconds.
    QVERIFY(qAbs(QFileInfo(at + QStringLiteral("/MY MUSIC/ROCK/One.mp3")).lastModified().secsTo(kRecorded)) <= 2);
    QCOMPARE(temporaryFilesIn(at), QStringList{});

    // A full card: fusefat answers EPERM, not ENOSPC; any failed write fails
    // the file, and the files before it stay whole.
    if (fat32)
        return;
    writeMusic(music_ + QStringLiteral("/Big/Large.mp3"), qint64(8) << 20);
    MusicPlan tooMuch = planMusic(at, {entry(QStringLiteral("My Music\\Rock\\Fits.mp3"), music_ + QStringLiteral("/Pop/Caf\u00E9.mp3")),
                                           entry(QStringLiteral("My Music\\Big\\Large.mp3"))},
                                      request());
    QVERIFY(!tooMuch.fits());
    tooMuch.free.reset(); // as a file system that tells no size
    const PlanReport full = carriedOut(tooMuch);
    QCOMPARE(full.status, PlanReport::Status::CardFailed);
    QCOMPARE(full.done, 1);
    QCOMPARE(tooMuch.actions[full.cardFailedAt].onCard, QStringLiteral("My Music\\Big\\Large.mp3"));
    QVERIFY(!QFileInfo::exists(at + QStringLiteral("/MY MUSIC/Big/Large.mp3")));
    QCOMPARE(QFileInfo(at + QStringLiteral("/MY MUSIC/ROCK/Fits.mp3")).size(), 3000);
    QCOMPARE(temporaryFilesIn(at), QStringList{});
}

void MusicCopyTest::doesNotFit()
{
    QString why;
    const QString at = dir_->filePath(QStringLiteral("small"));
    const auto mounted = Mounted::tmpfs(at, 1 << 20, why);
    if (!mounted)
        QSKIP(qPrintable(why));
    writeMusic(music_ + QStringLiteral("/Big/Large.mp3"), qint64(2) << 20);
    const MusicPlan plan = planMusic(
        at, {entry(QStringLiteral("My Music\\Rock\\One.mp3")), entry(QStringLiteral("My Music\\Big\\Large.mp3"))},
        request());
    QVERIFY(!plan.fits());
    const PlanReport report = carriedOut(plan);
    QCOMPARE(report.status, PlanReport::Status::DoesNotFit);
    QVERIFY(QDir(at).isEmpty()); // nothing at all: no folder either
    const QString told = planReportWords(plan, report).problem;
    QVERIFY2(told.startsWith(QStringLiteral("The music does not fit on the card (%1): 2.1 MB to copy, ").arg(QDir::toNativeSeparators(at)))
                 && told.endsWith(QStringLiteral(" free; nothing was copied.")),
             qPrintable(told));
}

void MusicCopyTest::cardFillsDuringCopy()
{
    QString why;
    const QString at = dir_->filePath(QStringLiteral("small"));
    const auto mounted = Mounted::tmpfs(at, 4 << 20, why);
    if (!mounted)
        QSKIP(qPrintable(why));
    writeMusic(music_ + QStringLiteral("/Big/Large.mp3"), qint64(3) << 20);
    const MusicPlan plan = planMusic(
        at, {entry(QStringLiteral("My Music\\Rock\\One.mp3")), entry(QStringLiteral("My Music\\Big\\Large.mp3"))},
        request());
    QVERIFY(plan.fits());
    // Another program takes the room meanwhile.
    writeMusic(at + QStringLiteral("/other.bin"), qint64(2) << 20);
    const PlanReport report = carriedOut(plan);
    QCOMPARE(report.status, PlanReport::Status::CardFailed);
    QCOMPARE(report.done, 1);
    QVERIFY(!report.cardFault()->reason.isEmpty());
    QVERIFY(QFileInfo::exists(at + QStringLiteral("/My Music/Rock/One.mp3")));
    QVERIFY(!QFileInfo::exists(at + QStringLiteral("/My Music/Big/Large.mp3")));
    QCOMPARE(temporaryFilesIn(at), QStringList{});
}

void MusicCopyTest::commandLine_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<QString>("notOnCard"); // the entries still told missing, once the music is there

    QTest::newRow("no card to copy to") << QStringList{QStringLiteral("--copy-music")} << 2 << QString()
                                        << QStringLiteral("--copy-music needs the card: name it with --card DIR") << false
                                        << QString();
    QTest::newRow("copied, and one found nowhere")
        << QStringList{QStringLiteral("--copy-music"), QStringLiteral("--card"), QStringLiteral("@card")} << 0
        << QStringLiteral("Copied 1 file (1.0 kB) to the card (@card).")
        << QStringLiteral("warning: 1 entry is not on this computer either: My Music\\Rock\\Gone.mp3") << true
        << QStringLiteral("My Music\\Rock\\Gone.mp3");
    QTest::newRow("a dry run writes nothing")
        << QStringList{QStringLiteral("--copy-music"), QStringLiteral("--card"), QStringLiteral("@card"), QStringLiteral("--dry-run")}
        << 0 << QStringLiteral("@music/Rock/One.mp3 -> @card/My Music/rock/One.mp3 (1.0 kB)\n1 file, 1.0 kB, would be copied")
        << QString() << false << QStringLiteral("My Music\\Rock\\One.mp3 and My Music\\Rock\\Gone.mp3");
}

void MusicCopyTest::commandLine()
{
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(bool, copied);
    QFETCH(QString, notOnCard);
    const QString lists = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists);
    writeFile(lists + QStringLiteral("/Road.m3u"),
              (music_ + QStringLiteral("/Rock/One.mp3\n") + music_ + QStringLiteral("/Rock/Gone.mp3\n")).toUtf8());
    // Paths as the converter shows them, in the system's separators; the
    // device's names keep their backslashes.
    const auto placed = [&](QString text) {
        text.replace(QStringLiteral("@card/My Music/rock/One.mp3"), QDir::toNativeSeparators(card_ + QStringLiteral("/My Music/rock/One.mp3")))
            .replace(QStringLiteral("@music/Rock/One.mp3"), QDir::toNativeSeparators(music_ + QStringLiteral("/Rock/One.mp3")));
        return text.replace(QStringLiteral("@card"), QDir::toNativeSeparators(card_))
            .replace(QStringLiteral("@music"), QDir::toNativeSeparators(music_));
    };
    QStringList arguments{QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"), QStringLiteral("1252"),
                          QStringLiteral("-r"), music_, QStringLiteral("-o"), lists};
    for (const QString &option : std::as_const(options))
        arguments.append(placed(option));
    arguments.append(lists + QStringLiteral("/Road.m3u"));
    const ConverterRun run = runConverter(arguments);
    QVERIFY2(run.err.contains(placed(err)), qPrintable(run.err));
    QVERIFY2(run.out.contains(placed(out)), qPrintable(run.out));
    QCOMPARE(run.status, status);
    QCOMPARE(QFileInfo::exists(card_ + QStringLiteral("/My Music/rock/One.mp3")), copied);
    QCOMPARE(QFileInfo::exists(lists + QStringLiteral("/Road.asx")), status == 0 && !options.contains(QStringLiteral("--dry-run")));
    // What is not on the card is told once, after the copy: never a file it put there.
    const QStringList told = run.err.split(u'\n').filter(QStringLiteral("not on the card ("));
    QCOMPARE(told.size(), notOnCard.isEmpty() ? 0 : 1);
    if (!told.isEmpty())
        QCOMPARE(told.first().section(QStringLiteral("): "), -1), notOnCard);
}

namespace {

// Does each action as its letter in `script` says: "." done, "s" a failure of
// its source, "c" of the card, "x" stopped.
class ScriptedActions final : public ActionPerformer
{
public:
    explicit ScriptedActions(QString script) : script_(std::move(script)) { }

    Result<Ended, ActionFault> perform(const CardAction &action, const std::function<bool(qint64)> &keepGoing) override
    {
        const QChar what = script_.at(action.onCard.toInt());
        if (what == u's')
            return failed(ActionFault{ActionFault::Of::Source, QStringLiteral("unreadable")});
        if (what == u'c')
            return failed(ActionFault{ActionFault::Of::Card, QStringLiteral("card gone")});
        if (what == u'x' || !keepGoing(action.bytes))
            return stopped();
        return done(action.bytes);
    }

private:
    QString script_;
};

} // namespace

void MusicCopyTest::executorStopsOnlyForTheCard_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<PlanReport::Status>("status");
    QTest::addColumn<QString>("outcomes"); // D done, F failed, - not done

    QTest::newRow("every action done") << QStringLiteral("...") << PlanReport::Status::Completed << QStringLiteral("DDD");
    QTest::newRow("a source fails, the others go on")
        << QStringLiteral("s.s") << PlanReport::Status::Completed << QStringLiteral("FDF");
    QTest::newRow("the card fails: nothing after it")
        << QStringLiteral(".c.") << PlanReport::Status::CardFailed << QStringLiteral("DF-");
    QTest::newRow("a stop: nothing after it") << QStringLiteral("sx.") << PlanReport::Status::Cancelled << QStringLiteral("F--");
}

void MusicCopyTest::executorStopsOnlyForTheCard()
{
    QFETCH(QString, script);
    QFETCH(PlanReport::Status, status);
    QFETCH(QString, outcomes);
    MusicPlan plan;
    for (qsizetype i = 0; i < script.size(); ++i)
        plan.actions.append({CardAction::Kind::Copy, {}, {}, QString::number(i), 10, {}});
    plan.bytes = 10 * script.size();
    ScriptedActions actions(script);
    const PlanReport report = carryOut(plan, actions);
    QCOMPARE(report.status, status);
    QString got;
    for (const ActionOutcome &outcome : report.outcomes)
        got += outcome.status == ActionOutcome::Status::Done ? u'D' : outcome.status == ActionOutcome::Status::Failed ? u'F' : u'-';
    QCOMPARE(got, outcomes);
    QCOMPARE(report.done, outcomes.count(u'D'));
    QCOMPARE(report.failedBySource(), outcomes.count(u'F') - (status == PlanReport::Status::CardFailed ? 1 : 0));
}

void MusicCopyTest::foundWhereTheWplNamesIt()
{
    // The playlist names the file beside its own folder; a file of the same
    // name below the music root is another.
    const QString desktop = dir_->filePath(QStringLiteral("Desktop"));
    writeMusic(desktop + QStringLiteral("/My Music/Zed/Zoo.mp3"), 9000);
    writeMusic(music_ + QStringLiteral("/Zed/Zoo.mp3"), 7000);
    QDir().mkpath(desktop + QStringLiteral("/Playlists"));
    writeFile(desktop + QStringLiteral("/Playlists/Trip.wpl"), "<media src=\"..\\My Music\\Zed\\Zoo.mp3\"/>\r\n");
    const ConversionReport report = runConversion({.mediaType = QStringLiteral("mp3"),
                                                   .playlistFolder = desktop + QStringLiteral("/Playlists/"),
                                                   .playlistNames = {QStringLiteral("Trip.wpl")},
                                                   .outputFolder = dir_->path() + u'/',
                                                   .codePage = *CodePage::fromNumber(1252),
                                                   .musicRoot = music_,
                                                   .card = card_,
                                                   .planMusic = true});
    QCOMPARE(report.music.size(), 1);
    QCOMPARE(report.music[0].actions.size(), 1);
    QCOMPARE(QFileInfo(report.music[0].actions[0].source).size(), 9000);
}

void MusicCopyTest::signalInsideAFile()
{
#ifdef Q_OS_UNIX
    // SIGTERM in the middle of a large file: exit 143, as shells expect; the
    // playlist written and the file copied before it stay whole, and no
    // temporary file is left.
    writeMusic(music_ + QStringLiteral("/Big/Long.mp3"), qint64(400) << 20);
    const QString lists = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists);
    writeFile(lists + QStringLiteral("/Road.m3u"),
              (music_ + QStringLiteral("/Rock/One.mp3\n") + music_ + QStringLiteral("/Big/Long.mp3\n")).toUtf8());
    QProcess process;
    process.start(QStringLiteral(VELANDRY_CONVERT_EXE),
                  {QStringLiteral("-t"), QStringLiteral("mp3"), QStringLiteral("-c"), QStringLiteral("1252"), QStringLiteral("--copy-music"),
                   QStringLiteral("--card"), card_, QStringLiteral("-r"), music_, lists + QStringLiteral("/Road.m3u")});
    QVERIFY(process.waitForStarted(-1));
    // Once the large file is on its way.
    const QString folder = card_ + QStringLiteral("/My Music/Big");
    while (process.state() == QProcess::Running && temporaryFilesIn(folder).isEmpty())
        QThread::msleep(5);
    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(-1));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 143);
    QVERIFY(QFileInfo::exists(lists + QStringLiteral("/Road.asx")));
    QCOMPARE(QFileInfo(card_ + QStringLiteral("/My Music/rock/One.mp3")).size(), 1000);
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Long.mp3")));
    QCOMPARE(temporaryFilesIn(card_), QStringList{});
#else
    QSKIP("Signals are POSIX's; the console's Ctrl+C takes the same way on Windows");
#endif
}

QTEST_GUILESS_MAIN(MusicCopyTest)
#include "tst_music_copy.moc"
