#include "engine/conversion_run.h"
#include "tests/test_files.h"
#include "tests/file_limit.h"
#include "engine/music/audio_encoder.h"
#include "tests/audio/test_audio.h"
#include "tests/ui/fake_services.h"
#include "tests/ui/window_controls.h"
#include "ui/main/form1.h"
#include "ui/about/frm_about.h"
#include "ui/window_setup.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

using namespace velandry;

namespace {

const QString sep = QDir::separator();

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            rows.append(i);
    }
    return rows;
}

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Presses Convert and waits, however long the run takes, until its outcome
// has been shown.
bool convert(Form1 &window)
{
    QSignalSpy ended(&window, &Form1::runEnded);
    window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    return ended.wait(std::numeric_limits<int>::max());
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void layoutMatchesTable();
    void captionsAndContents();
    void tabOrderAndFocus();
    void enterAndEscPressNothing();
    void loadStep_data();
    void loadStep();
    void fileListTogglesAndSorts();
    void addToQueue_data();
    void addToQueue();
    void removeFromQueue_data();
    void removeFromQueue();
    void hugeQueue();
    void folderChooser_data();
    void folderChooser();
    void missingPlaylistFolderKeepsWindow();
    void convertMessages_data();
    void convertMessages();
    void convertMatchesCommandLine();
    void convertFailureKeepsWindow();
    void faultsDuringRun_data();
    void faultsDuringRun();
    void playlistChangedDuringRun();
    void nameNotUtf8();
    void largeFolderAndQueue();
    void copyTheMusic();
    void encodeTheMusic();
    void openPlaylists();
    void screenReaderNames();
    void textsFitAnyFont_data();
    void textsFitAnyFont();
    void frameCentred_data();
    void frameCentred();
    void endingTheProgram_data();
    void endingTheProgram();

private:
    std::unique_ptr<Form1> makeWindow();

    std::unique_ptr<QTemporaryDir> dir_;
    FakeShell shell_;
    FakeMessages messages_;
};

void Form1Test::initTestCase()
{
    provideTahoma();
    // The window writes in the code page of the locale: Windows-1252 here.
    qputenv("LC_ALL", QByteArrayLiteral("C"));
}

void Form1Test::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    shell_ = FakeShell();
    messages_ = FakeMessages();
    shell_.documents = QDir::toNativeSeparators(dir_->path());
}

void Form1Test::cleanup()
{
    dir_.reset();
}

std::unique_ptr<Form1> Form1Test::makeWindow()
{
    return std::make_unique<Form1>(shell_, messages_);
}

void Form1Test::layoutMatchesTable()
{
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QWidget *client = window->centralWidget();
    QCOMPARE(client->size(), QSize(433, 435));
    QCOMPARE(client->y(), window->menuBar()->height());
    // The design's twips at 15 to a pixel, rounded: left, top, width, height.
    const QList<std::pair<QWidget *, QRect>> places{
        {ui(window).txtPlaylistLoc, QRect(104, 21, 289, 19)}, {ui(window).CmdFind, QRect(392, 21, 25, 19)},
        {ui(window).cmbFileType, QRect(104, 48, 89, 21)},    {ui(window).Label6, QRect(16, 50, 89, 17)},
        {ui(window).Label1, QRect(16, 104, 161, 17)},        {ui(window).Label2, QRect(256, 104, 161, 17)},
        {ui(window).File1, QRect(16, 120, 161, 188)},        {ui(window).ListBox2, QRect(256, 120, 161, 186)},
        {ui(window).Command2, QRect(192, 160, 49, 33)},      {ui(window).Command4, QRect(192, 216, 49, 33)},
        {ui(window).txtOutputLoc, QRect(104, 328, 289, 19)}, {ui(window).Command5, QRect(392, 328, 25, 19)},
        {ui(window).txtMediaLoc, QRect(104, 360, 313, 19)},  {ui(window).Command1, QRect(184, 392, 65, 25)},
        {ui(window).Command3, QRect(352, 392, 65, 25)},
    };
    for (const auto &[control, place] : places)
        QCOMPARE(control->geometry(), place);
    // The labels that size themselves: Label3 keeps its left edge, Label4 and
    // Label5 their right edge, next to their field.
    for (QLabel *label : {ui(window).Label3, ui(window).Label4, ui(window).Label5})
        QCOMPARE(label->size(), label->sizeHint());
    QCOMPARE(ui(window).Label3->pos(), QPoint(16, 24));
    QCOMPARE(ui(window).Label4->geometry().right() + 1, 100);
    QCOMPARE(ui(window).Label4->y(), 331);
    QCOMPARE(ui(window).Label5->geometry().right() + 1, 100);
    QCOMPARE(ui(window).Label5->y(), 363);
    QCOMPARE(ui(window).Line1->geometry(), QRect(0, 0, 432, 1));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
}

