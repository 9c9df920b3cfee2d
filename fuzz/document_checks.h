#pragma once

#include "engine/asx_document.h"

#include <QByteArray>

// What no playlist can change in a document, whatever its entries hold: one
// element a line, as written, and no control characters. (No trail byte of a
// double-byte code page lies below 0x40.) `check` aborts where one fails.
template <typename Check>
void checkDocumentShape(const QByteArray &document, const velandry::AsxStats &stats, Check &&check)
{
    check(document.startsWith("<ASX version = \"3.0\">\r\n"));
    check(document.endsWith("    </ENTRY>\r\n</ASX>\r\n"));
    check(document.count("<ENTRY>") == stats.entries);
    check(document.count('<') == 3 + 3 * stats.entries);
    check(document.count('"') == 6 + 2 * stats.entries);
    for (const char byte : document)
        check(static_cast<unsigned char>(byte) >= 0x20 || byte == '\t' || byte == '\r' || byte == '\n');
}
