#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

namespace velandry {

namespace detail {
class NativeConverter;
}

// A Windows ANSI code page: the 8-bit text the output is written in, and the
// text a playlist that is not UTF-8 is read in. A character the code page cannot
// hold is written as a single '?' (a surrogate pair is one character) and
// counted, never replaced by a look-alike.
class CodePage final
{
public:
    // 874, 932, 936, 949, 950 and 1250 to 1258.
    static const QList<int> &supported();

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

    QString decode(QByteArrayView bytes) const;

private:
    explicit CodePage(int number) : number_(number) { }

    int number_;
};

// Encodes many pieces of text in one code page, keeping the system's converter
// open between them. One per thread.
class CodePageEncoder final
{
public:
    explicit CodePageEncoder(CodePage codePage);
    ~CodePageEncoder();
    CodePageEncoder(const CodePageEncoder &) = delete;
    CodePageEncoder &operator=(const CodePageEncoder &) = delete;

    CodePage codePage() const { return codePage_; }
    qsizetype encodeInto(QStringView text, QByteArray &out);

private:
    CodePage codePage_;
    std::unique_ptr<detail::NativeConverter> native_; // none for the built-in table
};

struct DefaultCodePage
{
    int number = 1252;
    QString reason; // e.g. "from the locale ja_JP.UTF-8"
};

// On Windows the system's ANSI code page. Elsewhere the ANSI code page Windows
// gives the user's locale: the first of LC_ALL, LC_CTYPE and LANG that is set.
DefaultCodePage defaultCodePage();

// The ANSI code page Windows gives a locale named like "ja_JP.UTF-8" or
// "sr_RS@latin"; 1252 for C, POSIX and every locale not in the table.
int ansiCodePageForLocale(QStringView locale);

// "874, 932, 936, 949, 950, 1250, ..., 1258", for messages.
QString supportedCodePageList();

} // namespace velandry
