#include "cli/command_line.h"
#include "cli/console_output.h"
#include "engine/system/file_names.h"
#include "wording/translations.h"

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
    return velandry::runCommandLine(velandry::commandLineArguments(argc, argv), out, err);
}
