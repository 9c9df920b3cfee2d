#include "engine/code_page.h"

#include "engine/code_page_tables.h"
#include "engine/system/code_page_system.h"
#include "engine/utf8_text.h"

#include <QtGlobal>

#include <map>
#include <memory>
#include <mutex>

namespace velandry {

namespace detail {

namespace {

constexpr int kWestern = 1252;

// Windows-1252 by a table of our own, the code page most users have. Bytes
// 0x80..0x9F; the five bytes Windows leaves undefined read as the C1 control
// of the same value, as Windows' own conversion does.
void fill1252(CodePageTables &tables)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t unit = byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte);
        tables.fromByte[byte] = unit;
        tables.toBytes[unit] = std::uint16_t(byte);
    }
}

} // namespace

const CodePageTables *codePageTables(int codePage)
{
    static std::mutex mutex;
    static std::map<int, std::unique_ptr<CodePageTables>> loaded; // nullptr: the system cannot convert it
    const std::lock_guard lock(mutex);
    if (const auto found = loaded.find(codePage); found != loaded.end())
        return found->second.get();
    auto tables = std::make_unique<CodePageTables>();
    if (codePage == kWestern)
        fill1252(*tables);
    else if (!loadSystemTables(codePage, *tables))
        tables.reset();
    if (tables) {
        // Control characters other than tab, LF and CR would make the XML
        // unreadable: they are written as '?' like a character the code page lacks.
        for (char16_t unit = 0; unit < 0x20; ++unit) {
            if (unit != u'\t' && unit != u'\n' && unit != u'\r')
                tables->toBytes[unit] = 0;
        }
    }
    return loaded.emplace(codePage, std::move(tables)).first->second.get();
}

} // namespace detail

namespace {

using detail::CodePageTables;
using detail::kWestern;

// Writes one character's bytes (as CodePageTables::toBytes holds them), or a
// '?' that is counted in `lost` where it has none.
char *put(char *dst, std::uint16_t bytes, qsizetype &lost)
{
    if (bytes == 0) {
        *dst++ = '?';
        ++lost;
    } else if (bytes < 0x100) {
        *dst++ = char(bytes);
    } else {
        *dst++ = char(bytes >> 8);
        *dst++ = char(bytes & 0xFF);
    }
    return dst;
}

// The ANSI code page Windows gives each locale, where it is not 1252. An entry
// with a territory or a modifier comes before the entry for its language alone.
struct LocaleCodePage
{
    QStringView language;
    QStringView territory; // empty: any
    QStringView modifier;  // empty: any
    int codePage;
};

constexpr LocaleCodePage kLocaleCodePages[] = {
#include "engine/locale_code_pages.inc"
};

bool matches(QStringView wanted, QStringView given)
{
    return wanted.isEmpty() || wanted.compare(given, Qt::CaseInsensitive) == 0;
}

} // namespace

