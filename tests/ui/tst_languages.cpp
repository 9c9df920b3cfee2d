// Both windows in every language: each text fits its control in the fixed
// layout at the window's own font (no smaller font stands in), with the
// system's fallback for the scripts Tahoma lacks; the accessibility tree
// speaks the language; a language that reads right to left mirrors the
// windows. Run at 100 % and, by CTest, at 150 % (QT_SCALE_FACTOR).
#include "tests/ui/fake_services.h"
#include "wording/translations.h"
#include "tests/ui/window_controls.h"
#include "ui/window_setup.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace velandry;

namespace {

// What a label or button shows of its text: the access key's "&" is drawn as
// an underline.
QString shown(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// Where `widget`'s text does not fit, a line saying so.
QString overflow(const QWidget *widget, const QString &text, int room)
{
    const int needed = widget->fontMetrics().horizontalAdvance(shown(text));
    if (needed <= room)
        return {};
    return QStringLiteral("%1 \"%2\": %3 px for %4").arg(widget->objectName(), text).arg(needed).arg(room);
}

int buttonRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

} // namespace

class LanguagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everyTextFits_data();
    void everyTextFits();
    void screenReadersHearTheLanguage_data();
    void screenReadersHearTheLanguage();

private:
    FakeShell shell_;
    FakeMessages messages_;
};

void LanguagesTest::initTestCase()
{
    provideTahoma();
}

void LanguagesTest::cleanup()
{
    installTranslations({QStringLiteral("en")});
}

void LanguagesTest::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translatedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void LanguagesTest::everyTextFits()
{
#ifdef Q_OS_WIN
    QSKIP("The fonts measured are Debian's (Wine's Tahoma and the fallbacks for other scripts)");
#endif
    QFETCH(QString, language);
    QCOMPARE(installTranslations({language}), language);
    Form1 window(shell_, messages_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Form1Controls c(&window);
    QStringList faults;
    const auto check = [&](const QString &fault) {
        if (!fault.isEmpty())
            faults.append(fault);
    };
    // The window keeps the font it was laid out for: no caption made it smaller.
    if (window.font().pointSizeF() != tahoma().pointSizeF())
        faults.append(QStringLiteral("the window's font went down to %1 pt").arg(window.font().pointSizeF()));
    for (const QLabel *label : {c.Label1, c.Label2, c.Label6})
        check(overflow(label, label->text(), label->width()));
    // The labels that size themselves stay clear of their fields and inside the window.
    const QRect client = window.centralWidget()->rect();
    for (const auto &[label, field] : {std::pair<QLabel *, QWidget *>{c.Label3, c.txtPlaylistLoc}, {c.Label4, c.txtOutputLoc},
                                       {c.Label5, c.txtMediaLoc}}) {
        if (label->geometry().intersects(field->geometry()) || !client.contains(label->geometry()))
            faults.append(QStringLiteral("%1 \"%2\" at %3,%4 %5 px wide runs into its field or out of the window")
                              .arg(label->objectName(), label->text())
                              .arg(label->x())
                              .arg(label->y())
                              .arg(label->width()));
    }
    for (const QPushButton *button : {c.Command1, c.Command3})
        check(overflow(button, button->text(), buttonRoom(button)));
    QStyleOptionComboBox box;
    box.initFrom(c.cmbFileType);
    box.editable = true;
    box.frame = true;
    const QRect edit = c.cmbFileType->style()->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField,
                                                              c.cmbFileType);
    check(overflow(c.cmbFileType, c.cmbFileType->currentText(), edit.width() - 4));

    window.mnuAbout_Click();
    frmAbout *about = window.aboutWindow();
    const AboutControls a(about);
    const QFont aboutFont = QApplication::font();
    for (const QLabel *label : {a.Label1, a.Label2, a.Label4})
        check(overflow(label, label->text(), label->width()));
    check(overflow(a.Command1, a.Command1->text(), buttonRoom(a.Command1)));
    // The caption that wraps shows all of its lines, at the window's font.
    if (a.Label3->heightForWidth(a.Label3->width()) > a.Label3->height() || a.Label3->font().pointSizeF() < aboutFont.pointSizeF())
        faults.append(QStringLiteral("Label3 \"%1\" needs %2 px of height where it has %3, at %4 pt")
                          .arg(a.Label3->text())
                          .arg(a.Label3->heightForWidth(a.Label3->width()))
                          .arg(a.Label3->height())
                          .arg(a.Label3->font().pointSizeF()));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void LanguagesTest::screenReadersHearTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("Japanese") << QStringLiteral("ja") << false;
    QTest::newRow("German") << QStringLiteral("de") << false;
    QTest::newRow("Arabic") << QStringLiteral("ar") << true;
}

void LanguagesTest::screenReadersHearTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    QCOMPARE(installTranslations({language}), language);
    Form1 window(shell_, messages_);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Form1Controls c(&window);
    const auto heard = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
    };
    // Each name as the translation has it, and none as the English has it.
    const auto translated = [](const char *english) {
        return QCoreApplication::translate("velandry::Form1", english);
    };
    const QList<std::pair<QObject *, const char *>> names{
        {c.Command1, "&Convert"},        {c.Command3, "&Quit"},          {c.CmdFind, "Choose playlist folder"},
        {c.Command2, "Add to queue"},    {c.Command4, "Remove from queue"}, {c.Command5, "Choose output folder"},
        {c.txtOutputLoc, "Output Location :"}, {c.File1, "Window Media Player 9 Playlists"},
    };
    for (const auto &[control, english] : names) {
        const QString name = heard(control);
        QVERIFY2(name != shown(QString::fromLatin1(english)), qPrintable(name));
        QVERIFY2(shown(translated(english)).startsWith(name.trimmed()) || name.startsWith(shown(translated(english)).remove(u':').trimmed()),
                 qPrintable(QStringLiteral("%1 heard as \"%2\"").arg(QString::fromLatin1(english), name)));
    }
    QCOMPARE(window.layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    // Mirrored: the list of playlists on the right, the queue on the left,
    // and the arrow that adds to the queue points to it: the same ">>", drawn
    // in the text's direction, which turns it round.
    QCOMPARE(c.File1->x() > c.ListBox2->x(), mirrored);
    QCOMPARE(c.Command2->text(), QStringLiteral(">>"));
    QCOMPARE(c.Command2->layoutDirection(), mirrored ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(c.Label3->x() > c.txtPlaylistLoc->x(), mirrored);
    window.mnuAbout_Click();
    const AboutControls a(window.aboutWindow());
    QCOMPARE(a.Command1->x() < a.Label4->x(), mirrored);
    QVERIFY(heard(a.Command1) != QStringLiteral("Close"));
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
