#pragma once

// Opens a playlist's entries for the document writer, whatever its format:
// the one place that knows which reader reads which format.

#include "engine/formats/entry_cut.h"
#include "engine/formats/entry_source.h"
#include "engine/formats/playlist_format.h"
#include "engine/playlist_text.h"

#include <functional>
#include <memory>

namespace velandry {

// What a playlist of `format` says of its own text, from its first bytes: an
// M3U8 is UTF-8 by its name, an XSPF or ASX file names its encoding in its
// XML declaration, the others say nothing.
DeclaredEncoding declaredEncoding(PlaylistFormat format, QByteArrayView bytes);

// The entries of a playlist of `format`, from its text as UTF-8 (which must
// outlive the source): a WPL's references as the plain scan finds them (only
// `rules.mediaType` counts there, and the playlist's folder for their files),
// every other format's entries as its reader finds them and the rules cut
// them.
std::unique_ptr<EntrySource> openEntrySource(PlaylistFormat format, QByteArrayView utf8, const EntryRules &rules);

// Each entry of an ASX playlist as its reader reads it, uncut (for each ENTRY
// its first REF): false where its markup cannot be read.
bool readAsxEntries(QByteArrayView utf8, const std::function<void(QByteArrayView entry)> &found);

} // namespace velandry
