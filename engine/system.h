#pragma once

// What differs per system below the windows, in one place: asking the
// system's converter for a code page's tables (ICU outside Windows, the
// system's own functions on Windows), the default code page, replacing a file
// and writing text to a console. Exactly one of system_posix.cpp and
// system_windows.cpp is built.

#include "code_page_tables.h"

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace velandry::detail {

// Fills `tables` as Windows converts `codePage`; false when this system has no
// converter for it.
bool loadSystemTables(int codePage, CodePageTables &tables);

// The same before the corrections that make ICU agree with Windows (the same
// tables on Windows), for the tool that writes those corrections.
bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables);

// Reads text in an encoding that a playlist's XML declaration names
// ("ISO-8859-15", "KOI8-R", "EUC-JP"), with the system's own converter: ICU's
// converter of that name outside Windows; on Windows the code page Windows
// has for the name (its MIME database: 28605, 20866, 20932, ...).
class TextDecoder
{
public:
    virtual ~TextDecoder() = default;
    // Appends the text of the next piece of the bytes; `last` with the final
    // piece. A sequence the encoding does not hold reads as U+FFFD.
    virtual void decode(QByteArrayView piece, bool last, QString &out) = 0;
};
// Null where the system knows no such encoding.
std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name);

// The system's ANSI code page on Windows (GetACP()), 0 elsewhere.
int systemAnsiCodePage();

// On Windows the ANSI code page of the user's locale, 0 where it has none;
// 0 elsewhere.
int userLocaleAnsiCodePage();

// Puts `from` in the place of `to` in one step, replacing an existing file,
// after flushing `from` to the disk (and, where the system needs it, the
// folder's new entry after it); an empty text on success, else the system's
// reason.
QString replaceFile(const QString &from, const QString &to);

// File names. On POSIX a name is bytes, and bytes that are not UTF-8 (a
// Latin-1 name copied from an old card) stand in a QString as the lone
// surrogates U+DC80..U+DCFF, one per byte, so that the file can still be
// opened and a name derived from it written under the same bytes. Qt's own
// file classes cannot take such a name; holdsRawBytes() tells the engine to
// use the functions below instead. On Windows names are UTF-16 and hold none.
bool holdsRawBytes(QStringView path);
QByteArray nativeName(const QString &path);
// The program's arguments with names as above (QCoreApplication::arguments()
// turns such bytes into U+FFFD).
QStringList commandLineArguments(int argc, char **argv);

// The names of the ordinary files in `folder` that are not hidden, as above.
QStringList ordinaryFileNames(const QString &folder);

enum class FileKind { Missing, Folder, Ordinary, Other };
FileKind kindOf(const QString &path);
// Whether two names lead to the same file (false where either is missing).
bool sameFile(const QString &a, const QString &b);
// Opens `path` for reading, or a new file (which must not exist yet) for
// writing with the permissions the umask leaves; an empty text on success,
// else the system's reason.
QString openForReading(QFile &file, const QString &path);
QString createNewFile(QFile &file, const QString &path);
bool removeFile(const QString &path);

// Copies the bytes of `from` (open for reading, at its start) into `to` (open
// for writing) at the kernel's pace, a piece at a time: copy_file_range or
// sendfile where the system has them. `keepGoing` is told how many bytes are
// copied after each piece of at most `piece` bytes, and stops the copy by
// answering false. An empty text where it finished or was stopped (`stopped`
// says which), else the system's reason; `reading` tells whether reading
// failed rather than writing. `copied` is how many bytes were copied.
QString copyFileData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64 copied)> &keepGoing,
                     bool &stopped, bool &reading, qint64 &copied);
// Flushes an open file's data to the disk.
bool syncFile(QFile &file);
// Starts writing what was written to an open file out to the disk, without
// waiting for it: the flush at its end then has less to wait for. Nothing
// where the system has no such call.
void startWriteback(QFileDevice &file);
// Gives `from` the name `to`, where no file of that name (in any letter case
// the file system ignores) exists yet: never replaces one. An empty text on
// success, else the system's reason.
QString renameWithoutReplacing(const QString &from, const QString &to);
// Sets a file's modification time.
bool setModificationTime(const QString &path, const QDateTime &time);
// Whether `stream` is a terminal (a line can be redrawn there).
bool isTerminal(std::FILE *stream);

// A request to stop that reached the program from outside: SIGINT or SIGTERM
// (Ctrl+C, or closing the console, on Windows). watchStopRequests() starts
// noting them instead of ending the process; stopRequest() is the signal's
// number, 0 while none came.
void watchStopRequests();
int stopRequest();

// What tells one state of an open file from the next: another program that
// writes, shortens or grows it changes one of these.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = 0;
    qint64 changed = 0;
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
std::optional<FileStamp> stampOf(QFile &openFile, const QString &path);

// While alive, reads of the mapping [begin, begin + size) of a file that
// another program shortens read zeros instead of ending the process (POSIX
// sends SIGBUS for a page past the file's new end; Windows refuses to shorten
// a mapped file), and faulted() says that it happened.
class MappingGuard final
{
public:
    MappingGuard(const void *begin, qsizetype size);
    ~MappingGuard();
    MappingGuard(const MappingGuard &) = delete;
    MappingGuard &operator=(const MappingGuard &) = delete;
    bool faulted() const;

private:
    int slot_ = -1;
};

// The console `stream` writes to, where the system takes text for a console
// as characters rather than bytes (Windows), else nullptr: there the bytes go
// out as they are.
void *consoleOf(std::FILE *stream);

// Writes `text` to a console that consoleOf() gave.
void writeToConsole(void *console, QStringView text);

} // namespace velandry::detail