void Form1Test::captionsAndContents()
{
    auto window = makeWindow();
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Windows Media Player Velandry"));
    QCOMPARE(QFontInfo(window->font()).family(), QStringLiteral("Tahoma"));
    QCOMPARE(ui(window).Command1->font(), window->font());
    QVERIFY(!window->windowIcon().isNull());
    // One icon file holding both depths of 32 x 32: 256 colours and true colour.
    QFile ico(QStringLiteral(":/velandry/velandry.ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    const QByteArray head = ico.read(6 + 2 * 16);
    QCOMPARE(head.size(), 38);
    QCOMPARE(int(head[4]), 2);
    for (int i = 0; i < 2; ++i) {
        const char *entry = head.constData() + 6 + 16 * i;
        QCOMPARE(int(uchar(entry[0])), 32);
        QCOMPARE(int(uchar(entry[1])), 32);
        QCOMPARE(int(uchar(entry[6])), i == 0 ? 8 : 32);
    }

    const QList<std::pair<QWidget *, QString>> texts = {
        {ui(window).Label3, QStringLiteral("Playlist Location :")}, {ui(window).CmdFind, QStringLiteral("...")},
        {ui(window).Label6, QStringLiteral("Playlist contains :")}, {ui(window).Label1, QStringLiteral("Window Media Player 9 Playlists")},
        {ui(window).Command2, QStringLiteral(">>")}, {ui(window).Command4, QStringLiteral("<<")},
        {ui(window).Label2, QStringLiteral("Playlists to be converted")}, {ui(window).Label4, QStringLiteral("Output Location :")},
        {ui(window).Command5, QStringLiteral("...")}, {ui(window).Label5, QStringLiteral("Media Location :")},
        {ui(window).Command1, QStringLiteral("&Convert")}, {ui(window).Command3, QStringLiteral("&Quit")}};
    for (const auto &[widget, text] : texts)
        QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(ui(window).txtMediaLoc->text(), QStringLiteral("\\CF-Card\\My Music\\"));
    QCOMPARE(ui(window).cmbFileType->currentText(), QStringLiteral("Please select"));
    QVERIFY(ui(window).cmbFileType->isEditable());
    QCOMPARE(ui(window).cmbFileType->count(), 3);
    QCOMPARE(ui(window).cmbFileType->itemText(0), QStringLiteral("WMA"));
    QCOMPARE(ui(window).cmbFileType->itemText(1), QStringLiteral("MP3"));
    QCOMPARE(ui(window).cmbFileType->itemText(2), QStringLiteral("WAV"));
    QCOMPARE(ui(window).File1->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(ui(window).ListBox2->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(ui(window).ListBox2->count(), 0);

    const QList<QAction *> menus = window->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(ui(window).mnuFile->actions(), QList<QAction *>{ui(window).mnuExit});
    QCOMPARE(ui(window).mnuHelp->actions(), QList<QAction *>{ui(window).mnuAbout});
    QCOMPARE(ui(window).mnuExit->text(), QStringLiteral("&Exit"));
    QCOMPARE(ui(window).mnuAbout->text(), QStringLiteral("&About"));
    for (const char *name : {"mnuFile", "mnuHelp", "mnuExit", "mnuAbout", "Line1", "Label1", "ListBox2"})
        QVERIFY2(window->findChild<QObject *>(QLatin1StringView(name)), name);
}

void Form1Test::tabOrderAndFocus()
{
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), ui(window).Command1);
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
        visited.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const QStringList expected{
        QStringLiteral("Command1"), QStringLiteral("File1"), QStringLiteral("ListBox2"), QStringLiteral("Command2"),
        QStringLiteral("txtPlaylistLoc"), QStringLiteral("CmdFind"), QStringLiteral("Command4"), QStringLiteral("Command3"),
        QStringLiteral("txtOutputLoc"), QStringLiteral("txtMediaLoc"), QStringLiteral("cmbFileType"), QStringLiteral("Command5"),
        QStringLiteral("Command1")};
    QCOMPARE(visited, expected);
}

void Form1Test::enterAndEscPressNothing()
{
    auto window = makeWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    for (QPushButton *button : window->centralWidget()->findChildren<QPushButton *>()) {
        QVERIFY(!button->autoDefault());
        QVERIFY(!button->isDefault());
    }
    QTest::keyClick(ui(window).Command1, Qt::Key_Return);
    QTest::keyClick(ui(window).Command1, Qt::Key_Enter);
    QTest::keyClick(ui(window).Command1, Qt::Key_Escape);
    QVERIFY(messages_.shown.isEmpty());
    QVERIFY(window->isVisible());
    // Alt with the access key does press the button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(messages_.shown.size(), 1); // the access key animates a click, and the run ends
}

void Form1Test::loadStep_data()
{
    QTest::addColumn<QStringList>("files");   // under My Music/My Playlists
    QTest::addColumn<QStringList>("folders"); // under My Music/My Playlists
    QTest::addColumn<bool>("documentsFound");
    QTest::addColumn<bool>("useCandidate");
    QTest::addColumn<QStringList>("listed");

    QTest::newRow("playlists there") << QStringList{QStringLiteral("b.wpl"), QStringLiteral("A.wpl"), QStringLiteral("notes.txt")}
                                     << QStringList{} << true << true
                                     << QStringList{QStringLiteral("A.wpl"), QStringLiteral("b.wpl")};
    QTest::newRow("every kind of playlist")
        << QStringList{QStringLiteral("Road.M3U8"), QStringLiteral("a.pls"), QStringLiteral("c.xspf"), QStringLiteral("d.WAX"),
                       QStringLiteral("e.zpl"), QStringLiteral("f.m3u"), QStringLiteral("g.asx"), QStringLiteral("h.wvx"),
                       QStringLiteral("i.wpl.bak")}
        << QStringList{} << true << true
        << QStringList{QStringLiteral("a.pls"), QStringLiteral("c.xspf"), QStringLiteral("d.WAX"), QStringLiteral("e.zpl"),
                       QStringLiteral("f.m3u"), QStringLiteral("g.asx"), QStringLiteral("h.wvx"), QStringLiteral("Road.M3U8")};
    QTest::newRow("files but no playlist") << QStringList{QStringLiteral("notes.txt")} << QStringList{} << true << true << QStringList{};
    QTest::newRow("empty folder") << QStringList{} << QStringList{QString()} << true << false << QStringList{};
    QTest::newRow("only subfolders") << QStringList{} << QStringList{QStringLiteral("sub.wpl")} << true << false << QStringList{};
    QTest::newRow("only hidden files") << QStringList{QStringLiteral(".hidden.wpl")} << QStringList{} << true << false << QStringList{};
    QTest::newRow("folder missing") << QStringList{} << QStringList{} << true << false << QStringList{};
    QTest::newRow("documents not found") << QStringList{QStringLiteral("A.wpl")} << QStringList{} << false << false << QStringList{};
}

void Form1Test::loadStep()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(bool, documentsFound);
    QFETCH(bool, useCandidate);
    QFETCH(QStringList, listed);

    const QString candidate = QDir::toNativeSeparators(dir_->path()) + sep + QStringLiteral("My Music") + sep +
                              QStringLiteral("My Playlists") + sep;
    if (!files.isEmpty() || !folders.isEmpty())
        QDir().mkpath(candidate);
    for (const QString &file : files)
        writeFile(candidate + file);
    for (const QString &folder : folders)
        QDir().mkpath(candidate + folder);
    if (!documentsFound)
        shell_.documents.clear();

    auto window = makeWindow();
    const QString expected = useCandidate ? candidate : QDir::toNativeSeparators(QDir::rootPath());
    QCOMPARE(ui(window).txtPlaylistLoc->text(), expected);
    QCOMPARE(ui(window).txtOutputLoc->text(), expected);
    QCOMPARE(shell_.specialFolderCalls, useCandidate ? 3 : 1);
    if (useCandidate)
        QCOMPARE(entries(ui(window).File1), listed);
    QVERIFY(ui(window).File1->selectedItems().isEmpty());
    QVERIFY(messages_.shown.isEmpty());
    QCOMPARE(ui(window).cmbFileType->currentText(), QStringLiteral("Please select"));
    QCOMPARE(ui(window).txtMediaLoc->text(), QStringLiteral("\\CF-Card\\My Music\\"));
}

void Form1Test::fileListTogglesAndSorts()
{
    const QString lists = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists);
    for (const char *name : {"c.wpl", "B.WPL", "a.wpl", "x.txt", "d.wplx"})
        writeFile(lists + u'/' + QLatin1StringView(name));
    QDir().mkpath(lists + QStringLiteral("/folder.wpl"));
    auto window = makeWindow();
    window->show();
    shell_.folderAnswers = {QDir::toNativeSeparators(lists)};
    window->CmdFind_Click();
    QCOMPARE(entries(ui(window).File1), (QStringList{QStringLiteral("a.wpl"), QStringLiteral("B.WPL"), QStringLiteral("c.wpl")}));
    clickRow(ui(window).File1, 0);
    clickRow(ui(window).File1, 2);
    QCOMPARE(selectedRows(ui(window).File1), (QList<int>{0, 2}));
    clickRow(ui(window).File1, 0);
    QCOMPARE(selectedRows(ui(window).File1), QList<int>{2});
}

void Form1Test::addToQueue_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("queued");
    QTest::addColumn<QList<int>>("select");
    QTest::addColumn<QStringList>("expected");

    const QStringList abc = {QStringLiteral("a.wpl"), QStringLiteral("b.wpl"), QStringLiteral("c.wpl")};
    QTest::newRow("empty list") << QStringList{} << QStringList{} << QList<int>{} << QStringList{};
    QTest::newRow("nothing selected") << abc << QStringList{QStringLiteral("q.wpl")} << QList<int>{} << QStringList{QStringLiteral("q.wpl")};
    QTest::newRow("three, in list order, at the end")
        << abc << QStringList{QStringLiteral("q.wpl")} << QList<int>{2, 0, 1}
        << QStringList{QStringLiteral("q.wpl"), QStringLiteral("a.wpl"), QStringLiteral("b.wpl"), QStringLiteral("c.wpl")};
    QTest::newRow("already queued is added again")
        << abc << QStringList{QStringLiteral("b.wpl")} << QList<int>{1}
        << QStringList{QStringLiteral("b.wpl"), QStringLiteral("b.wpl")};
}

