#include "code_page.h"

#include "native.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

namespace velandry {

namespace {

constexpr int kWestern = 1252;

// Windows-1252 by table: the code page most users have, and faster than any
// converter. Bytes 0x80..0x9F; the five bytes Windows leaves undefined map to
// the C1 control of the same value, as Windows' own conversion does.
class Cp1252Table final
{
public:
    static const Cp1252Table &instance()
    {
        static const Cp1252Table table;
        return table;
    }

    // A UTF-16 unit's byte, or 0 when it has none.
    std::uint8_t byteOf(char16_t unit) const { return toByte_[unit]; }
    char16_t unitOf(std::uint8_t byte) const { return toUnit_[byte]; }

private:
    Cp1252Table()
    {
        static constexpr char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        };
        for (int byte = 0; byte < 256; ++byte)
            toUnit_[byte] = byte >= 0x80 && byte < 0xA0 ? high[byte - 0x80] : char16_t(byte);
        for (int byte = 1; byte < 256; ++byte)
            toByte_[toUnit_[byte]] = std::uint8_t(byte);
    }

    std::array<char16_t, 256> toUnit_{};
    std::array<std::uint8_t, 65536> toByte_{};
};

// Control characters other than tab, LF and CR would make the XML unreadable.
bool isForbiddenControl(char16_t unit)
{
    return unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r';
}

qsizetype encode1252(QStringView text, QByteArray &out)
{
    const Cp1252Table &table = Cp1252Table::instance();
    qsizetype lost = 0;
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char *dst = out.data() + start;
    const char16_t *src = text.utf16();
    const char16_t *end = src + text.size();
    while (src != end) {
        const char16_t unit = *src++;
        std::uint8_t byte = unit < 0x80 ? (isForbiddenControl(unit) ? 0 : std::uint8_t(unit)) : table.byteOf(unit);
        if (byte == 0) {
            byte = '?';
            ++lost;
            // A surrogate pair is one character: one '?' for both halves.
            if (QChar::isHighSurrogate(unit) && src != end && QChar::isLowSurrogate(*src))
                ++src;
        }
        *dst++ = char(byte);
    }
    out.resize(dst - out.constData());
    return lost;
}

// Hands the runs between forbidden control characters to the system's converter.
qsizetype encodeNative(detail::NativeConverter &native, QStringView text, QByteArray &out)
{
    qsizetype lost = 0;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isForbiddenControl(text[i].unicode()))
            continue;
        if (i > runStart)
            lost += native.encode(text.sliced(runStart, i - runStart), out);
        out.append('?');
        ++lost;
        runStart = i + 1;
    }
    if (runStart < text.size())
        lost += native.encode(text.sliced(runStart), out);
    return lost;
}

// The one table from locale to ANSI code page. An entry with a territory or a
// modifier comes before the entry for its language alone.
struct LocaleCodePage
{
    QStringView language;
    QStringView territory; // empty: any
    QStringView modifier;  // empty: any
    int codePage;
};

constexpr LocaleCodePage kLocaleCodePages[] = {
    {u"ja", {}, {}, 932},
    {u"zh", u"TW", {}, 950}, {u"zh", u"HK", {}, 950}, {u"zh", u"MO", {}, 950}, {u"zh", {}, {}, 936},
    {u"ko", {}, {}, 949},
    {u"th", {}, {}, 874},
    {u"sr", {}, u"latin", 1250}, {u"cs", {}, {}, 1250}, {u"hu", {}, {}, 1250}, {u"pl", {}, {}, 1250},
    {u"ro", {}, {}, 1250}, {u"sk", {}, {}, 1250}, {u"sl", {}, {}, 1250}, {u"hr", {}, {}, 1250},
    {u"sq", {}, {}, 1250}, {u"bs", {}, {}, 1250},
    {u"ru", {}, {}, 1251}, {u"uk", {}, {}, 1251}, {u"be", {}, {}, 1251}, {u"bg", {}, {}, 1251},
    {u"mk", {}, {}, 1251}, {u"sr", {}, {}, 1251}, {u"kk", {}, {}, 1251}, {u"ky", {}, {}, 1251},
    {u"tt", {}, {}, 1251}, {u"mn", {}, {}, 1251},
    {u"el", {}, {}, 1253},
    {u"tr", {}, {}, 1254}, {u"az", {}, {}, 1254},
    {u"he", {}, {}, 1255}, {u"yi", {}, {}, 1255},
    {u"ar", {}, {}, 1256}, {u"fa", {}, {}, 1256}, {u"ur", {}, {}, 1256},
    {u"et", {}, {}, 1257}, {u"lt", {}, {}, 1257}, {u"lv", {}, {}, 1257},
    {u"vi", {}, {}, 1258},
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

QString supportedCodePageList()
{
    QStringList numbers;
    for (const int number : CodePage::supported())
        numbers.append(QString::number(number));
    return numbers.join(QStringLiteral(", "));
}

std::optional<CodePage> CodePage::fromNumber(int number)
{
    if (!supported().contains(number))
        return std::nullopt;
    return CodePage(number);
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
    return CodePage(defaultCodePage().number);
}

qsizetype CodePage::encodeInto(QStringView text, QByteArray &out) const
{
    CodePageEncoder encoder(*this);
    return encoder.encodeInto(text, out);
}

QString CodePage::decode(QByteArrayView bytes) const
{
    if (number_ != kWestern) {
        if (const auto native = detail::NativeConverter::open(number_))
            return native->decode(bytes);
    }
    const Cp1252Table &table = Cp1252Table::instance();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes)
        *dst++ = table.unitOf(std::uint8_t(byte));
    return text;
}

CodePageEncoder::CodePageEncoder(CodePage codePage)
    : codePage_(codePage),
      native_(codePage.number() == kWestern ? nullptr : detail::NativeConverter::open(codePage.number()))
{
    // Without a converter for it (a Windows without the code page installed),
    // the output is Windows-1252: still text, never bytes in a wrong layout.
    if (!native_)
        codePage_ = *CodePage::fromNumber(kWestern);
}

CodePageEncoder::~CodePageEncoder() = default;

qsizetype CodePageEncoder::encodeInto(QStringView text, QByteArray &out)
{
    return native_ ? encodeNative(*native_, text, out) : encode1252(text, out);
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
    if (const int system = detail::systemAnsiCodePage(); system != 0) {
        if (CodePage::fromNumber(system))
            return {system, QStringLiteral("the system's ANSI code page")};
        return {kWestern, QStringLiteral("the system's code page %1 is not an ANSI code page").arg(system)};
    }
    for (const char *variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        return {ansiCodePageForLocale(value),
                QStringLiteral("from the locale %1 (%2)").arg(value, QLatin1StringView(variable))};
    }
    return {kWestern, QStringLiteral("no locale is set")};
}

} // namespace velandry
