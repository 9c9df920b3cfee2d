#include "playlist_text.h"

#include "utf8_text.h"

#include <QStringDecoder>

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

} // namespace

QString PlaylistText::toString() const
{
    return detail::fromWtf8(utf8());
}

std::optional<PlaylistText> readPlaylistText(QByteArrayView bytes, CodePage codePage,
                                             const std::function<bool(qint64)> &keepGoing, qsizetype piece,
                                             TextRule rule)
{
    PlaylistText text;
    const auto bom = QStringConverter::encodingForData(bytes);
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
    const QByteArrayView whole = bytes;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
        if (rule == TextRule::CodePage)
            rule = TextRule::Detect; // the mark says UTF-8, whatever the declaration says
    }

    // Valid UTF-8 throughout, in pieces that never end inside a character.
    qsizetype checked = 0;
    while (rule != TextRule::CodePage && checked < bytes.size()) {
        const qsizetype end = qMin(bytes.size(), checked + qMax<qsizetype>(4, piece));
        const qsizetype valid = detail::validUtf8Prefix(bytes.sliced(checked, end - checked));
        const bool cutAtEnd = checked + valid < end && end < bytes.size() && end - (checked + valid) < 4;
        if (checked + valid < end && !cutAtEnd)
            break;
        checked += valid;
        if (keepGoing && !keepGoing(checked))
            return std::nullopt;
        if (cutAtEnd && valid == 0)
            break; // a piece shorter than one character
    }
    if (checked == bytes.size() && rule != TextRule::CodePage) {
        text.own_ = bytes;
        return text;
    }
    if (rule == TextRule::Utf8) {
        // Every invalid sequence as U+FFFD, the decoder keeping a character
        // that a piece's end cuts.
        text.converted_ = QByteArray("");
        text.converted_.reserve(bytes.size() + bytes.size() / 8);
        QStringDecoder stateful(QStringConverter::Utf8);
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype end = qMin(bytes.size(), at + qMax<qsizetype>(4, piece));
            text.converted_.append(detail::toWtf8(QString(stateful.decode(bytes.sliced(at, end - at)))));
            at = end;
            if (keepGoing && !keepGoing(at))
                return std::nullopt;
        }
        return text;
    }
    // Not UTF-8: the whole file in the code page, piece by piece, a lead byte
    // at a piece's end read with its trail.
    text.converted_ = QByteArray("");
    // As for UTF-16: about a byte for a byte, more as it comes. A text too
    // large for memory throws std::bad_alloc, which the conversion reports.
    text.converted_.reserve(whole.size() + whole.size() / 8);
    QString decoded;
    for (qsizetype at = 0; at < whole.size();) {
        const qsizetype end = qMin(whole.size(), at + qMax<qsizetype>(2, piece));
        decoded.clear();
        at += codePage.decodeInto(whole.sliced(at, end - at), decoded, end == whole.size());
        text.converted_.append(detail::toWtf8(decoded));
        if (keepGoing && !keepGoing(at))
            return std::nullopt;
    }
    text.encoding_ = rule == TextRule::CodePage ? PlaylistEncoding::Declared : PlaylistEncoding::Ansi;
    return text;
}

} // namespace velandry