void Form1Test::addToQueue()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, queued);
    QFETCH(QList<int>, select);
    QFETCH(QStringList, expected);
    auto window = makeWindow();
    ui(window).File1->clear();
    ui(window).File1->addItems(files);
    ui(window).ListBox2->addItems(queued);
    for (const int row : select)
        ui(window).File1->item(row)->setSelected(true);
    ui(window).Command2->click();
    QCOMPARE(entries(ui(window).ListBox2), expected);
    QCOMPARE(entries(ui(window).File1), files);
    QVERIFY(selectedRows(ui(window).File1).isEmpty());
    ui(window).Command2->click(); // nothing is selected any more
    QCOMPARE(entries(ui(window).ListBox2), expected);
}

void Form1Test::removeFromQueue_data()
{
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("presses");

    const QStringList abc = {QStringLiteral("a.wpl"), QStringLiteral("b.wpl"), QStringLiteral("c.wpl")};
    QTest::newRow("empty queue") << QStringList{} << -1 << QStringList{} << 1;
    QTest::newRow("nothing selected") << abc << -1 << abc << 1;
    QTest::newRow("first") << abc << 0 << QStringList{QStringLiteral("b.wpl"), QStringLiteral("c.wpl")} << 1;
    QTest::newRow("middle") << abc << 1 << QStringList{QStringLiteral("a.wpl"), QStringLiteral("c.wpl")} << 1;
    QTest::newRow("last") << abc << 2 << QStringList{QStringLiteral("a.wpl"), QStringLiteral("b.wpl")} << 1;
    QTest::newRow("only entry") << QStringList{QStringLiteral("a.wpl")} << 0 << QStringList{} << 1;
    QTest::newRow("one of two equal names")
        << QStringList{QStringLiteral("a.wpl"), QStringLiteral("a.wpl")} << 1 << QStringList{QStringLiteral("a.wpl")} << 1;
    // The entry that moves up is not selected: a second press removes nothing.
    QTest::newRow("pressed twice") << QStringList{QStringLiteral("b.wpl"), QStringLiteral("d.wpl"), QStringLiteral("e.wpl"),
                                                  QStringLiteral("b.wpl")}
                                   << 1 << QStringList{QStringLiteral("b.wpl"), QStringLiteral("e.wpl"), QStringLiteral("b.wpl")} << 2;
}

void Form1Test::removeFromQueue()
{
    QFETCH(QStringList, queue);
    QFETCH(int, selected);
    QFETCH(QStringList, expected);
    auto window = makeWindow();
    window->show();
    ui(window).ListBox2->addItems(queue);
    QFETCH(int, presses);
    if (selected >= 0)
        clickRow(ui(window).ListBox2, selected);
    for (int press = 0; press < presses; ++press)
        ui(window).Command4->click();
    QCOMPARE(entries(ui(window).ListBox2), expected);
    QCOMPARE(selectedRows(ui(window).ListBox2), QList<int>{});
}

void Form1Test::hugeQueue()
{
    QStringList names;
    for (int i = 0; i < 40000; ++i)
        names.append(QStringLiteral("list %1.wpl").arg(i, 5, 10, QLatin1Char('0')));
    auto window = makeWindow();
    ui(window).File1->clear();
    ui(window).File1->addItems(names);
    ui(window).File1->selectAll();
    ui(window).Command2->click();
    QCOMPARE(ui(window).ListBox2->count(), 40000);
    ui(window).ListBox2->item(39999)->setSelected(true);
    ui(window).Command4->click();
    QCOMPARE(ui(window).ListBox2->count(), 39999);
    ui(window).ListBox2->item(35000)->setSelected(true);
    ui(window).Command4->click();
    QCOMPARE(ui(window).ListBox2->item(35000)->text(), names[35001]);
}

void Form1Test::folderChooser_data()
{
    QTest::addColumn<bool>("playlistButton");
    QTest::addColumn<QString>("before");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("after");

    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    const QString lists = QStringLiteral("%1Music%2Lists").arg(root, sep);
    for (const bool playlist : {true, false}) {
        const char *which = playlist ? "playlist" : "output";
        QTest::addRow("%s: folder chosen", which) << playlist << QStringLiteral("old") << std::optional(lists) << lists + sep;
        QTest::addRow("%s: root chosen", which) << playlist << QStringLiteral("old") << std::optional(root) << root;
        QTest::addRow("%s: cancel, typed path", which) << playlist << lists << std::optional<QString>() << lists + sep;
        QTest::addRow("%s: cancel, no separator at all", which) << playlist << QStringLiteral("abc") << std::optional<QString>()
                                                                << QStringLiteral("abc") + sep;
        QTest::addRow("%s: cancel, empty", which) << playlist << QString() << std::optional<QString>() << QString();
        QTest::addRow("%s: cancel, already ends in one", which) << playlist << lists + sep << std::optional<QString>() << lists + sep;
    }
}

void Form1Test::folderChooser()
{
    QFETCH(bool, playlistButton);
    QFETCH(QString, before);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, after);
    auto window = makeWindow();
    QLineEdit *field = playlistButton ? ui(window).txtPlaylistLoc : ui(window).txtOutputLoc;
    QLineEdit *other = playlistButton ? ui(window).txtOutputLoc : ui(window).txtPlaylistLoc;
    const QString otherBefore = other->text();
    ui(window).ListBox2->addItem(QStringLiteral("kept.wpl"));
    ui(window).File1->addItem(QStringLiteral("marker"));
    field->setText(before);
    shell_.folderAnswers = {answer};
    messages_.shown.clear();
    (playlistButton ? ui(window).CmdFind : ui(window).Command5)->click();

    QCOMPARE(field->text(), after);
    QCOMPARE(other->text(), otherBefore);
    QCOMPARE(shell_.chooserTitles, QStringList{playlistButton ? QStringLiteral("Select your Playlist directory")
                                                              : QStringLiteral("Select Output directory")});
    QCOMPARE(shell_.chooserOwners, QList<QWidget *>{window.get()});
    QCOMPARE(shell_.chooserStarts, QStringList{before}); // opens where the field points
    QCOMPARE(entries(ui(window).ListBox2), QStringList{QStringLiteral("kept.wpl")});
    QCOMPARE(ui(window).cmbFileType->currentText(), QStringLiteral("Please select"));
    // Only the playlist button re-points the file list.
    QCOMPARE(ui(window).File1->count() == 1 && ui(window).File1->item(0)->text() == QStringLiteral("marker"), !playlistButton);
}

void Form1Test::missingPlaylistFolderKeepsWindow()
{
    auto window = makeWindow();
    ui(window).File1->addItem(QStringLiteral("stale.wpl"));
    const QString missing = QDir::toNativeSeparators(dir_->filePath(QStringLiteral("gone")));
    ui(window).txtPlaylistLoc->setText(missing);
    ui(window).CmdFind->click();
    QCOMPARE(ui(window).txtPlaylistLoc->text(), missing + sep);
    QCOMPARE(ui(window).File1->count(), 0);
    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown[0].icon, Message::Icon::Critical);
    QVERIFY(messages_.shown[0].text.contains(missing));
    // Emptied by the user and cancelled: an empty list and no message.
    ui(window).txtPlaylistLoc->clear();
    ui(window).CmdFind->click();
    QCOMPARE(ui(window).txtPlaylistLoc->text(), QString());
    QCOMPARE(messages_.shown.size(), 1);
}

