#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace velandry {

// The kinds of playlist read, told by the file's extension (letter case
// ignored): Windows Media Player's own (.wpl, and the Zune player's .zpl in
// the same format), M3U (.m3u, .m3u8), PLS, XSPF and ASX (.asx, .wax, .wvx).
enum class PlaylistFormat { Wpl, M3u, M3u8, Pls, Xspf, Asx };

std::optional<PlaylistFormat> formatOfName(QStringView fileName);

// "*.wpl", "*.zpl", "*.m3u", ...: for file lists and choosers.
const QStringList &playlistNamePatterns();

// The extension the name ends in, with its full stop, where it names a format
// read; else empty.
QStringView playlistExtension(QStringView fileName);

} // namespace velandry
