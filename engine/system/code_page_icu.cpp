#include "engine/system/code_page_system.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <string>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

namespace velandry::detail {

namespace {

struct Correction
{
    int codePage;
    enum Direction { Write, Read } direction;
    std::uint32_t from; // a code point (Write) or one or two bytes (Read)
    std::uint32_t to;   // bytes, 0 for none (Write); a code point, kInvalid for none (Read)
};

// Where ICU's windows-NNN converters differ from Windows' own conversion: the
// one place that makes them agree. Written by scripts/update-code-page-data
// from Windows' answers in tests/data/code-pages; the suites hold every
// character and byte sequence against those answers.
constexpr Correction kCorrections[] = {
#include "engine/icu_corrections.inc"
};

struct ConverterCloser
{
    void operator()(UConverter *converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's names for the Windows variants of the code pages ("windows-936" is
// Microsoft's table, not IBM's 936).
Converter openConverter(int codePage)
{
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(("windows-" + std::to_string(codePage)).c_str(), &error));
    if (U_FAILURE(error))
        return nullptr;
    // Only exact mappings: no best-fit look-alikes, and an unmapped or invalid
    // character stops the conversion instead of being replaced or, for the
    // default-ignorable characters, silently dropped.
    ucnv_setFallback(converter.get(), false);
    ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &error);
    return U_SUCCESS(error) ? std::move(converter) : nullptr;
}

// The bytes of one code point, 0 for none.
std::uint16_t bytesOf(UConverter *converter, char16_t unit)
{
    ucnv_resetFromUnicode(converter);
    char bytes[8];
    char *target = bytes;
    const UChar *source = &unit;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter, &target, bytes + sizeof bytes, &source, source + 1, nullptr, true, &error);
    const auto length = target - bytes;
    if (U_FAILURE(error) || length < 1 || length > 2)
        return 0;
    return length == 1 ? std::uint8_t(bytes[0]) : std::uint16_t(std::uint8_t(bytes[0]) << 8 | std::uint8_t(bytes[1]));
}

// What one byte sequence reads as; kInvalid when it is not one whole character.
// `truncated` tells a byte that starts a longer sequence.
char16_t unitOf(UConverter *converter, const char *bytes, int length, bool *truncated = nullptr)
{
    ucnv_resetToUnicode(converter);
    UChar units[4];
    UChar *target = units;
    const char *source = bytes;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter, &target, units + 4, &source, bytes + length, nullptr, true, &error);
    if (truncated)
        *truncated = error == U_TRUNCATED_CHAR_FOUND;
    if (U_FAILURE(error) || target - units != 1 || source != bytes + length)
        return CodePageTables::kInvalid;
    return units[0];
}

// Reads a sequence the encoding does not hold as U+FFFD, whatever the
// converter's own substitute would be.
void replaceWithFffd(const void *, UConverterToUnicodeArgs *arguments, const char *, int32_t,
                     UConverterCallbackReason reason, UErrorCode *error)
{
    if (reason > UCNV_IRREGULAR)
        return; // resetting, closing or cloning: nothing to replace
    *error = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(arguments, &replacement, 1, 0, error);
}

class IcuDecoder final : public TextDecoder
{
public:
    explicit IcuDecoder(Converter converter) : converter_(std::move(converter)) { }

    void decode(QByteArrayView piece, bool last, QString &out) override
    {
        const char *source = piece.data();
        const char *const end = source + piece.size();
        for (;;) {
            UChar units[4096];
            UChar *target = units;
            UErrorCode error = U_ZERO_ERROR;
            ucnv_toUnicode(converter_.get(), &target, units + std::size(units), &source, end, nullptr, last, &error);
            out.append(QStringView(units, target - units));
            if (error != U_BUFFER_OVERFLOW_ERROR)
                return;
        }
    }

private:
    Converter converter_;
};

bool loadIcuTables(int codePage, CodePageTables &tables)
{
    const Converter converter = openConverter(codePage);
    if (!converter)
        return false;
    for (std::uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit < 0xD800 || unit > 0xDFFF)
            tables.toBytes[unit] = bytesOf(converter.get(), char16_t(unit));
    }
    for (int first = 0; first <= 0xFF; ++first) {
        const char single = char(first);
        bool lead = false;
        tables.fromByte[first] = unitOf(converter.get(), &single, 1, &lead);
        if (!lead)
            continue;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const char pair[2] = {char(first), char(trail)};
            if (const char16_t unit = unitOf(converter.get(), pair, 2); unit != CodePageTables::kInvalid)
                tables.setPair(std::uint16_t(first << 8 | trail), unit);
        }
    }
    return true;
}

} // namespace

bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables)
{
    return loadIcuTables(codePage, tables);
}

bool loadSystemTables(int codePage, CodePageTables &tables)
{
    if (!loadIcuTables(codePage, tables))
        return false;
    for (const Correction &correction : kCorrections) {
        if (correction.codePage != codePage)
            continue;
        if (correction.direction == Correction::Write)
            tables.toBytes[correction.from] = std::uint16_t(correction.to);
        else if (correction.from < 0x100)
            tables.fromByte[correction.from] = char16_t(correction.to);
        else
            tables.setPair(std::uint16_t(correction.from), char16_t(correction.to));
    }
    return true;
}

std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name)
{
    const QByteArray terminated = name.trimmed().toByteArray();
    if (terminated.isEmpty())
        return nullptr; // ICU's name for the default converter
    UErrorCode error = U_ZERO_ERROR;
    Converter converter(ucnv_open(terminated.constData(), &error));
    if (U_FAILURE(error) || !converter)
        return nullptr;
    ucnv_setToUCallBack(converter.get(), replaceWithFffd, nullptr, nullptr, nullptr, &error);
    if (U_FAILURE(error))
        return nullptr;
    return std::make_unique<IcuDecoder>(std::move(converter));
}

int systemAnsiCodePage()
{
    return 0;
}

int userLocaleAnsiCodePage()
{
    return 0;
}

} // namespace velandry::detail