void Form1Test::convertMessages_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("queue");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("informative");
    QTest::addColumn<QStringList>("written");

    QTest::newRow("placeholder, empty queue") << QStringLiteral("Please select") << QStringList{} << int(Message::Icon::Information)
                                              << QStringLiteral("Please select a media type\r\ni.e. WMA, MP3") << QString() << QStringList{};
    QTest::newRow("placeholder, queued") << QStringLiteral("Please select") << QStringList{QStringLiteral("Pop.wpl")}
                                         << int(Message::Icon::Information)
                                         << QStringLiteral("Please select a media type\r\ni.e. WMA, MP3") << QString() << QStringList{};
    QTest::newRow("empty queue") << QStringLiteral("MP3") << QStringList{} << int(Message::Icon::None) << QStringLiteral("All Done")
                                 << QString() << QStringList{};
    QTest::newRow("typed type, duplicates") << QStringLiteral("asf") << QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Pop.wpl")}
                                            << int(Message::Icon::None) << QStringLiteral("All Done") << QString()
                                            << QStringList{QStringLiteral("Pop.asx")};
    QTest::newRow("warnings told") << QStringLiteral("MP3") << QStringList{QStringLiteral("Pop.wpl"), QStringLiteral("Odd.wpl")}
                                   << int(Message::Icon::None) << QStringLiteral("All Done")
                                   << QStringLiteral("Odd.wpl: 1 of 1 entries holds characters outside code page 1252, written as \"?\"\n"
                                                     "Odd.asx: 1 of 1 entries can never play on the device: My Music\\?.mp3")
                                   << QStringList{QStringLiteral("Odd.asx"), QStringLiteral("Pop.asx")};
}

void Form1Test::convertMessages()
{
    QFETCH(QString, type);
    QFETCH(QStringList, queue);
    QFETCH(QStringList, written);
    const QString lists = dir_->filePath(QStringLiteral("lists")) + u'/';
    const QString out = dir_->filePath(QStringLiteral("out")) + u'/';
    QDir().mkpath(lists);
    QDir().mkpath(out);
    writeFile(lists + QStringLiteral("Pop.wpl"), "<media src=\"..\\My Music\\a.mp3\"/><media src=\"..\\My Music\\b.asf\"/>");
    writeFile(lists + QStringLiteral("Odd.wpl"), "<media src=\"..\\\xE3\x81\x82.mp3\"/>");

    auto window = makeWindow();
    ui(window).cmbFileType->setEditText(type);
    ui(window).txtPlaylistLoc->setText(lists);
    ui(window).txtOutputLoc->setText(out);
    ui(window).ListBox2->addItems(queue);
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.size(), 1);
    QTEST(int(messages_.shown[0].icon), "icon");
    QTEST(messages_.shown[0].text, "text");
    QTEST(messages_.shown[0].informativeText, "informative");
    QCOMPARE(QDir(out).entryList(QDir::Files), written);
    QCOMPARE(entries(ui(window).ListBox2), queue); // a run leaves the queue alone
}

void Form1Test::convertMatchesCommandLine()
{
    const QString data = QStringLiteral(VELANDRY_TEST_DATA "/");
    const QString out = dir_->filePath(QStringLiteral("out")) + u'/';
    const QString cli = dir_->filePath(QStringLiteral("cli"));
    QDir().mkpath(out);
    QDir().mkpath(cli);
    auto window = makeWindow();
    ui(window).cmbFileType->setCurrentIndex(1); // MP3
    ui(window).txtPlaylistLoc->setText(data);
    ui(window).txtOutputLoc->setText(out);
    ui(window).txtMediaLoc->setText(QStringLiteral("\\SD Card\\Music\\"));
    ui(window).ListBox2->addItem(QStringLiteral("Singles.wpl"));
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.last().text, QStringLiteral("All Done"));

    const ConverterRun run = runConverter({QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("MP3"), QStringLiteral("-m"),
                                           QStringLiteral("\\SD Card\\Music\\"), QStringLiteral("-o"), cli,
                                           data + QStringLiteral("Singles.wpl")});
    QCOMPARE(run.status, 0);
    const QByteArray fromWindow = readFile(out + QStringLiteral("Singles.asx"));
    QVERIFY(fromWindow.contains("\\SD Card\\Music\\Metric\\Synthetica\\06 Lost Kitten.mp3"));
    QCOMPARE(fromWindow, readFile(cli + QStringLiteral("/Singles.asx")));
}

void Form1Test::convertFailureKeepsWindow()
{
    const QString lists = dir_->filePath(QStringLiteral("lists")) + u'/';
    const QString out = dir_->filePath(QStringLiteral("out")) + u'/';
    QDir().mkpath(lists);
    QDir().mkpath(out);
    writeFile(lists + QStringLiteral("A.wpl"), "..\\a.wma");
    auto window = makeWindow();
    window->show();
    ui(window).cmbFileType->setCurrentIndex(0);
    ui(window).txtPlaylistLoc->setText(lists);
    ui(window).txtOutputLoc->setText(out);
    ui(window).ListBox2->addItems({QStringLiteral("A.wpl"), QStringLiteral("A.wpl"), QStringLiteral("Gone.wpl")});
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.size(), 1);
    const Message &failure = messages_.shown[0];
    QCOMPARE(failure.icon, Message::Icon::Critical);
    QVERIFY2(failure.text.contains(QDir::toNativeSeparators(lists + QStringLiteral("Gone.wpl"))), qPrintable(failure.text));
    QVERIFY(failure.text.contains(QStringLiteral("read")));
    // One playlist queued twice wrote one file.
    QVERIFY2(failure.informativeText.endsWith(QStringLiteral(".\n1 file was written before it.")),
             qPrintable(failure.informativeText));
    QCOMPARE(QDir(out).entryList(QDir::Files), QStringList{QStringLiteral("A.asx")});
    QVERIFY(window->isVisible());

    // The window goes on working.
    ui(window).txtOutputLoc->setText(dir_->filePath(QStringLiteral("missing")) + u'/');
    ui(window).ListBox2->clear();
    ui(window).ListBox2->addItem(QStringLiteral("A.wpl"));
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.size(), 2);
    QVERIFY(messages_.shown[1].text.contains(QStringLiteral("written")));
}

void Form1Test::faultsDuringRun_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("named"); // the file the message names
    QTest::addColumn<QString>("verb");
    QTest::newRow("input removed after queueing") << QStringLiteral("input-removed") << QStringLiteral("lists/B.wpl") << QStringLiteral("read");
    QTest::newRow("playlist folder removed") << QStringLiteral("folder-removed") << QStringLiteral("lists/A.wpl") << QStringLiteral("read");
    QTest::newRow("output write-protected") << QStringLiteral("read-only") << QStringLiteral("out/B.asx") << QStringLiteral("written");
    QTest::newRow("output name taken by a folder") << QStringLiteral("folder") << QStringLiteral("out/B.asx") << QStringLiteral("written");
    QTest::newRow("disk full half way") << QStringLiteral("disk-full") << QStringLiteral("out/B.asx") << QStringLiteral("written");
}

