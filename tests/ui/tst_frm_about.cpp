#include "tests/ui/fake_services.h"
#include "tests/ui/window_controls.h"
#include "ui/main/form1.h"
#include "ui/about/frm_about.h"
#include "ui/about/frm_about_layout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velandry;

class AboutTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void oneInstance();
    void closeKeepsScrollPosition();
    void closeBoxGivesFreshWindow();
    void designValues();
    void layoutMatchesTable();
    void historyIsReadOnlyButCopyable();
    void cursorAndTooltip_data();
    void cursorAndTooltip();
    void linksOpen_data();
    void linksOpen();
    void captionShowsAllItsText_data();
    void captionShowsAllItsText();
    void windowForScreenReaders();
    void quitWithAboutShown();

private:
    frmAbout *openAbout();

    std::unique_ptr<QTemporaryDir> documents_;
    FakeShell shell_;
    FakeMessages messages_;
    std::unique_ptr<Form1> main_;
};

void AboutTest::init()
{
    documents_ = std::make_unique<QTemporaryDir>();
    shell_ = FakeShell();
    shell_.documents = QDir::toNativeSeparators(documents_->path());
    main_ = std::make_unique<Form1>(shell_, messages_);
    main_->show();
}

void AboutTest::cleanup()
{
    // The main window takes the About window with it.
    const QPointer<frmAbout> about = main_->aboutWindow();
    main_.reset();
    QVERIFY(about.isNull());
}

frmAbout *AboutTest::openAbout()
{
    ui(main_).mnuAbout->trigger();
    return main_->aboutWindow();
}

void AboutTest::oneInstance()
{
    QVERIFY(!main_->aboutWindow());
    frmAbout *first = openAbout();
    QVERIFY(first && first->isVisible());
    QCOMPARE(openAbout(), first);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return w->objectName() == QStringLiteral("frmAbout"); }),
             1);
    QVERIFY(main_->isEnabled()); // modeless: the main window stays usable
    QVERIFY(!first->isModal());
    QCOMPARE(first->parentWidget(), nullptr);
}

void AboutTest::closeKeepsScrollPosition()
{
    frmAbout *about = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QScrollBar *bar = ui(about).txtVersion->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    ui(about).Command1->click();
    QVERIFY(!about->isVisible());
    QCOMPARE(openAbout(), about);
    QVERIFY(about->isVisible());
    QCOMPARE(bar->value(), bar->maximum());
}

void AboutTest::closeBoxGivesFreshWindow()
{
    frmAbout *about = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    ui(about).txtVersion->verticalScrollBar()->setValue(ui(about).txtVersion->verticalScrollBar()->maximum());
    const QPointer<frmAbout> old = about;
    about->close();
    QTRY_VERIFY(old.isNull());
    frmAbout *fresh = openAbout();
    QVERIFY(fresh);
    QCOMPARE(ui(fresh).txtVersion->verticalScrollBar()->value(), 0);
}

void AboutTest::designValues()
{
    frmAbout *about = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->size(), QSize(418, 379));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(about->windowIcon().isNull() || !about->testAttribute(Qt::WA_SetWindowIcon));
    const Qt::WindowFlags flags = about->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool); // no taskbar button
    QCOMPARE(about->font(), QApplication::font()); // not the main window's Tahoma
    QCOMPARE(ui(about).Label1->text(), QStringLiteral("Please visit for updates, faq and help"));
    QCOMPARE(ui(about).Label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(ui(about).Label2->text(), QStringLiteral("Revision History"));
    QCOMPARE(ui(about).Command1->text(), QStringLiteral("&Close"));
    QVERIFY(!ui(about).Command1->autoDefault() && !ui(about).Command1->isDefault());
    QCOMPARE(ui(about).Label3->text(), QStringLiteral("If you feel that this software is worth using, please feel free to "
                                                   "help towards future developments"));
    QVERIFY(ui(about).Label3->wordWrap());
    QVERIFY(!ui(about).Label4->text().isEmpty());
    QVERIFY(!ui(about).Label4->text().contains(u'\n'));
    QCOMPARE(ui(about).Image1->pixmap().size(), QSize(295, 62));
    QCOMPARE(ui(about).Image2->pixmap().size(), QSize(62, 31));
    QCOMPARE(QImage(QStringLiteral(":/velandry/donate.png")).format(), QImage::Format_Indexed8); // 256 colours
    QCOMPARE(ui(about).Image1->frameShape(), QFrame::Box);
    QCOMPARE(ui(about).Image1->lineWidth(), 1);
    QCOMPARE(ui(about).Image2->frameShape(), QFrame::NoFrame);

    // Focus starts in the history box; Tab goes between it and Close.
    QCOMPARE(QApplication::focusWidget(), ui(about).txtVersion);
    QTest::keyClick(ui(about).txtVersion, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui(about).Command1);
    QTest::keyClick(ui(about).Command1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui(about).txtVersion);
    // Enter and Esc press nothing.
    QTest::keyClick(ui(about).Command1, Qt::Key_Return);
    QTest::keyClick(ui(about).Command1, Qt::Key_Escape);
    QVERIFY(about->isVisible());
}

