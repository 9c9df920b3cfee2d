#include "cli/console_system.h"

#include <qt_windows.h>

namespace velandry::console {

void *of(std::FILE *stream)
{
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

bool isTerminal(std::FILE *stream)
{
    return of(stream) != nullptr;
}

void write(void *console, QStringView text)
{
    // Through the console's UTF-16 interface, names in any script show as they
    // are, whatever the console's code page.
    DWORD written = 0;
    WriteConsoleW(static_cast<HANDLE>(console), reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                  &written, nullptr);
}

} // namespace velandry::console