void Form1Test::faultsDuringRun()
{
    QFETCH(QString, fault);
    QFETCH(QString, named);
    QFETCH(QString, verb);
    const QString root = dir_->path() + u'/';
    const QString lists = root + QStringLiteral("lists/");
    const QString out = root + QStringLiteral("out/");
    QDir().mkpath(lists);
    QDir().mkpath(out);
    QByteArray big;
    for (int i = 0; i < 5000; ++i)
        big += "<media src=\"..\\My Music\\Artist\\Track " + QByteArray::number(i) + ".mp3\"/>\r\n";
    writeFile(lists + QStringLiteral("A.wpl"), "..\\a.mp3");
    writeFile(lists + QStringLiteral("B.wpl"), big);
    writeFile(lists + QStringLiteral("C.wpl"), "..\\c.mp3");
    writeFile(out + QStringLiteral("B.asx"), "earlier B");

    auto window = makeWindow();
    window->setProgressDelay(std::chrono::milliseconds(0));
    window->show();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtOutputLoc->setText(out);
    shell_.folderAnswers = {QDir::toNativeSeparators(dir_->path() + QStringLiteral("/lists"))};
    ui(window).CmdFind->click();
    ui(window).File1->selectAll();
    ui(window).Command2->click();
    QCOMPARE(entries(ui(window).ListBox2), (QStringList{QStringLiteral("A.wpl"), QStringLiteral("B.wpl"), QStringLiteral("C.wpl")}));

    std::unique_ptr<FileSizeLimit> limit;
    if (fault == QStringLiteral("disk-full"))
        SKIP_WITHOUT_FILE_SIZE_LIMIT();
    if (fault == QStringLiteral("input-removed"))
        QFile::remove(lists + QStringLiteral("B.wpl"));
    else if (fault == QStringLiteral("folder-removed"))
        QDir(lists).removeRecursively();
    else if (fault == QStringLiteral("read-only"))
        QFile::setPermissions(out + QStringLiteral("B.asx"), QFile::ReadOwner | QFile::ReadUser);
    else if (fault == QStringLiteral("folder") && QFile::remove(out + QStringLiteral("B.asx")))
        QDir().mkpath(out + QStringLiteral("B.asx"));
    else if (fault == QStringLiteral("disk-full"))
        limit = std::make_unique<FileSizeLimit>(64 * 1024);
    QVERIFY(convert(*window));
    limit.reset();

    QCOMPARE(messages_.shown.size(), 1);
    const Message message = messages_.shown.takeFirst();
    QCOMPARE(message.icon, Message::Icon::Critical);
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(root + named)), qPrintable(message.text));
    QVERIFY2(message.text.contains(verb), qPrintable(message.text));
    QVERIFY(!message.informativeText.isEmpty());
    if (fault != QStringLiteral("folder"))
        QCOMPARE(readFile(out + QStringLiteral("B.asx")), QByteArray("earlier B")); // whole, as it was
    QCOMPARE(QFile::exists(out + QStringLiteral("A.asx")), fault != QStringLiteral("folder-removed"));
    QVERIFY(!QFile::exists(out + QStringLiteral("C.asx"))); // the run stopped at the failure
    const QStringList left = QDir(out).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(name.endsWith(QStringLiteral(".asx")), qPrintable(name)); // no temporary file left

    // The window goes on: re-pointing at a folder that is gone says so, and a
    // run into a fresh folder completes.
    if (fault == QStringLiteral("folder-removed")) {
        ui(window).CmdFind->click(); // cancelled
        QCOMPARE(ui(window).File1->count(), 0);
        QCOMPARE(messages_.shown.size(), 1);
        QVERIFY(messages_.shown.takeFirst().text.contains(QDir::toNativeSeparators(lists)));
        return;
    }
    const QString fresh = root + QStringLiteral("fresh/");
    QDir().mkpath(fresh);
    ui(window).txtOutputLoc->setText(fresh);
    ui(window).ListBox2->clear();
    ui(window).ListBox2->addItems({QStringLiteral("A.wpl"), QStringLiteral("C.wpl")});
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.size(), 1);
    QCOMPARE(messages_.shown[0].text, QStringLiteral("All Done"));
}

void Form1Test::playlistChangedDuringRun()
{
    const QString lists = dir_->filePath(QStringLiteral("lists")) + u'/';
    const QString out = dir_->filePath(QStringLiteral("out")) + u'/';
    QDir().mkpath(lists);
    QDir().mkpath(out);
    QByteArray text;
    for (int i = 0; i < 400000; ++i)
        text += "<media src=\"..\\My Music\\Artist\\Track " + QByteArray::number(i) + ".mp3\"/>\r\n";
    auto window = makeWindow();
    window->setProgressDelay(std::chrono::milliseconds(0));
    window->show();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtPlaylistLoc->setText(lists);
    ui(window).txtOutputLoc->setText(out);
    ui(window).ListBox2->addItem(QStringLiteral("Big.wpl"));
    // Shortened where the system allows it while the file is mapped (not on
    // Windows), else rewritten in place; at moments from the start of the run on.
    for (const int delay : {0, 10, 25, 50, 100}) {
        writeFile(lists + QStringLiteral("Big.wpl"), text);
        ageFile(lists + QStringLiteral("Big.wpl"));
        writeFile(out + QStringLiteral("Big.asx"), "earlier");
        bool changed = false;
        QTimer::singleShot(delay, window.get(), [&] {
            changed = changePlaylist(lists + QStringLiteral("Big.wpl"), QStringLiteral("shortened"))
                      || changePlaylist(lists + QStringLiteral("Big.wpl"), QStringLiteral("rewritten"));
        });
        QVERIFY(convert(*window));
        QTRY_VERIFY(changed);
        QCOMPARE(messages_.shown.size(), 1);
        const Message message = messages_.shown.takeFirst();
        if (message.text == QStringLiteral("All Done"))
            continue; // the change came before the reading or after it
        QVERIFY2(message.text.contains(QStringLiteral("could not be read")), qPrintable(message.text));
        QVERIFY2(message.informativeText.contains(QStringLiteral("changed the playlist")), qPrintable(message.informativeText));
        QCOMPARE(readFile(out + QStringLiteral("Big.asx")), QByteArray("earlier"));
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Big.asx")});
    }
}

