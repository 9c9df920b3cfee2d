#include "engine/card_check.h"
#include "engine/conversion_run.h"
#include "wording/conversion_wording.h"
#include "tests/test_files.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace velandry;

class CardCheckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void entriesReadBack_data();
    void entriesReadBack();
    void cardGoneDuringCheck();
    void cardFound_data();
    void cardFound();

private:
    // Converts a playlist of `references` in `codePage` and checks it against the card.
    CardReport converted(const QStringList &references, int codePage);

    std::unique_ptr<QTemporaryDir> dir_;
    QString card_;
};

void CardCheckTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    card_ = dir_->filePath(QStringLiteral("CARD"));
    for (const char *file : {"My Music/Rock/Abba/One.mp3", "My Music/Caf\xC3\xA9/\xC3\x87" "a.mp3",
                             "My Music/\xE3\x81\x82/\xE3\x82\xBD.mp3", "My Music/Other/x.mp3"}) {
        const QString path = card_ + u'/' + QString::fromUtf8(file);
        QDir().mkpath(QFileInfo(path).path());
        writeFile(path);
    }
    QDir().mkpath(card_ + QStringLiteral("/My Music/Folder.mp3"));
}

CardReport CardCheckTest::converted(const QStringList &references, int codePage)
{
    QByteArray text;
    for (const QString &reference : references)
        text += "<media src=\"..\\My Music\\" + reference.toUtf8() + "\"/>\r\n";
    writeFile(dir_->filePath(QStringLiteral("Pop.wpl")), text);
    const PlaylistOutcome outcome = convertPlaylist(
        dir_->filePath(QStringLiteral("Pop.wpl")), dir_->filePath(QStringLiteral("Pop.asx")),
        {.mediaType = QStringLiteral("mp3"), .mediaFolder = QStringLiteral("\\CF-Card\\My Music\\"),
         .codePage = *CodePage::fromNumber(codePage)},
        {}, std::make_shared<FolderIndex>(card_));
    return outcome.failure ? CardReport() : outcome.result.card;
}

void CardCheckTest::entriesReadBack_data()
{
    QTest::addColumn<QStringList>("references");
    QTest::addColumn<int>("codePage");
    QTest::addColumn<QStringList>("notOnCard");
    QTest::addColumn<QStringList>("neverPlay");

    QTest::newRow("letter case differs only") << QStringList{QStringLiteral("ROCK\\abba\\one.MP3")} << 1252 << QStringList{} << QStringList{};
    QTest::newRow("not there") << QStringList{QStringLiteral("Rock\\Abba\\Two.mp3"), QStringLiteral("Rock\\Queen\\x.mp3")} << 1252
                               << QStringList{QStringLiteral("My Music\\Rock\\Abba\\Two.mp3"), QStringLiteral("My Music\\Rock\\Queen\\x.mp3")}
                               << QStringList{};
    QTest::newRow("a folder where a file should be") << QStringList{QStringLiteral("Folder.mp3")} << 1252
                                                     << QStringList{QStringLiteral("My Music\\Folder.mp3")} << QStringList{};
    QTest::newRow("non-ASCII names in 1252") << QStringList{QStringLiteral("CAF\u00C9\\\u00E7a.mp3")} << 1252 << QStringList{} << QStringList{};
    // "ソ" is 0x83 0x5C in 932: its second byte is a backslash's.
    QTest::newRow("Japanese names in 932") << QStringList{QStringLiteral("\u3042\\\u30BD.mp3")} << 932 << QStringList{} << QStringList{};
    QTest::newRow("a lost character") << QStringList{QStringLiteral("\u3042\\\u30BD.mp3")} << 1252 << QStringList{}
                                      << QStringList{QStringLiteral("My Music\\?\\?.mp3")};
    QTest::newRow("longer than the device opens")
        << QStringList{QString(240, u'a') + QStringLiteral(".mp3")} << 1252 << QStringList{}
        << QStringList{QStringLiteral("My Music\\") + QString(51, u'a') + u'\u2026' + QString(15, u'a') + QStringLiteral(".mp3")};
    QTest::newRow("character references, as the device reads them")
        << QStringList{QStringLiteral("Caf&#233;\\&#199;a.mp3"), QStringLiteral("Caf&#xE9;\\&#xc7;a.mp3")} << 1252
        << QStringList{} << QStringList{};
    QTest::newRow("past a megabyte, named by its size")
        << QStringList{QString(1258000, u'a') + QStringLiteral(".mp3")} << 1252 << QStringList{}
        << QStringList{QStringLiteral("(a path of 1,258,022 bytes)")};
    QTest::newRow("a name ending in a full stop") << QStringList{QStringLiteral("Dir.\\x.mp3")} << 1252 << QStringList{}
                                                  << QStringList{QStringLiteral("My Music\\Dir.\\x.mp3")};
}

