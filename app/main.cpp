#include "form1.h"
#include "message_boxes.h"
#include "qt_shell_services.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

// The window is laid out for Tahoma. Outside Windows, Wine's free Tahoma
// (Debian's fonts-wine) keeps the layout true where the system lacks the font.
void provideTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    for (const char *file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/fonts/truetype/wine/tahoma.ttf"})
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) >= 0)
            return;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velandry"));
    QApplication::setApplicationVersion(QStringLiteral(VELANDRY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("velandry"));
    provideTahoma();

    velandry::QtShellServices shell;
    velandry::QtMessageBoxes messages;
    velandry::Form1 window(shell, messages);
    window.show();
    return QApplication::exec();
}