void Form1Test::nameNotUtf8()
{
#ifdef Q_OS_UNIX
    // "Café.wpl" named in Latin-1: listed as a terminal shows it, converted
    // under the same bytes; where the desktop hands over the name with U+FFFD
    // in it, refused in words a user can act on.
    const QByteArray folder = QFile::encodeName(dir_->path()) + '/';
    const int fd = ::open(folder + "Caf\xE9.wpl", O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    auto window = makeWindow();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtOutputLoc->setText(QFile::decodeName(folder));
    shell_.folderAnswers = {QFile::decodeName(folder)};
    ui(window).CmdFind->click();
    QCOMPARE(entries(ui(window).File1), QStringList{QStringLiteral("Caf\uFFFD.wpl")});
    ui(window).File1->selectAll();
    ui(window).Command2->click();
    QVERIFY(convert(*window));
    const bool written = ::unlink(folder + "Caf\xE9.asx") == 0;
    ::unlink(folder + "Caf\xE9.wpl"); // Qt cannot name them to remove them with their folder
    QVERIFY(written);
    QCOMPARE(messages_.shown.takeFirst().text, QStringLiteral("All Done"));

    window->openPlaylists({QFile::decodeName(folder) + QStringLiteral("Caf\uFFFD.wpl")});
    QCOMPARE(messages_.shown.size(), 1);
    QVERIFY2(messages_.shown[0].informativeText.contains(QStringLiteral("not valid UTF-8")),
             qPrintable(messages_.shown[0].informativeText));
#else
    QSKIP("Windows names are UTF-16: every name is a string");
#endif
}

void Form1Test::largeFolderAndQueue()
{
    const QString lists = dir_->filePath(QStringLiteral("lists")) + u'/';
    const QString out = dir_->filePath(QStringLiteral("out")) + u'/';
    QDir().mkpath(lists);
    QDir().mkpath(out);
    for (int i = 0; i < 10000; ++i)
        writeFile(lists + QStringLiteral("p%1.wpl").arg(i, 5, 10, QLatin1Char('0')), "..\\x.mp3");
    auto window = makeWindow();
    window->setProgressDelay(std::chrono::milliseconds(0));
    window->show();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtOutputLoc->setText(out);
    shell_.folderAnswers = {QDir::toNativeSeparators(dir_->filePath(QStringLiteral("lists")))};
    ui(window).CmdFind->click();
    QCOMPARE(ui(window).File1->count(), 10000);
    QCOMPARE(ui(window).File1->item(9999)->text(), QStringLiteral("p09999.wpl"));
    for (int round = 0; round < 4; ++round) {
        ui(window).File1->selectAll();
        ui(window).Command2->click();
    }
    QCOMPARE(ui(window).ListBox2->count(), 40000);
    ui(window).ListBox2->item(0)->setSelected(true);
    ui(window).Command4->click();
    QCOMPARE(ui(window).ListBox2->count(), 39999);
    QCOMPARE(ui(window).ListBox2->item(0)->text(), QStringLiteral("p00001.wpl"));

    // A long run shows its progress. Convert pressed again meanwhile, as a
    // screen reader presses it, starts no second run; Cancel says so until the
    // run has stopped.
    bool sawProgress = false;
    int ticks = 0;
    qsizetype mostDialogs = 0;
    QTimer cancel;
    cancel.setInterval(20);
    connect(&cancel, &QTimer::timeout, window.get(), [&] {
        mostDialogs = qMax(mostDialogs, window->findChildren<QProgressDialog *>().size());
        auto *progress = window->findChild<QProgressDialog *>(QStringLiteral("progress"));
        if (!progress || !progress->isVisible() || progress->labelText().startsWith(QStringLiteral("Cancelling")))
            return;
        sawProgress = true;
        QVERIFY(progress->labelText().startsWith(QStringLiteral("Converting p")));
        if (++ticks == 1) {
            QVERIFY(!ui(window).Command1->isEnabled());
            QAccessible::queryAccessibleInterface(ui(window).Command1)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
        } else if (ticks == 10) { // the press above has had its time
            progress->findChild<QPushButton *>()->click();
            QVERIFY(progress->isVisible());
            QCOMPARE(progress->labelText(), QStringLiteral("Cancelling\u2026"));
        }
    });
    cancel.start();
    QVERIFY(convert(*window));
    cancel.stop();
    QVERIFY(sawProgress);
    QCOMPARE(mostDialogs, 1);
    QVERIFY(ui(window).Command1->isEnabled());
    QVERIFY(messages_.shown.isEmpty()); // no "All Done" after a cancel
    const qsizetype written = QDir(out).entryList(QDir::Files).size();
    QVERIFY(written > 0);
    QVERIFY(written < 10000);
    QVERIFY(!window->findChild<QProgressDialog *>(QStringLiteral("progress")));
    QCOMPARE(ui(window).ListBox2->count(), 39999);

    // Closing the window during a run stops the run; the window, still
    // answering, closes when it has stopped.
    bool closedDuringRun = false;
    QTimer close;
    close.setInterval(20);
    connect(&close, &QTimer::timeout, window.get(), [&] {
        auto *progress = window->findChild<QProgressDialog *>(QStringLiteral("progress"));
        if (closedDuringRun || !progress || !progress->isVisible())
            return;
        closedDuringRun = true;
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(progress->labelText(), QStringLiteral("Cancelling\u2026"));
    });
    close.start();
    QVERIFY(convert(*window));
    QVERIFY(closedDuringRun);
    QVERIFY(!window->isVisible());
    QVERIFY(messages_.shown.isEmpty());
}

void Form1Test::copyTheMusic()
{
#ifdef Q_OS_LINUX
    // A card of its own volume, as the window finds one: a size-limited tmpfs.
    const QString card = dir_->filePath(QStringLiteral("CARD"));
    QDir().mkpath(card);
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=400m"), QStringLiteral("tmpfs"), card})
        != 0)
        QSKIP("mounting a tmpfs as the card was refused (needs root)");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {card}); });
    QDir().mkpath(card + QStringLiteral("/My Music/Old"));
    QDir().mkpath(card + QStringLiteral("/Playlists"));
    writeFile(card + QStringLiteral("/My Music/Old/old.mp3"), "no playlist names it");
    const QString music = dir_->filePath(QStringLiteral("My Music"));
    QDir().mkpath(music + QStringLiteral("/A"));
    writeFile(music + QStringLiteral("/A/x.mp3"), QByteArray(3000, 'x'));
    writeFile(music + QStringLiteral("/A/y.mp3"), QByteArray(1000, 'y'));
    QFile large(music + QStringLiteral("/A/large.mp3"));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(300) << 20));
    large.close();
    const QString lists = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists);
    writeFile(lists + QStringLiteral("/Road.m3u"), (music + QStringLiteral("/A/x.mp3\n") + music + QStringLiteral("/A/y.mp3\n") + music
                                                    + QStringLiteral("/A/gone.mp3\n"))
                                                       .toUtf8());
    writeFile(lists + QStringLiteral("/Long.m3u"), (music + QStringLiteral("/A/large.mp3\n")).toUtf8());

    auto window = makeWindow();
    window->setProgressDelay(std::chrono::milliseconds(0));
    window->show();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtPlaylistLoc->setText(lists + u'/');
    ui(window).txtOutputLoc->setText(card + QStringLiteral("/Playlists/"));
    ui(window).ListBox2->addItem(QStringLiteral("Road.m3u"));
    // "All Done" first, then the question of its own, and "Copy".
    messages_.answers = {true};
    QVERIFY(convert(*window));
    QCOMPARE(messages_.shown.size(), 2);
    QCOMPARE(messages_.shown[0].text, QStringLiteral("All Done"));
    QCOMPARE(messages_.asked.size(), 1);
    QCOMPARE(messages_.asked[0].yes, QStringLiteral("Copy"));
    QCOMPARE(messages_.asked[0].no, QStringLiteral("Don't copy"));
    QVERIFY2(messages_.asked[0].informativeText.startsWith(
                 QStringLiteral("2 files that the playlists name are not on the card (%1): 4.0 kB in all.").arg(card)),
             qPrintable(messages_.asked[0].informativeText));
    QCOMPARE(messages_.shown[1].text, QStringLiteral("Copied 2 files (4.0 kB) to the card (%1).").arg(card));
    // What the card lacks is told once, after the copy, and never a file it put there.
    QVERIFY2(!messages_.shown[0].informativeText.contains(QStringLiteral("not on the card")),
             qPrintable(messages_.shown[0].informativeText));
    const QStringList missing = messages_.shown[1].informativeText.split(u'\n').filter(QStringLiteral("not on the card ("));
    QCOMPARE(missing.size(), 1);
    QVERIFY2(missing[0].endsWith(QStringLiteral("): My Music\\A\\gone.mp3")), qPrintable(missing[0]));
    QCOMPARE(readFile(card + QStringLiteral("/My Music/A/x.mp3")), QByteArray(3000, 'x'));
    // The removal is offered, never ticked: declined as it stands, nothing goes.
    QCOMPARE(messages_.asked[0].choices.size(), 1);
    QCOMPARE(messages_.asked[0].choices[0].text,
             QStringLiteral("Remove the 1 file below the media folder that no playlist on the card names"));
    QVERIFY(!messages_.asked[0].choices[0].ticked);
    QVERIFY(QFileInfo::exists(card + QStringLiteral("/My Music/Old/old.mp3")));

    // Again, with nothing left to copy: the question only keeps the card in step.
    messages_ = FakeMessages();
    messages_.answers = {false};
    QVERIFY(convert(*window));
    QCOMPARE(messages_.asked.size(), 1);
    QCOMPARE(messages_.asked[0].text, QStringLiteral("Keep the card in step with the music on this computer?"));
    QCOMPARE(messages_.asked[0].yes, QStringLiteral("Update"));
    QCOMPARE(messages_.asked[0].no, QStringLiteral("Don't update"));
    QVERIFY(QFileInfo::exists(card + QStringLiteral("/My Music/Old/old.mp3")));

    // The copy of a large file cancelled in its progress dialog: no half file.
    messages_ = FakeMessages();
    messages_.answers = {true};
    ui(window).ListBox2->clear();
    ui(window).ListBox2->addItem(QStringLiteral("Long.m3u"));
    QTimer cancel;
    cancel.setInterval(10);
    connect(&cancel, &QTimer::timeout, window.get(), [&] {
        auto *progress = window->findChild<QProgressDialog *>(QStringLiteral("progress"));
        if (progress && progress->isVisible() && progress->labelText().startsWith(QStringLiteral("Copying")))
            progress->findChild<QPushButton *>()->click();
    });
    cancel.start();
    QVERIFY(convert(*window));
    cancel.stop();
    const QString told = messages_.shown.last().text;
    const QFileInfo copied(card + QStringLiteral("/My Music/A/large.mp3"));
    if (told == QStringLiteral("Copying was stopped; the files copied before are whole."))
        QVERIFY(!copied.exists());
    else // the copy was done before Cancel came
        QCOMPARE(copied.size(), qint64(300) << 20);
    const QStringList left = QDir(card + QStringLiteral("/My Music/A")).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(!name.startsWith(u'.'), qPrintable(name));
