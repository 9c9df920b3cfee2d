#include "system.h"

#include "utf8_text.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

namespace velandry::detail {

namespace {

struct Correction
{
    int codePage;
    enum Direction { Write, Read } direction;
    std::uint32_t from; // a code point (Write) or one or two bytes (Read)
    std::uint32_t to;   // bytes, 0 for none (Write); a code point, kInvalid for none (Read)
};

// Where ICU's windows-NNN converters differ from Windows' own conversion: the
// one place that makes them agree. Written by scripts/update-code-page-data
// from Windows' answers in tests/data/code-pages; the suites hold every
// character and byte sequence against those answers.
constexpr Correction kCorrections[] = {
#include "icu_corrections.inc"
};

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's names for the Windows variants of the code pages ("windows-936" is
// Microsoft's table, not IBM's 936).
Converter openConverter(int codePage)
{
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(("windows-" + std::to_string(codePage)).c_str(), &error));
    if (U_FAILURE(error))
        return nullptr;
    // Only exact mappings: no best-fit look-alikes, and an unmapped or invalid
    // character stops the conversion instead of being replaced or, for the
    // default-ignorable characters, silently dropped.
    ucnv_setFallback(converter.get(), false);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// The bytes of one code point, 0 for none.
std::uint16_t bytesOf(UConverter *converter, char16_t unit)
{
    ucnv_resetFromUnicode(converter);
    char bytes[8];
    char *target = bytes;
    const UChar *source = &unit;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, bytes + sizeof bytes, &source, source + 1, nullptr, true, &error);
    const auto length = target - bytes;
    if (U_FAILURE(error) || length < 1 || length > 2)
        return 0;
    return length == 1 ? std::uint8_t(bytes[0]) : std::uint16_t(std::uint8_t(bytes[0]) << 8 | std::uint8_t(bytes[1]));
}

// What one byte sequence reads as; kInvalid when it is not one whole character.
// `truncated` tells a byte that starts a longer sequence.
char16_t unitOf(UConverter *converter, const char *bytes, int length, bool *truncated = nullptr)
{
    ucnv_resetToUnicode(converter);
    UChar units[4];
    UChar *target = units;
    const char *source = bytes;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, units + 4, &source, bytes + length, nullptr, true, &error);
    if (truncated)
        *truncated = error == U_TRUNCATED_CHAR_FOUND;
    if (U_FAILURE(error) || target - units != 1 || source != bytes + length)
        return CodePageTables::kInvalid;
    return units[0];
}

// Reads a sequence the encoding does not hold as U+FFFD, whatever the
// converter's own substitute would be.
void replaceWithFffd(const void *, UConverterToUnicodeArgs *arguments, const char *, int32_t,
                     UConverterCallbackReason reason, UErrorCode *error)
{
    if (reason > UCNV_IRREGULAR)
        return; // resetting, closing or cloning: nothing to replace
    *error = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(arguments, &replacement, 1, 0, error);
}

class IcuDecoder final : public TextDecoder
{
public:
    explicit IcuDecoder(Converter converter) : converter_(std::move(converter)) { }

    void decode(QByteArrayView piece, bool last, QString &out) override
    {
        const char *source = piece.data();
        const char *const end = source + piece.size();
        for (;;) {
            UChar units[4096];
            UChar *target = units;
            UErrorCode error = U_ZERO_ERROR;
            ucnv_toUnicode(converter_.get(), &target, units + std::size(units), &source, end, nullptr, last, &error);
            out.append(QStringView(units, target - units));
            if (error != U_BUFFER_OVERFLOW_ERROR)
                return;
        }
    }

private:
    Converter converter_;
};

