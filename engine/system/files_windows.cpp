#include "engine/system/files.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <io.h>

namespace velandry::files {

namespace {

Error windowsError(DWORD error = GetLastError())
{
    return {qt_error_string(int(error))};
}

const wchar_t *wide(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

HANDLE handleOf(QFileDevice &file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}

} // namespace

Kind kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Kind::Missing;
    return info.isDir() ? Kind::Folder : info.isFile() ? Kind::Ordinary : Kind::Other;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

Result<void, Error> openForReading(QFile &file, const QString &path)
{
    file.setFileName(path);
    if (file.open(QIODevice::ReadOnly))
        return {};
    return failed(Error{file.errorString()});
}

Result<void, Error> createNew(QFile &file, const QString &path)
{
    file.setFileName(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return {};
    return failed(Error{file.errorString()});
}

Result<void, Error> remove(const QString &path)
{
    QFile file(path);
    if (!file.remove())
        return failed(Error{file.errorString()});
    return {};
}

Result<Copied, CopyFault> copyData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64)> &keepGoing)
{
    const HANDLE in = handleOf(from);
    const HANDLE out = handleOf(to);
    QByteArray buffer(int(qMin<qint64>(piece, qint64(1) << 20)), Qt::Uninitialized);
    Copied copied;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in, buffer.data(), DWORD(buffer.size()), &read, nullptr))
            return failed(CopyFault{true, windowsError().reason});
        if (read == 0)
            return copied;
        for (DWORD written = 0; written < read;) {
            DWORD now = 0;
            if (!WriteFile(out, buffer.constData() + written, read - written, &now, nullptr))
                return failed(CopyFault{false, windowsError().reason});
            written += now;
        }
        copied.bytes += read;
        if (keepGoing && !keepGoing(copied.bytes)) {
            copied.stopped = true;
            return copied;
        }
    }
}

bool sync(QFile &file)
{
    return file.flush() && FlushFileBuffers(handleOf(file));
}

void startWriteback(QFileDevice &) { }

Result<void, Error> replace(const QString &from, const QString &to)
{
    // The data first, then the name: MOVEFILE_WRITE_THROUGH waits for the move only.
    const HANDLE file = CreateFileW(wide(from), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    const DWORD flushError = GetLastError();
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (!flushed)
        return failed(windowsError(flushError));
    if (!MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return failed(windowsError());
    return {};
}

Result<void, Error> renameWithoutReplacing(const QString &from, const QString &to)
{
    // Without MOVEFILE_REPLACE_EXISTING the system refuses a name that is
    // taken, in any letter case.
    if (!MoveFileExW(wide(from), wide(to), MOVEFILE_WRITE_THROUGH))
        return failed(windowsError());
    return {};
}

bool setModificationTime(const QString &path, const QDateTime &time)
{
    const HANDLE file = CreateFileW(wide(path), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // 100-nanosecond intervals since 1601.
    const ULONGLONG ticks = ULONGLONG(time.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
    FILETIME modified{DWORD(ticks & 0xFFFFFFFF), DWORD(ticks >> 32)};
    const bool set = SetFileTime(file, nullptr, nullptr, &modified);
    CloseHandle(file);
    return set;
}

// The file cannot be renamed or deleted while it is open here (Qt shares it
// for reading and writing only), so its name leads to it.
std::optional<Stamp> stampOf(QFile &, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return Stamp{info.size(), info.lastModified().toMSecsSinceEpoch(), info.metadataChangeTime().toMSecsSinceEpoch()};
}

} // namespace velandry::files
