#include "cli/console_output.h"

#include "cli/console_system.h"

#include <QString>

namespace velandry {

ConsoleOutput::ConsoleOutput(std::FILE *stream) : stream_(stream), console_(console::of(stream))
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 ConsoleOutput::writeData(const char *data, qint64 size)
{
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
        console::write(console_, QString::fromUtf8(pending_.constData(), complete));
        pending_.remove(0, complete);
        return size;
    }
    const std::size_t written = std::fwrite(data, 1, std::size_t(size), stream_);
    std::fflush(stream_);
    return written == std::size_t(size) ? size : -1;
}

} // namespace velandry
