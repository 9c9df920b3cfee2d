#pragma once

// The console as the system has it: whether a stream is a terminal, and a
// console that takes characters rather than bytes (Windows').

#include <QStringView>

#include <cstdio>

namespace velandry::console {

// Whether `stream` is a terminal (a line can be redrawn there).
bool isTerminal(std::FILE *stream);

// The console `stream` writes to, where the system takes text for a console
// as characters rather than bytes (Windows), else nullptr: there the bytes go
// out as they are.
void *of(std::FILE *stream);

// Writes `text` to a console that of() gave.
void write(void *console, QStringView text);

} // namespace velandry::console