void CardCheckTest::entriesReadBack()
{
    QFETCH(QStringList, references);
    QFETCH(int, codePage);
    QFETCH(QStringList, notOnCard);
    QFETCH(QStringList, neverPlay);
    const CardReport report = converted(references, codePage);
    QCOMPARE(report.card, card_);
    QCOMPARE(report.entries, references.size());
    QCOMPARE(report.notOnCardNames, notOnCard);
    PlaylistResult result;
    result.card = report;
    const QString told = conversionWarnings({result}).join(u'\n');
    for (const QString &name : neverPlay)
        QVERIFY2(told.contains(name), qPrintable(told));
    QVERIFY(!report.unreadable);
}

void CardCheckTest::cardGoneDuringCheck()
{
    // Seven missing: five named, and the rest counted.
    QStringList missing;
    for (int i = 0; i < 7; ++i)
        missing.append(QStringLiteral("Rock\\Abba\\Gone %1.mp3").arg(i));
    PlaylistResult result;
    result.outputPath = dir_->filePath(QStringLiteral("Pop.asx"));
    result.card = converted(missing, 1252);
    QCOMPARE(result.card.notOnCard, 7);
    QVERIFY2(conversionWarnings({result}).join(u'\n').contains(QStringLiteral("Gone 4.mp3 and 2 more")),
             qPrintable(conversionWarnings({result}).join(u'\n')));

    // The card pulled half way: told once, its entries not counted missing.
    auto folders = std::make_shared<FolderIndex>(card_);
    CardCheck check(folders, *CodePage::fromNumber(1252));
    check.entry({"\\CF-Card\\My Music\\Rock\\Abba\\One.mp3", false, false});
    QVERIFY(QDir(card_).removeRecursively());
    check.entry({"\\CF-Card\\My Music\\Other\\x.mp3", false, false});
    check.entry({"\\CF-Card\\My Music\\Other\\y.mp3", false, false});
    result.card = check.report();
    QVERIFY(result.card.unreadable);
    QCOMPARE(result.card.notOnCard, 0);
    const QStringList told = conversionWarnings({result, result});
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].contains(QStringLiteral("could not be read")), qPrintable(told[0]));
}

void CardCheckTest::cardFound_data()
{
    QTest::addColumn<QString>("mediaFolder");
    QTest::addColumn<QString>("volume"); // the output folder's volume root, below the temporary folder
    QTest::addColumn<bool>("found");

    QTest::newRow("a card holding the media folder") << QStringLiteral("\\CF-Card\\My Music\\") << QStringLiteral("CARD") << true;
    QTest::newRow("in another letter case") << QStringLiteral("\\SD\\MY MUSIC\\") << QStringLiteral("CARD") << true;
    QTest::newRow("a volume without it") << QStringLiteral("\\CF-Card\\Music\\") << QStringLiteral("CARD") << false;
    QTest::newRow("a media folder naming no card") << QStringLiteral("\\My Music\\") << QStringLiteral("CARD") << false;
    QTest::newRow("the system's own volume") << QStringLiteral("\\CF-Card\\My Music\\") << QString() << false;
}

void CardCheckTest::cardFound()
{
    QFETCH(QString, mediaFolder);
    QFETCH(QString, volume);
    QFETCH(bool, found);
    const QString root = volume.isEmpty() ? QDir::rootPath() : dir_->filePath(volume);
    Cards cards(QString(), mediaFolder, [&](const QString &) { return root; });
    const std::shared_ptr<FolderIndex> card = cards.forOutput(card_ + QStringLiteral("/Playlists/Pop.asx"));
    QCOMPARE(bool(card), found);
    if (found)
        QCOMPARE(card->root(), card_);
}

QTEST_GUILESS_MAIN(CardCheckTest)
#include "tst_card_check.moc"
