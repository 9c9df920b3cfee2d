#include "engine/system/file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace velandry {

// Names are UTF-16 here: none holds bytes that a string cannot, and Qt's own
// file classes serve every name.
bool holdsRawBytes(QStringView)
{
    return false;
}

QByteArray nativeName(const QString &path)
{
    return QFile::encodeName(path);
}

QByteArray nameForLibraries(const QString &path)
{
    return path.toUtf8();
}

QStringList commandLineArguments(int, char **)
{
    return QCoreApplication::arguments(); // from the UTF-16 command line, not the ANSI argv
}

QStringList ordinaryFileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files);
}

} // namespace velandry
