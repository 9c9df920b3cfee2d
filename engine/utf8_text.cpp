#include "engine/utf8_text.h"

#include <QString>

#include <cstring>

namespace velandry::detail {

qsizetype validUtf8Prefix(QByteArrayView bytes)
{
    const auto *const begin = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const auto *const end = begin + bytes.size();
    const std::uint8_t *p = begin;
    while (p != end) {
        // Eight ASCII bytes at a time.
        while (end - p >= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, 8);
            if (word & 0x8080808080808080u)
                break;
            p += 8;
        }
        if (p == end)
            break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const Utf8Character character = decodeUtf8(p, end);
        if (character.length == 1 || (character.codePoint >= 0xD800 && character.codePoint <= 0xDFFF))
            break; // U+FFFD of one byte stands only for a malformed sequence here
        p += character.length;
    }
    return p - begin;
}

QByteArray toWtf8(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (c < 0x80) {
            bytes.append(char(c));
        } else if (c < 0x800) {
            bytes.append(char(0xC0 | c >> 6)).append(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.append(char(0xE0 | c >> 12)).append(char(0x80 | (c >> 6 & 0x3F))).append(char(0x80 | (c & 0x3F)));
        } else {
            bytes.append(char(0xF0 | c >> 18)).append(char(0x80 | (c >> 12 & 0x3F)));
            bytes.append(char(0x80 | (c >> 6 & 0x3F))).append(char(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

QString fromWtf8(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    const auto *p = reinterpret_cast<const std::uint8_t *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p != end) {
        // decodeUtf8() reads a three-byte surrogate as one, as WTF-8 has it.
        const Utf8Character character = decodeUtf8(p, end);
        text.append(QChar::fromUcs4(character.codePoint));
        p += character.length;
    }
    return text;
}

} // namespace velandry::detail
