// The engine as it was before it streamed, whole texts in memory: the oracle
// that the fuzzer and the differential tests hold the streaming engine against.
#pragma once

#include "engine/code_page.h"

#include <QByteArray>
#include <QString>

namespace velandry::oracle {

enum class PlaylistEncoding { Utf8, Utf16, Ansi };

struct PlaylistText
{
    QString text;
    PlaylistEncoding encoding = PlaylistEncoding::Utf8;
};

// Playlists are UTF-8. A UTF-8 byte-order mark is dropped; a file that starts
// with a UTF-16 byte-order mark is read as UTF-16; bytes that are not valid
// UTF-8 are read in the ANSI code page rather than turned into U+FFFD.
PlaylistText decodePlaylist(const QByteArray &bytes, CodePage codePage);

} // namespace velandry::oracle
