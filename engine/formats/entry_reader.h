#pragma once

// The readers of the playlist formats other than WPL, for the sources of
// entry_sources.cpp: each finds its format's entries as the playlist names
// them, and the cut rules (entry_cut.h) then place them below the music
// folder.

#include "engine/formats/entry_source.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

namespace velandry {

// Reads the entries of one playlist format from the playlist's UTF-8 text,
// first to last, a bounded stretch of text per call. An entry is the path or
// address as the playlist means it, as UTF-8: markup's entities and an XSPF
// location's percent-encoding decoded, nothing else changed.
class EntryReader
{
public:
    virtual ~EntryReader() = default;
    EntryReader(const EntryReader &) = delete;
    EntryReader &operator=(const EntryReader &) = delete;

    enum class Step { Found, Paused, Ended, Failed };

    // Looks for the next entry within about `budget` more bytes of text:
    // Found (in `entry`, valid until the next call), Paused (none in this
    // stretch; call again), Ended, or Failed (the text cannot be read as the
    // format: fault()).
    virtual Step next(QByteArrayView &entry, qsizetype budget) = 0;

    // How far the reading has come, in bytes of the text.
    virtual qsizetype bytesRead() const = 0;

    virtual ReadFault fault() const { return {}; }

protected:
    EntryReader() = default;
};

// Every line that is not empty and does not start with "#".
std::unique_ptr<EntryReader> readM3u(QByteArrayView utf8);

// The values of the FileN keys, in the order of N.
std::unique_ptr<EntryReader> readPls(QByteArrayView utf8);

// Each track's first location. Where the playlist, its trackList or the
// track names an xml:base, the location is resolved against it, and a
// relative base against the document's own place, the folder `documentFolder`
// (RFC 3986, as XML Base says); a location that is still relative comes
// percent-decoded, as a relative path.
std::unique_ptr<EntryReader> readXspf(QByteArrayView utf8, const QString &documentFolder);

// For each ENTRY the first REF whose HREF `preferred` takes (a REF list holds
// alternatives of one item), else its first REF. Reads loose markup as players
// do: names in any letter case, unquoted values, an unescaped "&".
std::unique_ptr<EntryReader> readAsx(QByteArrayView utf8, std::function<bool(QByteArrayView href)> preferred);

} // namespace velandry
