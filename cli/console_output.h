#pragma once

#include <QIODevice>

#include <cstdio>

namespace velandry {

// Standard output or error as the user reads it. Text arrives as UTF-8; a
// Windows console takes it through its own UTF-16 interface, so names in any
// script show as they are whatever the console's code page; everywhere else,
// and when the output is redirected, the UTF-8 bytes go out as they are.
class ConsoleOutput final : public QIODevice
{
public:
    explicit ConsoleOutput(std::FILE *stream);

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    std::FILE *stream_;
    void *console_; // where the system takes characters for a console (see consoleOf())
    QByteArray pending_;      // the start of a character cut off by the last write
};

} // namespace velandry
