#pragma once

// The engine works on a playlist's text as UTF-8 bytes: the file itself where
// it is UTF-8 (mapped, never copied), or a conversion of it. A lone surrogate
// of a UTF-16 playlist has no UTF-8 form; it is kept as the three bytes its
// code point would take (as WTF-8 does), so positions still count every
// UTF-16 unit.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QStringView>

#include <cstdint>

namespace velandry::detail {

struct Utf8Character
{
    char32_t codePoint;
    int length; // bytes
};

// The character at `p`. Anything malformed reads as U+FFFD, one byte long, so
// that every byte is passed exactly once whatever the text holds.
inline Utf8Character decodeUtf8(const std::uint8_t *p, const std::uint8_t *end)
{
    const std::uint8_t lead = *p;
    if (lead < 0x80)
        return {lead, 1};
    int length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {0xFFFD, 1};
    }
    if (end - p < length)
        return {0xFFFD, 1};
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return {0xFFFD, 1};
        codePoint = codePoint << 6 | (p[i] & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF)
        return {0xFFFD, 1};
    return {codePoint, length};
}

// How many bytes from the start of `bytes` are well-formed UTF-8 (no
// surrogates, no overlong forms), ending at a character's end.
qsizetype validUtf8Prefix(QByteArrayView bytes);

// `text` as UTF-8, lone surrogates as three bytes each.
QByteArray toWtf8(QStringView text);

// The UTF-16 form of `bytes` (the inverse of toWtf8()).
QString fromWtf8(QByteArrayView bytes);

} // namespace velandry::detail

namespace velandry {

// Lower-casing used wherever letter case is ignored in a playlist's text: one
// UTF-16 unit at a time, so the length of the text never changes.
inline char16_t lowerUnit(char16_t unit)
{
    if (unit < 0x80)
        return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 0x20) : unit;
    return QChar::isSurrogate(unit) ? unit : QChar::toLower(unit);
}

} // namespace velandry
