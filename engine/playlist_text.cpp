#include "engine/playlist_text.h"

#include "engine/system/code_page_system.h"
#include "engine/utf8_text.h"

#include <QStringDecoder>

#include <cstring>

namespace velandry {

namespace {

// UTF-16 in pieces of whole units that never part a surrogate pair, each
// piece's text appended as UTF-8. Only the first piece drops a byte-order mark;
// a trailing odd byte decodes as U+FFFD.
bool convertUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding, qsizetype piece,
                  const std::function<bool(qint64)> &keepGoing, QByteArray &out)
{
    const auto unitAt = [&](qsizetype at) {
        const auto first = std::uint8_t(bytes[at]);
        const auto second = std::uint8_t(bytes[at + 1]);
        return char16_t(encoding == QStringConverter::Utf16LE ? first | second << 8 : first << 8 | second);
    };
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = qMin(bytes.size(), at + qMax<qsizetype>(2, piece & ~qsizetype(1)));
        if (end < bytes.size() && QChar::isHighSurrogate(unitAt(end - 2)))
            end += 2;
        end = qMin(end, bytes.size());
        QStringDecoder decoder(encoding, at == 0 ? QStringConverter::Flag::Stateless
                                                 : QStringConverter::Flag::Stateless
                                                       | QStringConverter::Flag::ConvertInitialBom);
        out.append(detail::toWtf8(QString(decoder.decode(bytes.sliced(at, end - at)))));
        at = end;
        if (keepGoing && !keepGoing(at))
            return false;
    }
    return true;
}

// How a declared encoding is read.
struct Reading
{
    enum class Kind { Detect, Utf8, CodePage, Utf16, System };
    Kind kind = Kind::Detect;
    std::optional<CodePage> codePage = {};
    QStringConverter::Encoding utf16 = QStringConverter::Utf16;
    QByteArray name = {};
};

// The names Windows' own XML readers take for the ANSI code pages are read as
// those code pages, exactly as Windows converts them; UTF-8 as UTF-8 (its
// bytes still decide); any other name through the system's converter.
std::optional<Reading> readingOf(const DeclaredEncoding &declared)
{
    switch (declared.kind) {
    case DeclaredEncoding::Kind::None:
        return Reading{};
    case DeclaredEncoding::Kind::Utf8:
        return Reading{Reading::Kind::Utf8};
    case DeclaredEncoding::Kind::Named:
        break;
    }
    const QByteArray name = declared.name.trimmed().toLower();
    if (name == "utf-8" || name == "utf8")
        return Reading{};
    if (name == "utf-16" || name == "utf-16le" || name == "utf-16be") {
        // Without a byte-order mark (one decides before this), UTF-16 is big-endian.
        return Reading{Reading::Kind::Utf16, {},
                       name == "utf-16le" ? QStringConverter::Utf16LE : QStringConverter::Utf16BE};
    }
    static const struct
    {
        const char *name;
        int codePage;
    } kAnsiNames[] = {
        {"iso-8859-1", 1252}, {"latin1", 1252},    {"shift_jis", 932}, {"sjis", 932},
        {"gb2312", 936},      {"gbk", 936},        {"ks_c_5601-1987", 949}, {"euc-kr", 949},
        {"big5", 950},        {"tis-620", 874},    {"windows-874", 874},
    };
    int number = 0;
    for (const auto &known : kAnsiNames) {
        if (name == known.name)
            number = known.codePage;
    }
    for (const char *prefix : {"windows-", "cp", "x-cp"}) {
        if (number == 0 && name.startsWith(prefix)) {
            bool ok = false;
            const int parsed = name.sliced(qsizetype(std::strlen(prefix))).toInt(&ok);
            number = ok ? parsed : 0;
        }
    }
    if (const std::optional<CodePage> page = CodePage::fromNumber(number); page && page->number() == number)
        return Reading{Reading::Kind::CodePage, page};
    if (detail::systemDecoder(declared.name))
        return Reading{Reading::Kind::System, {}, QStringConverter::Utf16, declared.name};
    return std::nullopt;
}

} // namespace

bool canRead(const DeclaredEncoding &declared)
{
    return readingOf(declared).has_value();
}

QString PlaylistText::toString() const
{
    return detail::fromWtf8(utf8());
}

