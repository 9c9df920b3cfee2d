#include "system.h"

#include <qt_windows.h>

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
