#include "platform/system_shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velandry;

// The chooser as the user meets it: title, where it opens, what it answers,
// and that it leaves no file behind (Qt's own file dialog keeps a history).
class FolderChooserTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void choose_data();
    void choose();

private:
    QTemporaryDir home_;
};

void FolderChooserTest::initTestCase()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the chooser is the system's own, which no test can drive");
#endif
    QVERIFY(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
    QDir(home_.path()).mkpath(QStringLiteral("Music/Lists"));
}

void FolderChooserTest::choose_data()
{
    QTest::addColumn<QString>("start");   // under home; empty: home itself
    QTest::addColumn<QString>("opensAt"); // under home
    QTest::addColumn<bool>("accept");
    QTest::newRow("opens at the field's folder") << QStringLiteral("Music/Lists") << QStringLiteral("Music/Lists") << true;
    QTest::newRow("missing folder: opens at home") << QStringLiteral("Nowhere") << QString() << true;
    QTest::newRow("cancel") << QStringLiteral("Music") << QStringLiteral("Music") << false;
}

void FolderChooserTest::choose()
{
    QFETCH(QString, start);
    QFETCH(QString, opensAt);
    QFETCH(bool, accept);
    QWidget owner;
    owner.show();
    const QString title = QStringLiteral("Select your Playlist directory");
    const QString expected = QDir::cleanPath(home_.path() + u'/' + opensAt);
    bool seen = false;
    QTimer::singleShot(200, &owner, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen = true;
        QCOMPARE(dialog->windowTitle(), title);
        QVERIFY(dialog->isModal());
        auto *folders = dialog->findChild<QAbstractItemView *>(QStringLiteral("folders"));
        auto *model = qobject_cast<QFileSystemModel *>(folders->model());
        QCOMPARE(model->filePath(folders->currentIndex()), expected);
        QVERIFY(model->filter() & QDir::AllDirs);
        QVERIFY(!(model->filter() & QDir::Files)); // folders only
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    QTimer::singleShot(10000, &owner, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    SystemShell shell;
    const std::optional<QString> chosen = shell.BrowseForFolder(&owner, title, home_.filePath(start));
    QVERIFY(seen);
    QCOMPARE(chosen, accept ? std::optional(QDir::toNativeSeparators(expected)) : std::nullopt);
    // Nothing written: no settings, no history.
    QCOMPARE(QDir(home_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("Music")});
}

QTEST_MAIN(FolderChooserTest)
#include "tst_folder_chooser.moc"
