#pragma once

// File names as the system has them. On POSIX a name is bytes, and bytes that
// are not UTF-8 (a Latin-1 name copied from an old card) stand in a QString as
// the lone surrogates U+DC80..U+DCFF, one per byte, so that the file can still
// be opened and a name derived from it written under the same bytes. Qt's own
// file classes cannot take such a name; holdsRawBytes() tells the engine to
// use the functions of files.h instead. On Windows names are UTF-16 and hold
// none.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velandry {

bool holdsRawBytes(QStringView path);
QByteArray nativeName(const QString &path);

// A path as a library that takes file names as bytes wants it (FFmpeg): the
// system's own bytes on POSIX, UTF-8 on Windows (which such a library turns
// into UTF-16 there).
QByteArray nameForLibraries(const QString &path);

// The program's arguments with names as above (QCoreApplication::arguments()
// turns such bytes into U+FFFD).
QStringList commandLineArguments(int argc, char **argv);

// The names of the ordinary files in `folder` that are not hidden, as above.
QStringList ordinaryFileNames(const QString &folder);

} // namespace velandry
