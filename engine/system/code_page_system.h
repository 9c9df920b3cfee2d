#pragma once

// The system's converter of text: the code pages' tables as Windows converts
// them (ICU outside Windows, corrected where it differs; the system's own
// functions on Windows), the encodings a playlist's XML declaration names,
// and which code page the system uses.

#include "engine/code_page_tables.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace velandry::detail {

// Fills `tables` as Windows converts `codePage`; false when this system has no
// converter for it.
bool loadSystemTables(int codePage, CodePageTables &tables);

// The same before the corrections that make ICU agree with Windows (the same
// tables on Windows), for the tool that writes those corrections.
bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables);

// Reads text in an encoding that a playlist's XML declaration names
// ("ISO-8859-15", "KOI8-R", "EUC-JP"), with the system's own converter: ICU's
// converter of that name outside Windows; on Windows the code page Windows
// has for the name (its MIME database: 28605, 20866, 20932, ...).
class TextDecoder
{
public:
    virtual ~TextDecoder() = default;
    // Appends the text of the next piece of the bytes; `last` with the final
    // piece. A sequence the encoding does not hold reads as U+FFFD.
    virtual void decode(QByteArrayView piece, bool last, QString &out) = 0;
};
// Null where the system knows no such encoding.
std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name);

// The system's ANSI code page on Windows (GetACP()), 0 elsewhere.
int systemAnsiCodePage();

// On Windows the ANSI code page of the user's locale, 0 where it has none;
// 0 elsewhere.
int userLocaleAnsiCodePage();

} // namespace velandry::detail