void AboutTest::layoutMatchesTable()
{
    frmAbout *about = openAbout();
    // The design's twips at 15 to a pixel, rounded: left, top, width, height.
    // (Label3 sizes itself to its text: captionShowsAllItsText.)
    const QList<std::pair<QWidget *, QRect>> places{
        {ui(about).Label1, QRect(61, 80, 297, 17)},     {ui(about).Label2, QRect(9, 104, 217, 17)},
        {ui(about).txtVersion, QRect(9, 120, 401, 137)}, {ui(about).Command1, QRect(344, 272, 65, 33)},
        {ui(about).Label4, QRect(8, 296, 257, 25)},      {ui(about).Image2, QRect(8, 336, 62, 31)},
    };
    for (const auto &[control, place] : places)
        QCOMPARE(control->geometry(), place);
    QCOMPARE(ui(about).Image1->geometry(), QRect(61, 8, 297, 64)); // the picture and its one-pixel border
    QCOMPARE(ui(about).Label1->width(), ui(about).Image1->width());
    QCOMPARE(ui(about).Line1->geometry(), QRect(8, 320, 400, 1));
}

void AboutTest::historyIsReadOnlyButCopyable()
{
    frmAbout *about = openAbout();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QCOMPARE(kRevisionHistory.count(u"\r\n"), 10);
    QVERIFY(kRevisionHistory.endsWith(u"(File extension error)\r\n"));
    QString shown = kRevisionHistory.toString();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QCOMPARE(ui(about).txtVersion->toPlainText(), shown);
    QVERIFY(ui(about).txtVersion->isReadOnly());
    QTest::keyClicks(ui(about).txtVersion, QStringLiteral("typed"));
    QTest::keyClick(ui(about).txtVersion, Qt::Key_Delete);
    QTest::keyClick(ui(about).txtVersion, Qt::Key_Backspace);
    QCOMPARE(ui(about).txtVersion->toPlainText(), shown);
    ui(about).txtVersion->selectAll();
    ui(about).txtVersion->copy();
    QCOMPARE(QApplication::clipboard()->text(), shown);
}

void AboutTest::cursorAndTooltip_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("upper picture") << QStringLiteral("Image1") << true << QStringLiteral("Click here for updates");
    QTest::newRow("lower picture") << QStringLiteral("Image2") << true << QString();
    for (const char *other : {"Label1", "Label2", "Label3", "Label4", "Command1"})
        QTest::newRow(other) << QString::fromLatin1(other) << false << QString();
}

