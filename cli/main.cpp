#include "command_line.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velandry-convert"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELANDRY_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return velandry::runCommandLine(QCoreApplication::arguments(), out, err);
}
