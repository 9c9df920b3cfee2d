#include "ansi_codepage.h"

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace velandry {

namespace {

// Windows-1252, bytes 0x80..0x9F. The five bytes Windows leaves undefined map to
// the C1 control of the same value, as MultiByteToWideChar does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

const AnsiCodePage &AnsiCodePage::instance()
{
    static const AnsiCodePage codePage;
    return codePage;
}

AnsiCodePage::AnsiCodePage()
{
    for (int byte = 0; byte < 256; ++byte)
        toUnit_[byte] = char16_t(byte);
    for (int i = 0; i < 32; ++i)
        toUnit_[0x80 + i] = kCp1252High[i];
#ifdef Q_OS_WIN
    // The system's own single-byte table; a byte it rejects keeps the 1252 value.
    for (int byte = 0x80; byte < 256; ++byte) {
        const char in = char(byte);
        wchar_t out = 0;
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &in, 1, &out, 1) == 1)
            toUnit_[byte] = char16_t(out);
    }
#endif
    for (int byte = 0x80; byte < 256; ++byte)
        toByte_[toUnit_[byte]] = std::uint8_t(byte);
}

qsizetype AnsiCodePage::encodeInto(QStringView text, QByteArray &out) const
{
    qsizetype lost = 0;
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    const char16_t *src = text.utf16();
    const char16_t *end = src + text.size();
    while (src != end) {
        const char16_t unit = *src++;
        char byte = encodeUnit(unit);
        if (byte == '\0') {
            byte = '?';
            ++lost;
            // A surrogate pair is one character: one '?' for both halves.
            if (QChar::isHighSurrogate(unit) && src != end && QChar::isLowSurrogate(*src))
                ++src;
        }
        *dst++ = byte;
    }
    out.resize(dst - out.constData());
    return lost;
}

QString AnsiCodePage::decode(QByteArrayView bytes) const
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *dst++ = toUnit_[std::uint8_t(byte)];
    return text;
}

} // namespace velandry