std::optional<PlaylistText> readPlaylistText(QByteArrayView bytes, CodePage codePage,
                                             const std::function<bool(qint64)> &keepGoing, qsizetype piece,
                                             const DeclaredEncoding &declared)
{
    PlaylistText text;
    auto bom = QStringConverter::encodingForData(bytes);
    Reading reading = readingOf(declared).value_or(Reading{});
    if (reading.kind == Reading::Kind::Utf16 && !bom)
        bom.emplace(reading.utf16);
    if (bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE) {
        text.converted_ = QByteArray(""); // not null, even when empty
        // Most playlists are mostly ASCII: a byte of UTF-8 a unit. The text
        // grows beyond that as it comes; reserving the most it could take
        // (three bytes a unit) would ask for memory that a large file's
        // conversion never needs, and fail for it.
        text.converted_.reserve(bytes.size() / 2 + bytes.size() / 16);
        if (!convertUtf16(bytes, *bom, piece, keepGoing, text.converted_))
            return std::nullopt;
        text.encoding_ = PlaylistEncoding::Utf16;
        return text;
    }
    // A mark is never text. It says UTF-8 whatever a declaration says; where
    // the bytes then are not UTF-8 after all, the rest is read as without it.
    qsizetype marked = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        marked = 3;
        if (reading.kind != Reading::Kind::Utf8)
            reading = Reading{};
    }
    const auto told = [&](qint64 at) { return !keepGoing || keepGoing(marked + at); };
    const bool declaredOther = reading.kind == Reading::Kind::CodePage || reading.kind == Reading::Kind::System;

    // Valid UTF-8 throughout, in pieces that never end inside a character.
    qsizetype checked = 0;
    while (!declaredOther && checked < bytes.size()) {
        const qsizetype end = qMin(bytes.size(), checked + qMax<qsizetype>(4, piece));
        const qsizetype valid = detail::validUtf8Prefix(bytes.sliced(checked, end - checked));
        const bool cutAtEnd = checked + valid < end && end < bytes.size() && end - (checked + valid) < 4;
        if (checked + valid < end && !cutAtEnd)
            break;
        checked += valid;
        if (!told(checked))
            return std::nullopt;
        if (cutAtEnd && valid == 0)
            break; // a piece shorter than one character
    }
    if (checked == bytes.size() && !declaredOther) {
        text.own_ = bytes;
        return text;
    }
    if (reading.kind == Reading::Kind::Utf8) {
        // Every invalid sequence as U+FFFD, the decoder keeping a character
        // that a piece's end cuts.
        text.converted_ = QByteArray("");
        text.converted_.reserve(bytes.size() + bytes.size() / 8);
        QStringDecoder stateful(QStringConverter::Utf8);
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype end = qMin(bytes.size(), at + qMax<qsizetype>(4, piece));
            text.converted_.append(detail::toWtf8(QString(stateful.decode(bytes.sliced(at, end - at)))));
            at = end;
            if (!told(at))
                return std::nullopt;
        }
        return text;
    }
    // Not UTF-8: the whole text in the declared encoding or the code page,
    // piece by piece, a character that a piece's end cuts read whole with the
    // next. As for UTF-16: about a byte for a byte, more as it comes. A text
    // too large for memory throws std::bad_alloc, which the conversion reports.
    text.converted_ = QByteArray("");
    text.converted_.reserve(bytes.size() + bytes.size() / 8);
    std::unique_ptr<detail::TextDecoder> system =
        reading.kind == Reading::Kind::System ? detail::systemDecoder(reading.name) : nullptr;
    const CodePage page = reading.kind == Reading::Kind::CodePage ? *reading.codePage : codePage;
    QString decoded;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype end = qMin(bytes.size(), at + qMax<qsizetype>(2, piece));
        const bool last = end == bytes.size();
        decoded.clear();
        if (system) {
            system->decode(bytes.sliced(at, end - at), last, decoded);
            at = end;
        } else {
            at += page.decodeInto(bytes.sliced(at, end - at), decoded, last);
        }
        text.converted_.append(detail::toWtf8(decoded));
        if (!told(at))
            return std::nullopt;
    }
    text.encoding_ = declaredOther ? PlaylistEncoding::Declared : PlaylistEncoding::Ansi;
    return text;
}

} // namespace velandry
