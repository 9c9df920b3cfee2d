#pragma once

// Files as the engine needs them of the system: what a name is, opening,
// creating, copying, flushing, renaming and dating files, each as the system
// does it best (one implementation for POSIX, one for Windows).

#include "engine/result.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <functional>
#include <optional>

namespace velandry::files {

// Why the system refused, in its own words.
struct Error
{
    QString reason;
};

enum class Kind { Missing, Folder, Ordinary, Other };
Kind kindOf(const QString &path);

// Whether two names lead to the same file (false where either is missing).
bool sameFile(const QString &a, const QString &b);

// Opens `path` for reading, or a new file (which must not exist yet) for
// writing with the permissions the umask leaves.
Result<void, Error> openForReading(QFile &file, const QString &path);
Result<void, Error> createNew(QFile &file, const QString &path);
Result<void, Error> remove(const QString &path);

// Copies the bytes of `from` (open for reading, at its start) into `to` (open
// for writing) at the kernel's pace, a piece of at most `piece` bytes at a
// time. `keepGoing` is told how many bytes are copied after each piece, and
// stops the copy by answering false; a call the system breaks off for a
// signal asks it too, and is made again where it says to go on.
struct Copied
{
    qint64 bytes = 0;
    bool stopped = false;
};
struct CopyFault
{
    bool reading = false; // the source failed, not the target
    QString reason;
};
Result<Copied, CopyFault> copyData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64 copied)> &keepGoing);

// Flushes an open file's data to the disk.
bool sync(QFile &file);

// Starts writing what was written to an open file out to the disk, without
// waiting for it: the flush at its end then has less to wait for. Nothing
// where the system has no such call.
void startWriteback(QFileDevice &file);

// Puts `from` in the place of `to` in one step, replacing an existing file,
// after flushing `from` to the disk (and, where the system needs it, the
// folder's new entry after it).
Result<void, Error> replace(const QString &from, const QString &to);

// Gives `from` the name `to` where no file of that name (in any letter case
// the file system ignores) exists yet: never replaces one.
Result<void, Error> renameWithoutReplacing(const QString &from, const QString &to);

bool setModificationTime(const QString &path, const QDateTime &time);

// What tells one state of an open file from the next: another program that
// writes, shortens or grows it changes one of these.
struct Stamp
{
    qint64 size = -1;
    qint64 modified = 0;
    qint64 changed = 0;
    friend bool operator==(const Stamp &, const Stamp &) = default;
};
std::optional<Stamp> stampOf(QFile &openFile, const QString &path);

} // namespace velandry::files