const QList<int> &CodePage::supported()
{
    static const QList<int> numbers{874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
    return numbers;
}

std::optional<CodePage> CodePage::fromNumber(int number)
{
    if (!supported().contains(number))
        return std::nullopt;
    if (const CodePageTables *tables = detail::codePageTables(number))
        return CodePage(number, tables);
    return CodePage(kWestern, detail::codePageTables(kWestern));
}

std::optional<CodePage> CodePage::fromName(QStringView name)
{
    for (const QStringView prefix : {QStringView(u"windows-"), QStringView(u"cp")}) {
        if (name.startsWith(prefix, Qt::CaseInsensitive)) {
            name = name.sliced(prefix.size());
            break;
        }
    }
    bool ok = false;
    const int number = name.toInt(&ok);
    // Digits only: no sign, no spaces.
    if (!ok || name.isEmpty() || !name.front().isDigit())
        return std::nullopt;
    return fromNumber(number);
}

CodePage CodePage::systemDefault()
{
    return *fromNumber(defaultCodePage().number);
}

qsizetype CodePage::encodeInto(QStringView text, QByteArray &out) const
{
    const auto &toBytes = tables_->toBytes;
    qsizetype lost = 0;
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    char *dst = out.data() + start;
    const char16_t *src = text.utf16();
    const char16_t *const end = src + text.size();
    while (src != end) {
        const char16_t unit = *src++;
        const std::uint16_t bytes = toBytes[unit]; // 0 for surrogates
        // A surrogate pair is one character: one '?' for both halves.
        if (bytes == 0 && QChar::isHighSurrogate(unit) && src != end && QChar::isLowSurrogate(*src))
            ++src;
        dst = put(dst, bytes, lost);
    }
    out.resize(dst - out.constData());
    return lost;
}

qsizetype CodePage::encodeUtf8Into(QByteArrayView text, QByteArray &out) const
{
    qsizetype lost = 0;
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    char *const end = encodeUtf8To(text, out.data() + start, lost);
    out.resize(end - out.constData());
    return lost;
}

char *CodePage::encodeUtf8To(QByteArrayView text, char *dst, qsizetype &lost) const
{
    const auto &toBytes = tables_->toBytes;
    const auto *src = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto *const end = src + text.size();
    while (src != end) {
        char32_t codePoint = *src;
        if (codePoint < 0x80) {
            ++src;
        } else {
            const detail::Utf8Character character = detail::decodeUtf8(src, end);
            codePoint = character.codePoint;
            src += character.length;
        }
        // No code page holds a character beyond the BMP; a surrogate has no bytes.
        dst = put(dst, codePoint < 0x10000 ? toBytes[codePoint] : 0, lost);
    }
    return dst;
}

QString CodePage::decode(QByteArrayView bytes, qsizetype *invalid) const
{
    QString text;
    decodeInto(bytes, text, true, invalid);
    return text;
}

qsizetype CodePage::decodeInto(QByteArrayView bytes, QString &out, bool last, qsizetype *invalid) const
{
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *dst = reinterpret_cast<char16_t *>(out.data()) + start;
    qsizetype bad = 0;
    qsizetype i = 0;
    for (; i < bytes.size(); ++i) {
        const auto byte = std::uint8_t(bytes[i]);
        char16_t unit = tables_->fromByte[byte];
        if (unit == CodePageTables::kInvalid && i + 1 == bytes.size() && !last)
            break; // perhaps a lead byte whose trail comes with the next piece
        if (unit == CodePageTables::kInvalid && i + 1 < bytes.size()) {
            unit = tables_->pair(byte, std::uint8_t(bytes[i + 1]));
            if (unit != CodePageTables::kInvalid)
                ++i;
        }
        if (unit == CodePageTables::kInvalid) {
            unit = QChar::ReplacementCharacter;
            ++bad;
        }
        *dst++ = unit;
    }
    out.truncate(dst - reinterpret_cast<const char16_t *>(out.constData()));
    if (invalid)
        *invalid = bad;
    return i;
}

int ansiCodePageForLocale(QStringView locale)
{
    // language[_territory][.codeset][@modifier]
    const qsizetype at = locale.indexOf(u'@');
    const QStringView modifier = at < 0 ? QStringView() : locale.sliced(at + 1);
    QStringView name = at < 0 ? locale : locale.first(at);
    if (const qsizetype dot = name.indexOf(u'.'); dot >= 0)
        name = name.first(dot);
    const qsizetype underscore = name.indexOf(u'_');
    const QStringView language = underscore < 0 ? name : name.first(underscore);
    const QStringView territory = underscore < 0 ? QStringView() : name.sliced(underscore + 1);

    for (const LocaleCodePage &entry : kLocaleCodePages) {
        if (entry.language.compare(language, Qt::CaseInsensitive) == 0 && matches(entry.territory, territory)
            && matches(entry.modifier, modifier))
            return entry.codePage;
    }
    return kWestern;
}

DefaultCodePage defaultCodePage()
{
    using Source = DefaultCodePage::Source;
    if (const int system = detail::systemAnsiCodePage(); system != 0) {
        if (CodePage::supported().contains(system))
            return {system, Source::System, system, {}, {}};
        // UTF-8 for every program ("Beta: Use Unicode UTF-8 for worldwide
        // language support"): the code page the user's locale would have.
        if (const int user = detail::userLocaleAnsiCodePage(); CodePage::supported().contains(user))
            return {user, Source::UserLocale, system, {}, {}};
        return {kWestern, Source::NoneOnWindows, system, {}, {}};
    }
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return {ansiCodePageForLocale(value), Source::Locale, 0, QString::fromLatin1(variable), value};
    }
    return {kWestern, Source::NoLocale, 0, {}, {}};
}

} // namespace velandry
