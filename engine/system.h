#pragma once

// What differs per system below the windows, in one place: asking the
// system's converter for a code page's tables (ICU outside Windows, the
// system's own functions on Windows), the default code page, replacing a file
// and writing text to a console. Exactly one of system_posix.cpp and
// system_windows.cpp is built.

#include "code_page_tables.h"

#include <QString>
#include <QStringView>

#include <cstdio>

namespace velandry::detail {

// Fills `tables` as Windows converts `codePage`; false when this system has no
// converter for it.
bool loadSystemTables(int codePage, CodePageTables &tables);

// The same before the corrections that make ICU agree with Windows (the same
// tables on Windows), for the tool that writes those corrections.
bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables);

// The system's ANSI code page on Windows (GetACP()), 0 elsewhere.
int systemAnsiCodePage();

// On Windows the ANSI code page of the user's locale, 0 where it has none;
// 0 elsewhere.
int userLocaleAnsiCodePage();

// Puts `from` in the place of `to` in one step, replacing an existing file,
// after flushing `from` to the disk (and, where the system needs it, the
// folder's new entry after it); an empty text on success, else the system's
// reason.
QString replaceFile(const QString &from, const QString &to);

// The console `stream` writes to, where the system takes text for a console
// as characters rather than bytes (Windows), else nullptr: there the bytes go
// out as they are.
void *consoleOf(std::FILE *stream);

// Writes `text` to a console that consoleOf() gave.
void writeToConsole(void *console, QStringView text);

} // namespace velandry::detail
