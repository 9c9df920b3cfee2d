#pragma once

// Reads what Windows answered for one code page (tests/data/code-pages, written
// by dump_windows_tables under Wine) into the engine's table layout, so that
// the suites, the fuzzer and the tool that writes the ICU corrections can hold
// the engine against it.

#include "engine/code_page_tables.h"

#include <QFile>
#include <QList>
#include <QString>

#include <memory>

namespace velandry::windows {

// nullptr when the file is missing or malformed.
inline std::unique_ptr<detail::CodePageTables> readTables(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto tables = std::make_unique<detail::CodePageTables>();
    QList<std::uint32_t> sources(0x10000, 0); // how many sequences read as each code point
    QList<QByteArray> writes;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> fields = line.split(' ');
        bool ok = fields.size() >= 3;
        if (!ok)
            return nullptr;
        if (fields[0] == "e") {
            writes.append(line);
            continue;
        }
        if (fields[0] != "d")
            return nullptr;
        std::uint32_t bytes = fields[1].toUInt(&ok, 16);
        for (qsizetype i = 2; ok && i < fields.size(); ++i, ++bytes) {
            const std::uint32_t unit = fields[i].toUInt(&ok, 16);
            if (!ok || unit > 0xFFFF || bytes > 0xFFFF)
                return nullptr;
            if (bytes < 0x100)
                tables->fromByte[bytes] = char16_t(unit);
            else
                tables->setPair(std::uint16_t(bytes), char16_t(unit));
            if (++sources[unit] == 1)
                tables->toBytes[unit] = std::uint16_t(bytes);
            else
                tables->toBytes[unit] = 0; // read from several: written only where an "e" line says
        }
        if (!ok)
            return nullptr;
    }
    for (const QByteArray &line : writes) {
        const QList<QByteArray> fields = line.split(' ');
        bool ok = false;
        const std::uint32_t unit = fields[1].toUInt(&ok, 16);
        if (!ok || unit > 0xFFFF)
            return nullptr;
        tables->toBytes[unit] = fields[2] == "-" ? 0 : std::uint16_t(fields[2].toUInt(&ok, 16));
        if (!ok)
            return nullptr;
    }
    return tables;
}

// Text as Windows writes it in the code page, one character at a time, with
// the engine's rules on top: a character without bytes, a C0 control other
// than tab, LF and CR, a lone surrogate and a surrogate pair are each one '?'.
inline QByteArray referenceEncode(const detail::CodePageTables &windows, QStringView text, qsizetype *lost = nullptr)
{
    QByteArray bytes;
    bytes.reserve(2 * text.size());
    qsizetype missing = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        const bool control = unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r';
        const std::uint16_t value = control ? 0 : windows.toBytes[unit];
        if (value == 0) {
            bytes.append('?');
            ++missing;
            if (QChar::isHighSurrogate(unit) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        } else if (value < 0x100) {
            bytes.append(char(value));
        } else {
            bytes.append(char(value >> 8)).append(char(value & 0xFF));
        }
    }
    if (lost)
        *lost = missing;
    return bytes;
}

// Bytes as Windows reads them: a byte it takes alone; else a lead and a trail
// byte it takes together; else one U+FFFD for the first byte, and the next
// read anew.
inline QString referenceDecode(const detail::CodePageTables &windows, QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto first = std::uint8_t(bytes[i]);
        char16_t unit = windows.fromByte[first];
        if (unit == detail::CodePageTables::kInvalid && i + 1 < bytes.size()) {
            unit = windows.pair(first, std::uint8_t(bytes[i + 1]));
            if (unit != detail::CodePageTables::kInvalid)
                ++i;
        }
        text.append(unit == detail::CodePageTables::kInvalid ? QChar(QChar::ReplacementCharacter) : QChar(unit));
    }
    return text;
}

struct LocaleAnswer
{
    QString glibcName;   // "sr_RS@latin"
    int codePage = 0;    // 0: Unicode-only or unknown to Windows
};

inline QList<LocaleAnswer> readLocales(const QString &path)
{
    QList<LocaleAnswer> answers;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return answers;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 3)
            answers.append({QString::fromLatin1(fields[0]), fields[2].toInt()});
    }
    return answers;
}

} // namespace velandry::windows
