#include "playlist_text.h"

#include "utf8_text.h"

#include <QStringDecoder>

namespace velandry {

namespace {

// Checked this much at a time between two questions to the caller.
constexpr qsizetype kCheckPiece = qsizetype(4) << 20;

} // namespace

QString PlaylistText::toString() const
{
    return detail::fromWtf8(utf8());
}

std::optional<PlaylistText> readPlaylistText(QByteArrayView bytes, CodePage codePage,
                                             const std::function<bool(qint64)> &keepGoing)
{
    PlaylistText text;
    const auto bom = QStringConverter::encodingForData(bytes);
    if (bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE) {
        // The decoder drops the mark; a trailing odd byte decodes as U+FFFD.
        QStringDecoder decoder(*bom, QStringConverter::Flag::Stateless);
        text.converted_ = detail::toWtf8(QString(decoder.decode(bytes)));
        text.encoding_ = PlaylistEncoding::Utf16;
        return text;
    }
    const QByteArrayView whole = bytes;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    // Valid UTF-8 throughout, in pieces that never end inside a character.
    qsizetype checked = 0;
    while (checked < bytes.size()) {
        const qsizetype end = qMin(bytes.size(), checked + kCheckPiece);
        const qsizetype valid = detail::validUtf8Prefix(bytes.sliced(checked, end - checked));
        const bool cutAtEnd = checked + valid < end && end < bytes.size() && end - (checked + valid) < 4;
        if (checked + valid < end && !cutAtEnd)
            break;
        checked += valid;
        if (keepGoing && !keepGoing(checked))
            return std::nullopt;
        if (cutAtEnd && valid == 0)
            break; // cannot happen with pieces of megabytes
    }
    if (checked == bytes.size()) {
        text.own_ = bytes;
        return text;
    }
    text.converted_ = detail::toWtf8(codePage.decode(whole));
    text.encoding_ = PlaylistEncoding::Ansi;
    return text;
}

} // namespace velandry
