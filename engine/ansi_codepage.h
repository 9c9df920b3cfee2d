#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace velandry {

// The 8-bit ANSI code page the output is written in: the system's on Windows,
// Windows-1252 everywhere else. A character the code page cannot hold is
// written as a single '?', and counted, so the caller can tell the user.
class AnsiCodePage final
{
public:
    static const AnsiCodePage &instance();

    // Appends the encoding of `text` to `out`; returns how many characters
    // became '?'. C0 control characters other than tab, LF and CR count as
    // not representable: they would make the XML unreadable.
    qsizetype encodeInto(QStringView text, QByteArray &out) const;

    QString decode(QByteArrayView bytes) const;

    AnsiCodePage(const AnsiCodePage &) = delete;
    AnsiCodePage &operator=(const AnsiCodePage &) = delete;

private:
    AnsiCodePage();

    // One UTF-16 unit's byte, or 0 when it has none (U+0000 never has one).
    char encodeUnit(char16_t unit) const
    {
        if (unit < 0x80)
            return isAllowedControl(unit) ? char(unit) : '\0';
        return char(toByte_[unit]);
    }
    static bool isAllowedControl(char16_t unit)
    {
        return unit >= 0x20 || unit == u'\t' || unit == u'\n' || unit == u'\r';
    }

    std::array<char16_t, 256> toUnit_{};
    std::array<std::uint8_t, 65536> toByte_{};
};

} // namespace velandry
