#include "command_line.h"
#include "console_output.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velandry-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELANDRY_VERSION));
    velandry::ConsoleOutput standardOutput(stdout);
    velandry::ConsoleOutput standardError(stderr);
    QTextStream out(&standardOutput);
    QTextStream err(&standardError);
    return velandry::runCommandLine(QCoreApplication::arguments(), out, err);
}
