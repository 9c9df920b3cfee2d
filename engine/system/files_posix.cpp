#include "engine/system/files.h"

#include "engine/system/file_names.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/sendfile.h>
#endif

namespace velandry::files {

namespace {

Error lastError()
{
    return {QString::fromLocal8Bit(std::strerror(errno))};
}

bool statOf(const QString &path, struct stat &status)
{
    return ::stat(nativeName(path).constData(), &status) == 0;
}

// fsync() of a file or folder by its name.
bool syncToDisk(const QByteArray &path, int flags)
{
    const int fd = ::open(path.constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

Kind kindOf(const QString &path)
{
    struct stat status;
    if (!statOf(path, status))
        return Kind::Missing;
    return S_ISDIR(status.st_mode) ? Kind::Folder : S_ISREG(status.st_mode) ? Kind::Ordinary : Kind::Other;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first;
    struct stat second;
    return statOf(a, first) && statOf(b, second) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

Result<void, Error> openForReading(QFile &file, const QString &path)
{
    if (!holdsRawBytes(path)) {
        file.setFileName(path);
        if (file.open(QIODevice::ReadOnly))
            return {};
        return failed(Error{file.errorString()});
    }
    const int fd = ::open(nativeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failed(lastError());
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return {};
}

Result<void, Error> createNew(QFile &file, const QString &path)
{
    if (!holdsRawBytes(path)) {
        file.setFileName(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return {};
        return failed(Error{file.errorString()});
    }
    const int fd = ::open(nativeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed(lastError());
    file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    return {};
}

Result<void, Error> remove(const QString &path)
{
    if (::unlink(nativeName(path).constData()) != 0)
        return failed(lastError());
    return {};
}

Result<Copied, CopyFault> copyData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64)> &keepGoing)
{
    const int in = from.handle();
    const int out = to.handle();
    Copied copied;
    const auto goOn = [&] { return !keepGoing || keepGoing(copied.bytes); };
    const auto fault = [&](bool reading) { return failed(CopyFault{reading, lastError().reason}); };
    // On Linux copy_file_range first (in the kernel, across file systems where
    // it can), then sendfile; reading and writing everywhere else, and where
    // neither is to be had between these two files.
    enum class Way { Range, SendFile, ReadWrite };
#ifdef Q_OS_LINUX
    Way way = Way::Range;
#else
    Way way = Way::ReadWrite;
#endif
    QByteArray buffer;
    for (;;) {
        ssize_t done = 0;
        if (way == Way::ReadWrite) {
            buffer.resize(qMin<qint64>(piece, qint64(1) << 20));
            done = ::read(in, buffer.data(), size_t(buffer.size()));
            if (done < 0 && errno != EINTR)
                return fault(true);
            for (ssize_t written = 0; done > 0 && written < done;) {
                const ssize_t now = ::write(out, buffer.constData() + written, size_t(done - written));
                if (now < 0 && errno == EINTR) {
                    // A stop asked for by a signal stops here; without one the
                    // write is made again. The piece's bytes so far count.
                    if (!goOn())
                        return Copied{copied.bytes + written, true};
                    continue;
                }
                if (now < 0)
                    return fault(false);
                written += now;
            }
        }
#ifdef Q_OS_LINUX
        else if (way == Way::Range) {
            done = ::copy_file_range(in, nullptr, out, nullptr, size_t(piece), 0);
            if (done < 0 && copied.bytes == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                way = Way::SendFile;
                continue;
            }
        } else {
            done = ::sendfile(out, in, nullptr, size_t(piece));
            if (done < 0 && copied.bytes == 0 && (errno == ENOSYS || errno == EINVAL)) {
                way = Way::ReadWrite;
                continue;
            }
        }
#endif
        if (done < 0 && errno == EINTR) {
            if (!goOn()) {
                copied.stopped = true;
                return copied;
            }
            continue;
        }
        if (done < 0) {
            // Which side failed: the source can still be read, or it cannot.
            const int error = errno;
            char probe;
            const bool reading = ::pread(in, &probe, 1, copied.bytes) < 0;
            errno = error;
            return fault(reading);
        }
        if (done == 0)
            return copied;
        copied.bytes += done;
        if (!goOn()) {
            copied.stopped = true;
            return copied;
        }
    }
}

bool sync(QFile &file)
{
    return file.flush() && ::fsync(file.handle()) == 0;
}

void startWriteback(QFileDevice &file)
{
#ifdef Q_OS_LINUX
    if (file.flush())
        ::sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

Result<void, Error> replace(const QString &from, const QString &to)
{
    const QByteArray source = nativeName(from);
    const QByteArray target = nativeName(to);
    if (!syncToDisk(source, O_RDONLY) || std::rename(source.constData(), target.constData()) != 0)
        return failed(lastError());
    // The rename itself is made lasting by the folder's own flush.
    syncToDisk(nativeName(QFileInfo(to).absolutePath()), O_RDONLY | O_DIRECTORY);
    return {};
}

Result<void, Error> renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = nativeName(from);
    const QByteArray target = nativeName(to);
#ifdef Q_OS_LINUX
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return failed(lastError());
#endif
    // A file system that cannot refuse to replace (FUSE's older ones, and the
    // systems without renameat2): the name is looked for just before, in any
    // letter case.
    const QFileInfo wanted(to);
    for (const QString &name : QDir(wanted.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) {
            errno = EEXIST;
            return failed(lastError());
        }
    }
    if (std::rename(source.constData(), target.constData()) != 0)
        return failed(lastError());
    return {};
}

bool setModificationTime(const QString &path, const QDateTime &time)
{
    // Both times: FUSE's older file systems (fusefat) change neither where
    // only one is given.
    const qint64 msecs = time.toMSecsSinceEpoch();
    const struct timespec when{time_t(msecs / 1000), long(msecs % 1000) * 1000000};
    const struct timespec times[2] = {when, when};
    return ::utimensat(AT_FDCWD, nativeName(path).constData(), times, 0) == 0;
}

std::optional<Stamp> stampOf(QFile &openFile, const QString &)
{
    struct stat status;
    if (::fstat(openFile.handle(), &status) != 0)
        return std::nullopt;
    return Stamp{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
                 qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec};
}

} // namespace velandry::files