#else
    QSKIP("The card is a tmpfs of its own, which only Linux mounts here; under Wine the converter's copy is checked on E:");
#endif
}

void Form1Test::encodeTheMusic()
{
#ifdef Q_OS_LINUX
    // A card of its own volume, and a playlist of a FLAC and an MP3: the
    // question offers to encode the FLAC, ticked; taken, the playlist is
    // written again naming the MP3 the card then has.
    const QString card = dir_->filePath(QStringLiteral("CARD"));
    QDir().mkpath(card);
    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                    QStringLiteral("size=64m"), QStringLiteral("tmpfs"), card})
        != 0)
        QSKIP("mounting a tmpfs as the card was refused (needs root)");
    const auto unmount = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {card}); });
    QDir().mkpath(card + QStringLiteral("/My Music"));
    const QString music = dir_->filePath(QStringLiteral("My Music"));
    QDir().mkpath(music + QStringLiteral("/A"));
    testaudio::ToneFile flac{{QStringLiteral("flac")}, QStringLiteral("flac"), 44100, 16, {440, 660}, 3, {}};
    QVERIFY(testaudio::makeToneFile(music + QStringLiteral("/A/x.flac"), flac).missing.isEmpty());
    testaudio::ToneFile mp3{{}, QStringLiteral("mp3"), 44100, 16, {440, 660}, 3, {}};
    QVERIFY(testaudio::makeToneFile(music + QStringLiteral("/A/y.mp3"), mp3).missing.isEmpty());
    const QString lists = dir_->filePath(QStringLiteral("lists"));
    QDir().mkpath(lists);
    writeFile(lists + QStringLiteral("/Road.m3u"), (music + QStringLiteral("/A/x.flac\n") + music + QStringLiteral("/A/y.mp3\n")).toUtf8());

    const std::unique_ptr<AudioEncoder> encoder = makeAudioEncoder();
    auto window = makeWindow();
    window->setEncoder(encoder.get(), 2);
    window->setProgressDelay(std::chrono::milliseconds(0));
    window->show();
    ui(window).cmbFileType->setEditText(QStringLiteral("mp3"));
    ui(window).txtPlaylistLoc->setText(lists + u'/');
    ui(window).txtOutputLoc->setText(card + u'/');
    ui(window).ListBox2->addItem(QStringLiteral("Road.m3u"));
    messages_.answers = {true};
    QVERIFY(convert(*window));
    QCOMPARE(messages_.asked.size(), 1);
    QCOMPARE(messages_.asked[0].choices.size(), 1);
    QCOMPARE(messages_.asked[0].choices[0].text,
             QStringLiteral("Also encode the 1 entry of a FLAC file the device cannot play, to MP3 at 128 kbit/s"));
    QVERIFY(messages_.asked[0].choices[0].ticked);
    QVERIFY2(messages_.shown.last().text.contains(QStringLiteral("Encoded 1 file from FLAC to MP3")),
             qPrintable(messages_.shown.last().text));
    const QByteArray asx = readFile(card + QStringLiteral("/Road.asx"));
    QVERIFY2(asx.contains("\\CF-Card\\My Music\\A\\x.mp3\"") && asx.contains("\\CF-Card\\My Music\\A\\y.mp3\""),
             asx.constData());
    QCOMPARE(testaudio::hear(card + QStringLiteral("/My Music/A/x.mp3")).codec, QStringLiteral("mp3"));
    QCOMPARE(readFile(card + QStringLiteral("/My Music/A/y.mp3")), readFile(music + QStringLiteral("/A/y.mp3")));
#else
    QSKIP("The card is a tmpfs of its own, which only Linux mounts here; under Wine the converter's encoding is checked on E:");
#endif
}