bool loadIcuTables(int codePage, CodePageTables &tables)
{
    const Converter converter = openConverter(codePage);
    if (!converter)
        return false;
    for (std::uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit < 0xD800 || unit > 0xDFFF)
            tables.toBytes[unit] = bytesOf(converter.get(), char16_t(unit));
    }
    for (int first = 0; first <= 0xFF; ++first) {
        const char single = char(first);
        bool lead = false;
        tables.fromByte[first] = unitOf(converter.get(), &single, 1, &lead);
        if (!lead)
            continue;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const char pair[2] = {char(first), char(trail)};
            if (const char16_t unit = unitOf(converter.get(), pair, 2); unit != CodePageTables::kInvalid)
                tables.setPair(std::uint16_t(first << 8 | trail), unit);
        }
    }
    return true;
}

} // namespace

bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables)
{
    return loadIcuTables(codePage, tables);
}

bool loadSystemTables(int codePage, CodePageTables &tables)
{
    if (!loadIcuTables(codePage, tables))
        return false;
    for (const Correction &correction : kCorrections) {
        if (correction.codePage != codePage)
            continue;
        if (correction.direction == Correction::Write)
            tables.toBytes[correction.from] = std::uint16_t(correction.to);
        else if (correction.from < 0x100)
            tables.fromByte[correction.from] = char16_t(correction.to);
        else
            tables.setPair(std::uint16_t(correction.from), char16_t(correction.to));
    }
    return true;
}

std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name)
{
    const QByteArray terminated = name.trimmed().toByteArray();
    if (terminated.isEmpty())
        return nullptr; // ICU's name for the default converter
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(terminated.constData(), &error));
    if (U_FAILURE(error) || !converter)
        return nullptr;
    ucnv_setToUCallBack(converter.get(), replaceWithFffd, nullptr, nullptr, nullptr, &error);
    if (U_FAILURE(error))
        return nullptr;
    return std::make_unique<IcuDecoder>(std::move(converter));
}

int systemAnsiCodePage()
{
    return 0;
}

int userLocaleAnsiCodePage()
{
    return 0;
}

