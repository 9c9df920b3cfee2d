#include "native.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

namespace velandry::detail {

namespace {

// ICU's names for the Windows variants of the code pages ("windows-936" is
// Microsoft's table, not IBM's 936).
QByteArray icuName(int codePage)
{
    return "windows-" + QByteArray::number(codePage);
}

// Substitutes '?' once per character that has no mapping, and counts it. ICU
// calls this once per code point, so a surrogate pair is one character.
void countAndSubstitute(const void *context, UConverterFromUnicodeArgs *args, const UChar *codeUnits,
                        int32_t length, UChar32 codePoint, UConverterCallbackReason reason, UErrorCode *error)
{
    if (reason > UCNV_IRREGULAR)
        return; // reset, close or clone: nothing to substitute
    ++*static_cast<qsizetype *>(const_cast<void *>(context));
    UCNV_FROM_U_CALLBACK_SUBSTITUTE(nullptr, args, codeUnits, length, codePoint, reason, error);
}

class IcuConverter final : public NativeConverter
{
public:
    explicit IcuConverter(UConverter *converter) : converter_(converter)
    {
        UErrorCode error = U_ZERO_ERROR;
        ucnv_setSubstChars(converter_, "?", 1, &error);
        ucnv_setFallback(converter_, false); // no best-fit look-alikes
        ucnv_setFromUCallBack(converter_, countAndSubstitute, &lost_, nullptr, nullptr, &error);
    }
    ~IcuConverter() override { ucnv_close(converter_); }

    qsizetype encode(QStringView text, QByteArray &out) override
    {
        lost_ = 0;
        ucnv_resetFromUnicode(converter_);
        const qsizetype start = out.size();
        // Two bytes per UTF-16 unit at most in every ANSI code page.
        out.resize(start + 2 * text.size() + 2);
        char *target = out.data() + start;
        const UChar *source = reinterpret_cast<const UChar *>(text.utf16());
        UErrorCode error = U_ZERO_ERROR;
        ucnv_fromUnicode(converter_, &target, out.data() + out.size(), &source, source + text.size(), nullptr,
                         true, &error);
        out.resize(U_SUCCESS(error) ? target - out.constData() : start);
        return lost_;
    }

    QString decode(QByteArrayView bytes) override
    {
        ucnv_resetToUnicode(converter_);
        QString text;
        // One UTF-16 unit per byte at most; grown should a converter differ.
        qsizetype capacity = bytes.size() + 16;
        const char *source = bytes.data();
        const char *sourceEnd = source + bytes.size();
        qsizetype written = 0;
        for (;;) {
            text.resize(capacity);
            UChar *target = reinterpret_cast<UChar *>(text.data()) + written;
            UChar *const targetStart = reinterpret_cast<UChar *>(text.data());
            UErrorCode error = U_ZERO_ERROR;
            ucnv_toUnicode(converter_, &target, targetStart + capacity, &source, sourceEnd, nullptr, true, &error);
            written = target - targetStart;
            if (error == U_BUFFER_OVERFLOW_ERROR) {
                capacity *= 2;
                continue;
            }
            text.resize(U_SUCCESS(error) ? written : 0);
            return text;
        }
    }

private:
    UConverter *converter_;
    qsizetype lost_ = 0; // characters substituted by the last encode()
};

} // namespace

std::unique_ptr<NativeConverter> NativeConverter::open(int codePage)
{
    UErrorCode error = U_ZERO_ERROR;
    UConverter *converter = ucnv_open(icuName(codePage).constData(), &error);
    if (U_FAILURE(error) || !converter)
        return nullptr;
    return std::make_unique<IcuConverter>(converter);
}

int systemAnsiCodePage()
{
    return 0;
}

QString replaceFile(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace velandry::detail
