#pragma once

#include "engine/code_page.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

namespace velandry {

// Ansi: not UTF-8, so read in the ANSI code page; Declared: in the encoding
// the playlist's XML declaration names.
enum class PlaylistEncoding { Utf8, Utf16, Ansi, Declared };

// What a playlist says of its own text before it is read: nothing (its bytes
// tell: UTF-8 where they are, else the ANSI code page), UTF-8 (an M3U8, by its
// name; an invalid sequence reads as U+FFFD), or the encoding its XML
// declaration names ("windows-1252", "Shift_JIS", "ISO-8859-15", "KOI8-R").
struct DeclaredEncoding
{
    enum class Kind { None, Utf8, Named };
    Kind kind = Kind::None;
    QByteArray name; // with Named, as the declaration writes it

    static DeclaredEncoding named(QByteArray name) { return {Kind::Named, std::move(name)}; }
};

// Whether a declared encoding can be read here: a name that neither this
// program (the ANSI code pages, UTF-8, UTF-16) nor the system's converter
// knows cannot, and a playlist that declares it is refused rather than read
// in a guessed encoding.
bool canRead(const DeclaredEncoding &declared);

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
                                                        qsizetype, const DeclaredEncoding &);

    QByteArrayView own_;
    QByteArray converted_;
    PlaylistEncoding encoding_ = PlaylistEncoding::Utf8;
};

// Playlists are UTF-8. A byte-order mark decides first: a UTF-8 one is
// dropped, whatever the text then turns out to be (a mark is never text), and
// a file that starts with a UTF-16 one is read as UTF-16. Otherwise the
// declared encoding is read where there is one (one that canRead() refuses
// reads as none), and bytes that are not valid UTF-8 are read in the ANSI code
// page (see CodePage::decode()) rather than turned into U+FFFD. `bytes` must
// outlive the result. The text is checked and
// converted `piece` bytes at a time; between pieces `keepGoing` is told how
// many bytes have been looked at, and when it answers false the reading stops
// and the result is empty. Converting a text needs memory for the converted
// text: where there is not enough, std::bad_alloc is thrown.
inline constexpr qsizetype kReadPiece = qsizetype(4) << 20;
std::optional<PlaylistText> readPlaylistText(QByteArrayView bytes, CodePage codePage,
                                             const std::function<bool(qint64 bytesRead)> &keepGoing = {},
                                             qsizetype piece = kReadPiece, const DeclaredEncoding &declared = {});

} // namespace velandry
