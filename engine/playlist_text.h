#pragma once

#include "code_page.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

namespace velandry {

// Ansi: not UTF-8, so read in the ANSI code page; Declared: in the code page
// the playlist's XML declaration names.
enum class PlaylistEncoding { Utf8, Utf16, Ansi, Declared };

// How a text without a UTF-16 byte-order mark is read: UTF-8 where its bytes
// are, else in the code page (Detect); UTF-8 always, an invalid sequence as
// U+FFFD (Utf8: M3U8 files are UTF-8 by their name); in the code page
// (CodePage: an XML declaration names it).
enum class TextRule { Detect, Utf8, CodePage };

// A playlist's text as UTF-8 (see utf8_text.h): the playlist's own bytes where
// they are UTF-8, less a byte-order mark, and never copied; else the text they
// stand for, converted.
class PlaylistText final
{
public:
    QByteArrayView utf8() const { return converted_.isNull() ? own_ : QByteArrayView(converted_); }
    PlaylistEncoding encoding() const { return encoding_; }
    // As UTF-16, for callers that want a string.
    QString toString() const;

private:
    friend std::optional<PlaylistText> readPlaylistText(QByteArrayView, CodePage, const std::function<bool(qint64)> &,
                                                        qsizetype, TextRule);

    QByteArrayView own_;
    QByteArray converted_;
    PlaylistEncoding encoding_ = PlaylistEncoding::Utf8;
};

// Playlists are UTF-8. A UTF-8 byte-order mark is dropped; a file that starts
// with a UTF-16 byte-order mark is read as UTF-16; bytes that are not valid
// UTF-8 are read in the ANSI code page (see CodePage::decode()) rather than
// turned into U+FFFD. `bytes` must outlive the result. The text is checked and
// converted `piece` bytes at a time; between pieces `keepGoing` is told how
// many bytes have been looked at, and when it answers false the reading stops
// and the result is empty. Converting a text needs memory for the converted
// text: where there is not enough, std::bad_alloc is thrown.
inline constexpr qsizetype kReadPiece = qsizetype(4) << 20;
std::optional<PlaylistText> readPlaylistText(QByteArrayView bytes, CodePage codePage,
                                             const std::function<bool(qint64 bytesRead)> &keepGoing = {},
                                             qsizetype piece = kReadPiece, TextRule rule = TextRule::Detect);

} // namespace velandry
