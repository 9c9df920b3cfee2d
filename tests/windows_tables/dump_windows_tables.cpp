// Writes Windows' own answers for the ANSI code pages and the locales, as the
// text that tests/data/code-pages holds. A plain Win32 program, built with
// mingw-w64 and run under Wine (or on Windows) by scripts/update-code-page-data
// and scripts/test-windows:
//
//   dump_windows_tables.exe code-page 932     the tables of one code page
//   dump_windows_tables.exe locales < NAMES   the ANSI code page of each glibc locale
//
// A code page's tables, every number in hexadecimal:
//   d FIRST CP...   MultiByteToWideChar(MB_ERR_INVALID_CHARS) reads the byte FIRST
//                   (or the lead and trail byte FIRST, as one number) as the first
//                   CP, FIRST+1 as the next, and so on; a byte or a pair that no
//                   line names is invalid
//   e CP BYTES      WideCharToMultiByte(WC_NO_BEST_FIT_CHARS) writes code point CP
//                   as BYTES ("-": it has none and becomes "?"), where that is not
//                   simply the one byte sequence that reads as CP. A BMP code point
//                   that no "e" line names is written as the one sequence that reads
//                   as it, and has no bytes where none or several do.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Writes "d" lines: runs of byte sequences that count up by one.
class DecodeWriter
{
public:
    ~DecodeWriter() { end(); }

    void add(unsigned bytes, unsigned codePoint)
    {
        if (!open_ || bytes != next_) {
            end();
            std::printf("d %x", bytes);
            open_ = true;
        }
        std::printf(" %x", codePoint);
        next_ = bytes + 1;
    }

private:
    void end()
    {
        if (open_)
            std::printf("\n");
        open_ = false;
    }

    bool open_ = false;
    unsigned next_ = 0;
};

constexpr unsigned kNone = 0xFFFFFFFF;
constexpr unsigned kSeveral = 0xFFFFFFFE;

int dumpCodePage(UINT codePage)
{
    if (!IsValidCodePage(codePage)) {
        std::fprintf(stderr, "code page %u is not installed\n", codePage);
        return 1;
    }
    std::printf("# Windows code page %u, as the system converts it (dump_windows_tables).\n", codePage);
    // What reads as each code point, to leave out of the "e" lines.
    std::vector<unsigned> readsAs(0x10000, kNone);
    {
        DecodeWriter decode;
        const auto found = [&](unsigned bytes, wchar_t unit) {
            decode.add(bytes, unsigned(unit));
            unsigned &source = readsAs[unsigned(unit)];
            source = source == kNone ? bytes : kSeveral;
        };
        for (unsigned first = 0; first <= 0xFF; ++first) {
            const char single = char(first);
            wchar_t units[4] = {};
            if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &single, 1, units, 4) == 1) {
                found(first, units[0]);
                continue;
            }
            if (!IsDBCSLeadByteEx(codePage, BYTE(first)))
                continue;
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                const char pair[2] = {char(first), char(trail)};
                if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, pair, 2, units, 4) == 1)
                    found(first << 8 | trail, units[0]);
            }
        }
    }
    for (unsigned cp = 0; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const wchar_t unit = wchar_t(cp);
        char bytes[8] = {};
        BOOL usedDefault = FALSE;
        const int written =
            WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, sizeof bytes, "?", &usedDefault);
        if (written > 2) {
            std::fprintf(stderr, "code page %u writes U+%04X as %d bytes\n", codePage, cp, written);
            return 1;
        }
        unsigned value = kNone;
        if (written > 0 && !usedDefault) {
            value = 0;
            for (int i = 0; i < written; ++i)
                value = value << 8 | static_cast<unsigned char>(bytes[i]);
        }
        const unsigned derived = readsAs[cp] == kSeveral ? kNone : readsAs[cp];
        if (value == derived)
            continue;
        if (value == kNone)
            std::printf("e %x -\n", cp);
        else
            std::printf("e %x %x\n", cp, value);
    }
    return 0;
}

// The Windows names that may stand for a glibc locale, most precise first:
// "sr_ME" written in Cyrillic -> "sr-Cyrl-ME", "sr-ME", "sr-Cyrl", "sr";
// "ca_ES@valencia" -> "ca-ES-valencia", ...
std::vector<std::wstring> windowsLocaleNames(const std::string &glibc, const std::string &script)
{
    std::string name = glibc;
    std::string modifier;
    if (const auto at = name.find('@'); at != std::string::npos) {
        modifier = name.substr(at + 1);
        name.erase(at);
    }
    std::string language = name;
    std::string territory;
    if (const auto underscore = name.find('_'); underscore != std::string::npos) {
        language = name.substr(0, underscore);
        territory = "-" + name.substr(underscore + 1);
    }
    const std::string variant = modifier == "valencia" ? "-valencia" : "";
    const std::string tag = script.empty() ? "" : "-" + script;
    std::vector<std::string> names;
    if (!tag.empty())
        names.push_back(language + tag + territory + variant);
    names.push_back(language + territory + variant);
    if (!tag.empty())
        names.push_back(language + tag);
    names.push_back(language);
    std::vector<std::wstring> wide;
    for (const std::string &candidate : names)
        wide.emplace_back(candidate.begin(), candidate.end());
    return wide;
}

// Reads lines "NAME SCRIPT" (a glibc locale and the ISO 15924 script its texts
// are written in) and writes "NAME WINDOWS_NAME CODE_PAGE": 0 where Windows gives
// the locale no ANSI code page (a Unicode-only locale); "NAME - -" where Windows
// has no such locale.
int dumpLocales()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto space = line.find(' ');
        const std::string glibc = line.substr(0, space);
        const std::string script = space == std::string::npos ? "" : line.substr(space + 1);
        if (glibc.empty())
            continue;
        bool found = false;
        for (const std::wstring &name : windowsLocaleNames(glibc, script)) {
            DWORD codePage = 0;
            if (!IsValidLocaleName(name.c_str())
                || GetLocaleInfoEx(name.c_str(), LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                   reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(wchar_t))
                       == 0)
                continue;
            std::printf("%s %ls %lu\n", glibc.c_str(), name.c_str(), static_cast<unsigned long>(codePage));
            found = true;
            break;
        }
        if (!found)
            std::printf("%s - -\n", glibc.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // "\n" stays one byte, so the tables read the same on every system.
    _setmode(_fileno(stdout), _O_BINARY);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "code-page" && argc == 3)
        return dumpCodePage(UINT(std::strtoul(argv[2], nullptr, 10)));
    if (mode == "locales" && argc == 2)
        return dumpLocales();
    std::fprintf(stderr, "usage: dump_windows_tables code-page NUMBER | locales < NAMES\n");
    return 2;
}