void Form1Test::openPlaylists()
{
    const QString lists = dir_->filePath(QStringLiteral("lists")) + u'/';
    const QString other = dir_->filePath(QStringLiteral("other")) + u'/';
    QDir().mkpath(lists);
    QDir().mkpath(other);
    for (const QString &name : {QStringLiteral("Pop.wpl"), QStringLiteral("Rock.wpl"), QStringLiteral("Jazz.wpl"),
                                QStringLiteral("notes.txt")})
        writeFile(lists + name, "..\\x.mp3");
    writeFile(other + QStringLiteral("Far.wpl"), "..\\x.mp3");
    auto window = makeWindow();
    // As the desktop passes them: in any order, some not playlists at all.
    window->openPlaylists({lists + QStringLiteral("Rock.wpl"), lists + QStringLiteral("Pop.wpl"),
                           lists + QStringLiteral("notes.txt"), other + QStringLiteral("Far.wpl"),
                           lists + QStringLiteral("Gone.wpl")});
    QCOMPARE(ui(window).txtPlaylistLoc->text(), QDir::toNativeSeparators(lists));
    // The start-up fallback (no "My Playlists" folder: the root) gave way.
    QCOMPARE(ui(window).txtOutputLoc->text(), QDir::toNativeSeparators(lists));
    QCOMPARE(ui(window).File1->count(), 3);
    QCOMPARE(ui(window).File1->selectedItems().size(), 0);
    QCOMPARE(ui(window).ListBox2->count(), 2);
    QCOMPARE(ui(window).ListBox2->item(0)->text(), QStringLiteral("Pop.wpl")); // in list order, as ">>" queues
    QCOMPARE(ui(window).ListBox2->item(1)->text(), QStringLiteral("Rock.wpl"));
    QCOMPARE(messages_.shown.size(), 1);
    for (const char *name : {"notes.txt", "Far.wpl", "Gone.wpl"})
        QVERIFY2(messages_.shown[0].informativeText.contains(QLatin1StringView(name)),
                 qPrintable(messages_.shown[0].informativeText));
    // Nothing but refused files: nothing else changes.
    ui(window).txtPlaylistLoc->setText(QDir::toNativeSeparators(other));
    window->openPlaylists({lists + QStringLiteral("notes.txt")});
    QCOMPARE(ui(window).txtPlaylistLoc->text(), QDir::toNativeSeparators(other));
    QCOMPARE(ui(window).ListBox2->count(), 2);
    QCOMPARE(messages_.shown.size(), 2);
    // An output folder the user chose stays as it is.
    auto chosen = makeWindow();
    ui(chosen).txtOutputLoc->setText(QDir::toNativeSeparators(other));
    chosen->openPlaylists({lists + QStringLiteral("Pop.wpl")});
    QCOMPARE(ui(chosen).txtOutputLoc->text(), QDir::toNativeSeparators(other));
}

void Form1Test::screenReaderNames()
{
    auto window = makeWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // Qt names a combo box after its text where AT-SPI carries the label
    // relation instead; its edit part and other systems take the name.
    QAccessibleInterface *typeBox = QAccessible::queryAccessibleInterface(ui(window).cmbFileType);
    const auto labelledBy = typeBox->relations(QAccessible::Label);
    QVERIFY(std::any_of(labelledBy.begin(), labelledBy.end(),
                        [&](const auto &relation) { return relation.first->object() == ui(window).Label6; }));
#ifndef Q_OS_UNIX
    QCOMPARE(typeBox->text(QAccessible::Name), QStringLiteral("Playlist contains"));
#endif
    const QList<std::pair<QWidget *, QString>> names{
        {ui(window).txtPlaylistLoc, QStringLiteral("Playlist Location :")},
        {ui(window).cmbFileType->lineEdit(), QStringLiteral("Playlist contains")},
        {ui(window).File1, QStringLiteral("Window Media Player 9 Playlists")},
        {ui(window).ListBox2, QStringLiteral("Playlists to be converted")},
        {ui(window).txtOutputLoc, QStringLiteral("Output Location :")},
        {ui(window).txtMediaLoc, QStringLiteral("Media Location :")},
        {ui(window).CmdFind, QStringLiteral("Choose playlist folder")},
        {ui(window).Command2, QStringLiteral("Add to queue")},
        {ui(window).Command4, QStringLiteral("Remove from queue")},
        {ui(window).Command5, QStringLiteral("Choose output folder")},
        {ui(window).Command1, QStringLiteral("Convert")},
    };
    for (const auto &[control, name] : names)
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
    QCOMPARE(ui(window).CmdFind->text(), QStringLiteral("..."));
    QCOMPARE(ui(window).Command2->text(), QStringLiteral(">>"));

    // The file list's entry is not "focused" while another control has the focus.
    ui(window).File1->addItems({QStringLiteral("a.wpl"), QStringLiteral("b.wpl")});
    ui(window).File1->setFocus();
    clickRow(ui(window).File1, 1);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(ui(window).File1);
    const auto entryFocused = [&] {
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->state().focused)
                return true;
        }
        return false;
    };
    QVERIFY(entryFocused());
    ui(window).txtMediaLoc->setFocus();
    QVERIFY(!entryFocused());
    ui(window).File1->setFocus();
    QCOMPARE(ui(window).File1->currentRow(), 1); // the keyboard carries on where it was
}

void Form1Test::textsFitAnyFont_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::newRow("Tahoma, as designed") << QStringLiteral("Tahoma") << 8.25;
    QTest::newRow("a wide stand-in") << QStringLiteral("DejaVu Sans") << 10.0;
}

void Form1Test::textsFitAnyFont()
{
    QFETCH(QString, family);
    QFETCH(double, points);
    auto window = makeWindow();
    QFont font(family);
    font.setPointSizeF(points);
    window->setFont(font);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (QLabel *label : {ui(window).Label1, ui(window).Label2, ui(window).Label6})
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
    QVERIFY(ui(window).Label3->geometry().right() < ui(window).txtPlaylistLoc->x());
    QVERIFY(ui(window).Label4->x() >= 0 && ui(window).Label5->x() >= 0);
    const QLineEdit *type = ui(window).cmbFileType->lineEdit();
    QVERIFY(type->fontMetrics().horizontalAdvance(type->text()) < type->width());
#ifndef Q_OS_WIN
    // Tahoma fits as designed. (Qt's offscreen platform on Windows measures it
    // with unhinted FreeType, wider than the system does: there it shrinks.)
    if (family == QStringLiteral("Tahoma"))
        QCOMPARE(window->font().pointSizeF(), 8.25);
#endif
}

void Form1Test::frameCentred_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("frameTopLeft");
    // A 20-pixel title bar and 1-pixel borders: the frame, not the client area,
    // stands in the middle.
    QTest::newRow("main window") << QSize(433, 455) << QMargins(1, 20, 1, 1) << QRect(0, 0, 1024, 768) << QPoint(294, 146);
    QTest::newRow("unframed") << QSize(418, 379) << QMargins() << QRect(0, 0, 1024, 768) << QPoint(303, 194);
    QTest::newRow("second screen, panel on top")
        << QSize(400, 300) << QMargins(4, 30, 4, 4) << QRect(1920, 40, 1280, 984) << QPoint(2356, 365);
}

void Form1Test::frameCentred()
{
    QFETCH(QSize, client);
    QFETCH(QMargins, frame);
    QFETCH(QRect, available);
    QTEST(centredFrameTopLeft(client, frame, available), "frameTopLeft");
}

void Form1Test::endingTheProgram_data()
{
    QTest::addColumn<int>("how");
    QTest::addColumn<int>("aboutState"); // the About window: 0 none, 1 shown, 2 hidden
    for (const int how : {0, 1, 2}) {
        const char *name = how == 0 ? "Quit" : how == 1 ? "Exit" : "close box";
        for (const int aboutState : {0, 1, 2})
            QTest::addRow("%s, About %s", name, aboutState == 0 ? "none" : aboutState == 1 ? "shown" : "hidden")
                << how << aboutState;
    }
}

void Form1Test::endingTheProgram()
{
    QFETCH(int, how);
    QFETCH(int, aboutState);
    auto window = makeWindow();
    window->show();
    if (aboutState) {
        ui(window).mnuAbout->trigger();
        if (aboutState == 2)
            ui(window->aboutWindow()).Command1->click();
        QCOMPARE(window->aboutWindow()->isVisible(), aboutState == 1);
    }
    const QPointer<QWidget> about = window->aboutWindow();
    QTimer::singleShot(0, window.get(), [&] {
        if (how == 0)
            ui(window).Command3->click();
        else if (how == 1)
            ui(window).mnuExit->trigger();
        else
            window->close();
    });
    QTimer::singleShot(5000, window.get(), [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window->isVisible());
    QVERIFY(about.isNull());
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
