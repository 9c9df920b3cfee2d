#include "system.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <mlang.h>
#include <objbase.h>
#include <oleauto.h>

#include <io.h>

#include <atomic>

namespace velandry::detail {

bool loadSystemTables(int codePage, CodePageTables &tables)
{
    const UINT page = UINT(codePage);
    if (!IsValidCodePage(page))
        return false;
    // One character at a time: the system says only whether a default
    // character was used somewhere in a call.
    for (UINT unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const wchar_t character = wchar_t(unit);
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int written =
            WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, &character, 1, bytes, sizeof bytes, "?", &usedDefault);
        if (usedDefault || written < 1 || written > 2)
            continue;
        tables.toBytes[unit] = written == 1 ? std::uint8_t(bytes[0])
                                            : std::uint16_t(std::uint8_t(bytes[0]) << 8 | std::uint8_t(bytes[1]));
    }
    for (int first = 0; first <= 0xFF; ++first) {
        const char single = char(first);
        wchar_t unit = 0;
        if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, &single, 1, &unit, 1) == 1) {
            tables.fromByte[first] = char16_t(unit);
            continue;
        }
        if (!IsDBCSLeadByteEx(page, BYTE(first)))
            continue;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const char pair[2] = {char(first), char(trail)};
            if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) == 1)
                tables.setPair(std::uint16_t(first << 8 | trail), char16_t(unit));
        }
    }
    return true;
}

bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables)
{
    return loadSystemTables(codePage, tables);
}

namespace {

// Windows' own converter for the encodings the web names (MLang): it knows
// "ISO-8859-15" as 28605, "EUC-JP" as 51932, "KOI8-R" as 20866. COM is
// started for the call where the thread has not started it.
class ComForThisCall final
{
public:
    ComForThisCall() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) { }
    ~ComForThisCall()
    {
        if (started_)
            CoUninitialize();
    }
    ComForThisCall(const ComForThisCall &) = delete;
    ComForThisCall &operator=(const ComForThisCall &) = delete;

private:
    bool started_;
};

// IMultiLanguage2's interface id (mlang.idl), which mingw-w64's libraries lack.
const IID kMultiLanguage2 = {0xdccfc164, 0x2b38, 0x11d2, {0xb7, 0xec, 0x00, 0xc0, 0x4f, 0x8f, 0x5d, 0x9a}};

IMultiLanguage2 *multiLanguage()
{
    IMultiLanguage2 *languages = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguage2,
                                reinterpret_cast<void **>(&languages))))
        return nullptr;
    return languages;
}

// The encoding MLang has for a charset name, 0 for none it can convert.
DWORD encodingForCharset(const QString &name)
{
    const ComForThisCall com;
    IMultiLanguage2 *languages = multiLanguage();
    if (!languages)
        return 0;
    BSTR charset = SysAllocString(reinterpret_cast<const wchar_t *>(name.utf16()));
    MIMECSETINFO info = {};
    const bool known = SUCCEEDED(languages->GetCharsetInfo(charset, &info))
                       && languages->IsConvertible(info.uiInternetEncoding, 1200) == S_OK;
    SysFreeString(charset);
    languages->Release();
    return known ? info.uiInternetEncoding : 0;
}

// The whole text at once: a character that a piece's end would cut cannot be
// told apart in every encoding MLang knows.
class WindowsDecoder final : public TextDecoder
{
public:
    explicit WindowsDecoder(DWORD encoding) : encoding_(encoding) { }

    void decode(QByteArrayView piece, bool last, QString &out) override
    {
        pending_.append(piece.data(), piece.size());
        if (!last || pending_.isEmpty())
            return;
        const ComForThisCall com;
        IMultiLanguage2 *languages = multiLanguage();
        if (!languages)
            return;
        DWORD mode = 0;
        UINT source = UINT(pending_.size());
        UINT length = 0;
        languages->ConvertStringToUnicode(&mode, encoding_, pending_.data(), &source, nullptr, &length);
        const qsizetype start = out.size();
        out.resize(start + length);
        mode = 0;
        source = UINT(pending_.size());
        languages->ConvertStringToUnicode(&mode, encoding_, pending_.data(), &source,
                                          reinterpret_cast<WCHAR *>(out.data() + start), &length);
        out.resize(start + length);
        languages->Release();
        pending_.clear();
    }

private:
    DWORD encoding_;
    QByteArray pending_;
};

} // namespace

std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name)
{
    const DWORD encoding = encodingForCharset(QString::fromLatin1(name.trimmed()));
    if (encoding == 0)
        return nullptr;
    return std::make_unique<WindowsDecoder>(encoding);
}

int systemAnsiCodePage()
{
    return int(GetACP());
}

int userLocaleAnsiCodePage()
{
    DWORD codePage = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t))
        == 0)
        return 0;
    return int(codePage);
}

