#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace velandry {

namespace detail {
struct CodePageTables;
}

// A Windows ANSI code page: the 8-bit text the output is written in, and the
// text a playlist that is not UTF-8 is read in, both exactly as Windows' own
// conversion does. A character the code page cannot hold is written as a
// single '?' (a surrogate pair is one character) and counted, never replaced
// by a look-alike. Cheap to copy; safe to use from any thread.
class CodePage final
{
public:
    // 874, 932, 936, 949, 950 and 1250 to 1258.
    static const QList<int> &supported();

    // A supported code page. Where the system cannot convert it (a Windows
    // without it installed) the result is Windows-1252: still text, never
    // bytes in a wrong layout; number() says so.
    static std::optional<CodePage> fromNumber(int number);
    // "932", "cp932" or "windows-932", in any letter case.
    static std::optional<CodePage> fromName(QStringView name);

    // The code page this machine writes by default (see defaultCodePage()).
    static CodePage systemDefault();

    int number() const { return number_; }

    // Appends the encoding of `text` to `out`; returns how many characters
    // became '?'. C0 control characters other than tab, LF and CR count as not
    // representable: they would make the XML unreadable.
    qsizetype encodeInto(QStringView text, QByteArray &out) const;
    // The same for UTF-8 text (lone surrogates as three bytes each, see
    // utf8_text.h).
    qsizetype encodeUtf8Into(QByteArrayView text, QByteArray &out) const;
    // The same written at `out`, which has room for two bytes for each byte of
    // `text`; returns the end of what was written, and adds the characters
    // that became '?' to `lost`.
    char *encodeUtf8To(QByteArrayView text, char *out, qsizetype &lost) const;

    // Reads `bytes` in the code page. A byte or a pair of bytes that Windows
    // rejects as invalid becomes one U+FFFD, counted in `invalid`; a lead byte
    // whose next byte makes no character is such a sequence by itself, and the
    // next byte is read anew.
    QString decode(QByteArrayView bytes, qsizetype *invalid = nullptr) const;
    // The same for one piece of a longer text, appended to `out`: unless the
    // piece is the `last`, a final byte that makes no character alone is left
    // for the next piece. Returns how many bytes were read.
    qsizetype decodeInto(QByteArrayView bytes, QString &out, bool last, qsizetype *invalid = nullptr) const;

private:
    CodePage(int number, const detail::CodePageTables *tables) : number_(number), tables_(tables) { }

    int number_;
    const detail::CodePageTables *tables_;
};

// The code page this machine writes by default, and where it comes from.
struct DefaultCodePage
{
    enum class Source {
        System,     // Windows: the system's ANSI code page
        UserLocale, // Windows: the system's is none (`systemCodePage`); the user's locale's
        NoneOnWindows, // Windows: neither the system nor the user's locale has one: 1252
        Locale,     // elsewhere: `locale`, from the variable `variable`
        NoLocale,   // elsewhere: no locale is set: 1252
    };
    int number = 1252;
    Source source = Source::NoLocale;
    int systemCodePage = 0;
    QString variable; // LC_ALL, LC_CTYPE or LANG
    QString locale;   // e.g. "ja_JP.UTF-8"
};

// On Windows the system's ANSI code page, or, where that is none of the
// supported ones (UTF-8 turned on for every program), the ANSI code page of
// the user's locale. Elsewhere the ANSI code page Windows gives the user's
// locale: the first of LC_ALL, LC_CTYPE and LANG that is set.
DefaultCodePage defaultCodePage();

// The ANSI code page Windows gives a locale named like "ja_JP.UTF-8" or
// "sr_RS@latin"; 1252 for C, POSIX, the locales that Windows writes in
// Unicode only and every locale Windows does not know.
int ansiCodePageForLocale(QStringView locale);


} // namespace velandry