void AboutTest::cursorAndTooltip()
{
    QFETCH(QString, control);
    QFETCH(bool, hand);
    QFETCH(QString, tooltip);
    frmAbout *about = openAbout();
    auto *widget = about->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(widget->testAttribute(Qt::WA_SetCursor), hand);
    QCOMPARE(widget->toolTip(), tooltip);
    QVERIFY(!about->testAttribute(Qt::WA_SetCursor));
    if (!hand)
        return;
    const QCursor cursor = widget->cursor();
    QCOMPARE(cursor.shape(), Qt::BitmapCursor);
    QCOMPARE(cursor.hotSpot(), QPoint(12, 9));
    QCOMPARE(cursor.bitmap().size(), QSize(32, 32));
    // Monochrome, the hot spot on the black tip of the finger, clear above it.
    const QImage bits = cursor.bitmap().toImage();
    const QImage mask = cursor.mask().toImage();
    QCOMPARE(bits.depth(), 1);
    QCOMPARE(bits.pixelIndex(12, 9), 1);
    QCOMPARE(mask.pixelIndex(12, 9), 1);
    QCOMPARE(mask.pixelIndex(12, 8), 0);
    QCOMPARE(mask.pixelIndex(0, 0), 0);
}

void AboutTest::linksOpen_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("target");
    QTest::newRow("web site") << QStringLiteral("Image1") << QStringLiteral("http://www.velandry.example");
    QTest::newRow("donation") << QStringLiteral("Image2")
                              << QStringLiteral("https://payments.example/xclick/business=donate%40velandry.example"
                                                "&no_note=1&tax=0&currency_code=GBP");
}

void AboutTest::linksOpen()
{
    QFETCH(QString, picture);
    QFETCH(QString, target);
    frmAbout *about = openAbout();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto *link = about->findChild<PictureLink *>(picture);
    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(shell_.opened, QList<QUrl>{QUrl(target)});
    QVERIFY(about->isVisible());
    // A press that ends outside the picture is no click.
    QTest::mousePress(link, Qt::LeftButton, {}, link->rect().center());
    QTest::mouseRelease(link, Qt::LeftButton, {}, link->rect().bottomRight() + QPoint(5, 5));
    QCOMPARE(shell_.opened.size(), 1);
    // A screen reader sees a link with a name, and its press action opens it.
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QVERIFY(!accessible->text(QAccessible::Name).isEmpty());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(shell_.opened.size(), 2);
    QCOMPARE(shell_.opened[1], shell_.opened[0]);
    QCOMPARE(link->focusPolicy(), Qt::NoFocus);
    shell_.opened.removeLast();
    // Clicking the labels or the history box opens nothing.
    QTest::mouseClick(ui(about).Label1, Qt::LeftButton);
    QTest::mouseClick(ui(about).Label3, Qt::LeftButton);
    QTest::mouseClick(ui(about).txtVersion->viewport(), Qt::LeftButton);
    QCOMPARE(shell_.opened.size(), 1);
}

void AboutTest::captionShowsAllItsText_data()
{
    QTest::addColumn<double>("points"); // the toolkit's default font; 0 as it is
    QTest::newRow("default font") << 0.0;
    QTest::newRow("12 pt") << 12.0;
    QTest::newRow("16 pt") << 16.0;
}

void AboutTest::captionShowsAllItsText()
{
    QFETCH(double, points);
    frmAbout *about = openAbout();
    if (points > 0) {
        QFont font = about->font();
        font.setPointSizeF(points);
        about->setFont(font);
    }
    const QRect caption = ui(about).Label3->geometry();
    QCOMPARE(caption.topLeft(), QPoint(80, 337));
    QVERIFY(ui(about).Label3->heightForWidth(caption.width()) <= caption.height());
    QVERIFY(about->rect().contains(caption));
    QVERIFY(caption.left() > ui(about).Image2->geometry().right());
}

void AboutTest::windowForScreenReaders()
{
    frmAbout *about = openAbout();
    QCOMPARE(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Dialog);
    QCOMPARE(QAccessible::queryAccessibleInterface(ui(about).txtVersion)->text(QAccessible::Name),
             QStringLiteral("Revision History"));
}

void AboutTest::quitWithAboutShown()
{
    const QPointer<frmAbout> about = openAbout();
    QTimer::singleShot(0, main_.get(), [this] { ui(main_).Command3->click(); });
    QTimer::singleShot(5000, main_.get(), [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(about.isNull());
}

QTEST_MAIN(AboutTest)
#include "tst_frm_about.moc"