QString replaceFile(const QString &from, const QString &to)
{
    // The data first, then the name: MOVEFILE_WRITE_THROUGH waits for the move only.
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(from.utf16()), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (flushed
        && MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()), reinterpret_cast<const wchar_t *>(to.utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    const DWORD error = GetLastError();
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString reason = text ? QString::fromWCharArray(text).trimmed() : QStringLiteral("Error %1").arg(error);
    LocalFree(text);
    return reason;
}

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

QStringList commandLineArguments(int, char **)
{
    return QCoreApplication::arguments(); // from the UTF-16 command line, not the ANSI argv
}

QStringList ordinaryFileNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files);
}

FileKind kindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    return info.isDir() ? FileKind::Folder : info.isFile() ? FileKind::Ordinary : FileKind::Other;
}

bool sameFile(const QString &a, const QString &b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString openForReading(QFile &file, const QString &path)
{
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? QString() : file.errorString();
}

QString createNewFile(QFile &file, const QString &path)
{
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ? QString() : file.errorString();
}

bool removeFile(const QString &path)
{
    return QFile::remove(path);
}

namespace {

QString windowsError(DWORD error = GetLastError())
{
    return qt_error_string(int(error));
}

} // namespace

QString copyFileData(QFile &from, QFile &to, qint64 piece, const std::function<bool(qint64)> &keepGoing,
                     bool &stopped, bool &reading, qint64 &copied)
{
    stopped = false;
    reading = false;
    const auto in = reinterpret_cast<HANDLE>(_get_osfhandle(from.handle()));
    const auto out = reinterpret_cast<HANDLE>(_get_osfhandle(to.handle()));
    QByteArray buffer(int(qMin<qint64>(piece, qint64(1) << 20)), Qt::Uninitialized);
    copied = 0;
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(in, buffer.data(), DWORD(buffer.size()), &read, nullptr)) {
            reading = true;
            return windowsError();
        }
        if (read == 0)
            return {};
        for (DWORD written = 0; written < read;) {
            DWORD now = 0;
            if (!WriteFile(out, buffer.constData() + written, read - written, &now, nullptr))
                return windowsError();
            written += now;
        }
        copied += read;
        if (keepGoing && !keepGoing(copied)) {
            stopped = true;
            return {};
        }
    }
}

void startWriteback(QFileDevice &) { }

bool syncFile(QFile &file)
{
    return file.flush() && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
}

QString renameWithoutReplacing(const QString &from, const QString &to)
{
    // Without MOVEFILE_REPLACE_EXISTING the system refuses a name that is
    // taken, in any letter case.
    if (MoveFileExW(reinterpret_cast<const wchar_t *>(from.utf16()), reinterpret_cast<const wchar_t *>(to.utf16()),
                    MOVEFILE_WRITE_THROUGH))
        return {};
    return windowsError();
}

bool setModificationTime(const QString &path, const QDateTime &time)
{
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), FILE_WRITE_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // 100-nanosecond intervals since 1601.
    const ULONGLONG ticks = ULONGLONG(time.toMSecsSinceEpoch() + 11644473600000LL) * 10000;
    FILETIME modified{DWORD(ticks & 0xFFFFFFFF), DWORD(ticks >> 32)};
    const bool set = SetFileTime(file, nullptr, nullptr, &modified);
    CloseHandle(file);
    return set;
}

bool isTerminal(std::FILE *stream)
{
    return consoleOf(stream) != nullptr;
}

namespace {

std::atomic<int> stopSignal{0};

BOOL WINAPI onConsoleEvent(DWORD event)
{
    // Ctrl+C as SIGINT; Ctrl+Break, closing the console, logging off and
    // shutting down as SIGTERM.
    stopSignal.store(event == CTRL_C_EVENT ? 2 : 15);
    return TRUE;
}

} // namespace

void watchStopRequests()
{
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
}

int stopRequest()
{
    return stopSignal.load();
}

// The file cannot be renamed or deleted while it is open here (Qt shares it
// for reading and writing only), so its name leads to it.
std::optional<FileStamp> stampOf(QFile &, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return std::nullopt;
    return FileStamp{info.size(), info.lastModified().toMSecsSinceEpoch(),
                     info.metadataChangeTime().toMSecsSinceEpoch()};
}

// Windows refuses to shorten a file while it is mapped; there is nothing to
// guard against.
MappingGuard::MappingGuard(const void *, qsizetype) { }
MappingGuard::~MappingGuard() = default;
bool MappingGuard::faulted() const
{
    return false;
}

void *consoleOf(std::FILE *stream)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

void writeToConsole(void *console, QStringView text)
{
    // Through the console's UTF-16 interface, names in any script show as they
    // are, whatever the console's code page.
    DWORD written = 0;
    WriteConsoleW(static_cast<HANDLE>(console), reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                  &written, nullptr);
}

} // namespace velandry::detail
