#include "engine/system/code_page_system.h"

#include <QString>

#include <qt_windows.h>

#include <mlang.h>
#include <objbase.h>
#include <oleauto.h>

namespace velandry::detail {

bool loadSystemTables(int codePage, CodePageTables &tables)
{
    const UINT page = UINT(codePage);
    if (!IsValidCodePage(page))
        return false;
    // One character at a time: the system says only whether a default
    // character was used somewhere in a call.
    for (UINT unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const wchar_t character = wchar_t(unit);
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int written =
            WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, &character, 1, bytes, sizeof bytes, "?", &usedDefault);
        if (usedDefault || written < 1 || written > 2)
            continue;
        tables.toBytes[unit] = written == 1 ? std::uint8_t(bytes[0])
                                            : std::uint16_t(std::uint8_t(bytes[0]) << 8 | std::uint8_t(bytes[1]));
    }
    for (int first = 0; first <= 0xFF; ++first) {
        const char single = char(first);
        wchar_t unit = 0;
        if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, &single, 1, &unit, 1) == 1) {
            tables.fromByte[first] = char16_t(unit);
            continue;
        }
        if (!IsDBCSLeadByteEx(page, BYTE(first)))
            continue;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const char pair[2] = {char(first), char(trail)};
            if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) == 1)
                tables.setPair(std::uint16_t(first << 8 | trail), char16_t(unit));
        }
    }
    return true;
}

bool loadUncorrectedSystemTables(int codePage, CodePageTables &tables)
{
    return loadSystemTables(codePage, tables);
}

namespace {

// Windows' own converter for the encodings the web names (MLang): it knows
// "ISO-8859-15" as 28605, "EUC-JP" as 51932, "KOI8-R" as 20866. COM is
// started for the call where the thread has not started it.
class ComForThisCall final
{
public:
    ComForThisCall() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) { }
    ~ComForThisCall()
    {
        if (started_)
            CoUninitialize();
    }
    ComForThisCall(const ComForThisCall &) = delete;
    ComForThisCall &operator=(const ComForThisCall &) = delete;

private:
    bool started_;
};

// IMultiLanguage2's interface id (mlang.idl), which mingw-w64's libraries lack.
const IID kMultiLanguage2 = {0xdccfc164, 0x2b38, 0x11d2, {0xb7, 0xec, 0x00, 0xc0, 0x4f, 0x8f, 0x5d, 0x9a}};

IMultiLanguage2 *multiLanguage()
{
    IMultiLanguage2 *languages = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CMultiLanguage, nullptr, CLSCTX_INPROC_SERVER, kMultiLanguage2,
                                reinterpret_cast<void **>(&languages))))
        return nullptr;
    return languages;
}

// The encoding MLang has for a charset name, 0 for none it can convert.
DWORD encodingForCharset(const QString &name)
{
    const ComForThisCall com;
    IMultiLanguage2 *languages = multiLanguage();
    if (!languages)
        return 0;
    BSTR charset = SysAllocString(reinterpret_cast<const wchar_t *>(name.utf16()));
    MIMECSETINFO info = {};
    const bool known = SUCCEEDED(languages->GetCharsetInfo(charset, &info))
                       && languages->IsConvertible(info.uiInternetEncoding, 1200) == S_OK;
    SysFreeString(charset);
    languages->Release();
    return known ? info.uiInternetEncoding : 0;
}

// The whole text at once: a character that a piece's end would cut cannot be
// told apart in every encoding MLang knows.
class WindowsDecoder final : public TextDecoder
{
public:
    explicit WindowsDecoder(DWORD encoding) : encoding_(encoding) { }

    void decode(QByteArrayView piece, bool last, QString &out) override
    {
        pending_.append(piece.data(), piece.size());
        if (!last || pending_.isEmpty())
            return;
        const ComForThisCall com;
        IMultiLanguage2 *languages = multiLanguage();
        if (!languages)
            return;
        DWORD mode = 0;
        UINT source = UINT(pending_.size());
        UINT length = 0;
        languages->ConvertStringToUnicode(&mode, encoding_, pending_.data(), &source, nullptr, &length);
        const qsizetype start = out.size();
        out.resize(start + length);
        mode = 0;
        source = UINT(pending_.size());
        languages->ConvertStringToUnicode(&mode, encoding_, pending_.data(), &source,
                                          reinterpret_cast<WCHAR *>(out.data() + start), &length);
        out.resize(start + length);
        languages->Release();
        pending_.clear();
    }

private:
    DWORD encoding_;
    QByteArray pending_;
};

} // namespace

std::unique_ptr<TextDecoder> systemDecoder(QByteArrayView name)
{
    const DWORD encoding = encodingForCharset(QString::fromLatin1(name.trimmed()));
    if (encoding == 0)
        return nullptr;
    return std::make_unique<WindowsDecoder>(encoding);
}

int systemAnsiCodePage()
{
    return int(GetACP());
}

int userLocaleAnsiCodePage()
{
    DWORD codePage = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t))
        == 0)
        return 0;
    return int(codePage);
}

} // namespace velandry::detail