namespace {

// fsync() of a file or folder by its name.
bool syncToDisk(const QByteArray &path, int flags)
{
    const int fd = ::open(path.constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QString replaceFile(const QString &from, const QString &to)
{
    const QByteArray source = nativeName(from);
    const QByteArray target = nativeName(to);
    if (!syncToDisk(source, O_RDONLY) || std::rename(source.constData(), target.constData()) != 0)
        return lastError();
    // The rename itself is made lasting by the folder's own flush.
    const QByteArray folder = nativeName(QFileInfo(to).absolutePath());
    syncToDisk(folder, O_RDONLY | O_DIRECTORY);
    return {};
}

namespace {

constexpr char16_t kFirstRawByte = 0xDC80; // stands for the byte 0x80, up to 0xDCFF for 0xFF

bool isRawByte(char16_t unit)
{
    return unit >= kFirstRawByte && unit <= kFirstRawByte + 0x7F;
}

// UTF-8 where the bytes are UTF-8, each other byte as a raw byte.
QString nameFromNative(const char *bytes)
{
    const QByteArrayView name(bytes);
    QString text;
    qsizetype at = 0;
    while (at < name.size()) {
        const qsizetype valid = validUtf8Prefix(name.sliced(at));
        text.append(QString::fromUtf8(name.sliced(at, valid)));
        at += valid;
        if (at < name.size())
            text.append(QChar(char16_t(kFirstRawByte + (std::uint8_t(name[at++]) - 0x80))));
    }
    return text;
}

bool statOf(const QString &path, struct stat &status)
{
    return ::stat(nativeName(path).constData(), &status) == 0;
}

} // namespace

bool holdsRawBytes(QStringView path)
{
    for (qsizetype i = 0; i < path.size(); ++i) {
        // A raw byte is a lone low surrogate: never the second half of a pair.
        if (isRawByte(path[i].unicode()) && (i == 0 || !path[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

QByteArray nativeName(const QString &path)
{
    if (!holdsRawBytes(path))
        return QFile::encodeName(path);
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !(isRawByte(path[i].unicode()) && (i == 0 || !path[i - 1].isHighSurrogate())))
            continue;
        bytes.append(QStringView(path).sliced(from, i - from).toUtf8());
        if (i < path.size())
            bytes.append(char(0x80 + (path[i].unicode() - kFirstRawByte)));
        from = i + 1;
    }
    return bytes;
}

QStringList commandLineArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(nameFromNative(argv[i]));
    return arguments;
}

QStringList ordinaryFileNames(const QString &folder)
{
    QStringList names;
    DIR *const listing = ::opendir(nativeName(folder).constData());
    if (!listing)
        return names;
    while (const dirent *entry = ::readdir(listing)) {
        struct stat status;
        if (entry->d_name[0] != '.' && ::fstatat(::dirfd(listing), entry->d_name, &status, 0) == 0
            && S_ISREG(status.st_mode))
            names.append(nameFromNative(entry->d_name));
    }
    ::closedir(listing);
    return names;
}

FileKind kindOf(const QString &path)
{
    struct stat status;
    if (!statOf(path, status))
        return FileKind::Missing;
    return S_ISDIR(status.st_mode) ? FileKind::Folder : S_ISREG(status.st_mode) ? FileKind::Ordinary : FileKind::Other;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first;
    struct stat second;
    return statOf(a, first) && statOf(b, second) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString openForReading(QFile &file, const QString &path)
{
    if (!holdsRawBytes(path)) {
        file.setFileName(path);
        return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
    }
    const int fd = ::open(nativeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return {};
}

QString createNewFile(QFile &file, const QString &path)
{
    if (!holdsRawBytes(path)) {
        file.setFileName(path);
        return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ? QString() : file.errorString();
    }
    const int fd = ::open(nativeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    return {};
}

bool removeFile(const QString &path)
{
    return ::unlink(nativeName(path).constData()) == 0;
}

QString copyFileData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64)> &keepGoing,
                     bool &stopped, bool &reading, qint64 &copied)
{
    stopped = false;
    reading = false;
    const int in = from.handle();
    const int out = to.handle();
    copied = 0;
    // copy_file_range first (in the kernel, across file systems where it can),
    // then sendfile, then reading and writing: each where the one before is
    // not to be had between these two files.
    enum class Way { Range, SendFile, ReadWrite } way = Way::Range;
    QByteArray buffer;
    for (;;) {
        ssize_t done = 0;
        if (way == Way::Range) {
            done = ::copy_file_range(in, nullptr, out, nullptr, size_t(piece), 0);
            if (done < 0 && copied == 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                way = Way::SendFile;
                continue;
            }
        } else if (way == Way::SendFile) {
            done = ::sendfile(out, in, nullptr, size_t(piece));
            if (done < 0 && copied == 0 && (errno == ENOSYS || errno == EINVAL)) {
                way = Way::ReadWrite;
                continue;
            }
        } else {
            buffer.resize(qMin<qint64>(piece, qint64(1) << 20));
            done = ::read(in, buffer.data(), size_t(buffer.size()));
            if (done < 0) {
                reading = true;
                return lastError();
            }
            for (ssize_t written = 0; written < done;) {
                const ssize_t now = ::write(out, buffer.constData() + written, size_t(done - written));
                if (now < 0)
                    return lastError();
                written += now;
            }
        }
        if (done < 0) {
            // Which side failed: the source can still be read, or it cannot.
            const int error = errno;
            char probe;
            reading = ::pread(in, &probe, 1, copied) < 0;
            errno = error;
            return lastError();
        }
        if (done == 0)
            return {};
        copied += done;
        if (keepGoing && !keepGoing(copied)) {
            stopped = true;
            return {};
        }
    }
}

bool syncFile(QFile &file)
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

QString renameWithoutReplacing(const QString &from, const QString &to)
{
    const QByteArray source = nativeName(from);
    const QByteArray target = nativeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return lastError();
    // A file system that cannot refuse to replace (FUSE's older ones): the
    // name is looked for just before, in any letter case.
    const QFileInfo wanted(to);
    for (const QString &name : QDir(wanted.absolutePath()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
        if (name.compare(wanted.fileName(), Qt::CaseInsensitive) == 0) {
            errno = EEXIST;
            return lastError();
        }
    }
    return std::rename(source.constData(), target.constData()) == 0 ? QString() : lastError();
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

bool isTerminal(std::FILE *stream)
{
    return ::isatty(::fileno(stream)) == 1;
}

namespace {

std::atomic<int> stopSignal{0};

void onStopSignal(int signal)
{
    stopSignal.store(signal);
}

} // namespace

void watchStopRequests()
{
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

int stopRequest()
{
    return stopSignal.load();
}

std::optional<FileStamp> stampOf(QFile &openFile, const QString &)
{
    struct stat status;
    if (::fstat(openFile.handle(), &status) != 0)
        return std::nullopt;
    return FileStamp{qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec,
                     qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec};
}

namespace {

// The mappings being read, for the SIGBUS handler. A handler may touch only
// lock-free state: a fixed set of slots of atomics.
struct GuardedMapping
{
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> faulted{false};
};
constexpr int kGuardSlots = 16;
GuardedMapping guardedMappings[kGuardSlots];
struct sigaction previousBusAction;
std::uintptr_t pageSize = 4096;

void onBusError(int signal, siginfo_t *info, void *context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedMapping &mapping : guardedMappings) {
        const std::uintptr_t end = mapping.end.load();
        const std::uintptr_t begin = mapping.begin.load();
        if (begin == 0 || address < begin || address >= end)
            continue;
        // The file ends before this page now: zeros from here to the end of
        // the mapping, in one step, and the read that faulted runs again.
        const std::uintptr_t from = address & ~(pageSize - 1);
        const std::uintptr_t to = (end + pageSize - 1) & ~(pageSize - 1);
        if (::mmap(reinterpret_cast<void *>(from), to - from, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                   0)
            != MAP_FAILED) {
            mapping.faulted.store(true);
            return;
        }
    }
    // Not a read of ours: whoever handled SIGBUS before us (a sanitizer), or
    // the default, which ends the process when the read runs again.
    if ((previousBusAction.sa_flags & SA_SIGINFO) && previousBusAction.sa_sigaction) {
        previousBusAction.sa_sigaction(signal, info, context);
        return;
    }
    if (previousBusAction.sa_handler != SIG_DFL && previousBusAction.sa_handler != SIG_IGN) {
        previousBusAction.sa_handler(signal);
        return;
    }
    std::signal(SIGBUS, SIG_DFL);
}

void installBusHandler()
{
    pageSize = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    struct sigaction action = {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousBusAction);
}

} // namespace

MappingGuard::MappingGuard(const void *begin, qsizetype size)
{
    if (!begin || size <= 0)
        return;
    static std::once_flag installed;
    std::call_once(installed, installBusHandler);
    for (int i = 0; i < kGuardSlots; ++i) {
        std::uintptr_t free = 0;
        if (guardedMappings[i].begin.compare_exchange_strong(free, std::uintptr_t(-1))) {
            guardedMappings[i].faulted.store(false);
            guardedMappings[i].end.store(reinterpret_cast<std::uintptr_t>(begin) + std::uintptr_t(size));
            guardedMappings[i].begin.store(reinterpret_cast<std::uintptr_t>(begin));
            slot_ = i;
            return;
        }
    }
    // More files read at once than slots: this one stays unguarded.
}

MappingGuard::~MappingGuard()
{
    if (slot_ < 0)
        return;
    guardedMappings[slot_].end.store(0);
    guardedMappings[slot_].begin.store(0);
}

bool MappingGuard::faulted() const
{
    return slot_ >= 0 && guardedMappings[slot_].faulted.load();
}

void *consoleOf(std::FILE *)
{
    return nullptr; // a terminal takes the UTF-8 bytes as they are
}

void writeToConsole(void *, QStringView)
{
}

} // namespace velandry::detail
