// The environment of every suite, set before main(): the offscreen platform,
// and Qt Test's log on the console rather than the debugger. Set here, not only
// by CTest, because Wine passes no QT_ variable on to Windows programs.
#include <QByteArray>
#include <QFile>

#ifdef VELANDRY_TEST_IN_ENGLISH
#include "wording/translations.h"

#include <QCoreApplication>
#endif

namespace {

const bool environmentReady = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    qputenv("QT_FORCE_STDERR_LOGGING", QByteArrayLiteral("1"));
#ifdef Q_OS_WIN
    // The offscreen platform reads font files itself. Wine keeps its own
    // fonts, Tahoma among them, outside the prefix.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) {
        const QByteArray wine = QByteArrayLiteral("Z:/usr/share/wine/fonts");
        qputenv("QT_QPA_FONTDIR", QFile::exists(QString::fromLatin1(wine + "/tahoma.ttf"))
                                      ? wine
                                      : qgetenv("SystemRoot") + QByteArrayLiteral("/Fonts"));
    }
#endif
    return true;
}();

} // namespace

#ifdef VELANDRY_TEST_IN_ENGLISH
namespace {

// The program's words in English, whatever the machine's language; a suite
// that reads another installs it itself.
void readEnglish()
{
    velandry::installTranslations({QStringLiteral("en")});
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(readEnglish)
#endif
