#include "command_line.h"
#include "console_output.h"
#include "system.h"
#include "translations.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velandry-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELANDRY_VERSION));
    velandry::installTranslations();
    velandry::ConsoleOutput standardOutput(stdout);
    velandry::ConsoleOutput standardError(stderr);
    QTextStream out(&standardOutput);
    QTextStream err(&standardError);
    // Names as the system gave them: a playlist whose name is not UTF-8 is
    // still found, and its output written under the same bytes.
    return velandry::runCommandLine(velandry::detail::commandLineArguments(argc, argv), out, err);
}
