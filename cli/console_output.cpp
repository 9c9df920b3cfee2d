#include "console_output.h"

#ifdef Q_OS_WIN
#include <QString>

#include <qt_windows.h>
#endif

namespace velandry {

ConsoleOutput::ConsoleOutput(std::FILE *stream) : stream_(stream)
{
#ifdef Q_OS_WIN
    const HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode))
        console_ = handle;
#endif
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleOutput::writeData(const char *data, qint64 size)
{
#ifdef Q_OS_WIN
    if (console_) {
        pending_.append(data, size);
        // Hold back a character whose bytes have not all come yet.
        qsizetype complete = pending_.size();
        for (qsizetype back = 1; back <= qMin<qsizetype>(3, pending_.size()); ++back) {
            const uchar byte = uchar(pending_[pending_.size() - back]);
            if ((byte & 0xC0) == 0x80)
                continue; // a continuation byte: look further back
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            if (length > back)
                complete = pending_.size() - back;
            break;
        }
        const QString text = QString::fromUtf8(pending_.constData(), complete);
        pending_.remove(0, complete);
        DWORD written = 0;
        WriteConsoleW(static_cast<HANDLE>(console_), reinterpret_cast<const wchar_t *>(text.utf16()),
                      DWORD(text.size()), &written, nullptr);
        return size;
    }
#endif
    const std::size_t written = std::fwrite(data, 1, std::size_t(size), stream_);
    std::fflush(stream_);
    return written == std::size_t(size) ? size : -1;
}

} // namespace velandry
