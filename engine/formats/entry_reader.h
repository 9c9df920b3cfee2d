#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

namespace velandry {

// Where a playlist could not be read as its format: the line (from 1), what
// went wrong, and the XML reader's own words where it gave any.
struct ReadFault
{
    enum class What { NotXml, TagNotClosed, NoAsxElement };
    What what = What::NotXml;
    qint64 line = 0;
    QString reason;
};

// Reads the entries of one playlist format (all but WPL, whose references the
// plain scan of media_paths.h finds) from the playlist's UTF-8 text, first to
// last, a bounded stretch of text per call: memory does not grow with the
// playlist, and the caller can stop between any two calls. An entry is the
// path or address as the playlist means it, as UTF-8: markup's entities and
// an XSPF location's percent-encoding decoded, nothing else changed.
class EntryReader
{
public:
    virtual ~EntryReader() = default;

    enum class Step { Found, Paused, Ended, Failed };

    // Looks for the next entry within about `budget` more bytes of text:
    // Found (in `entry`), Paused (none in this stretch; call again), Ended,
    // or Failed (the text cannot be read as the format: fault()).
    virtual Step next(QByteArray &entry, qsizetype budget) = 0;

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

// Each track's first location, resolved against the xml:base of the
// playlist, its trackList and the track; a location that is still relative
// comes percent-decoded, as a relative path.
std::unique_ptr<EntryReader> readXspf(QByteArrayView utf8);

// For each ENTRY the first REF whose HREF `preferred` takes (a REF list holds
// alternatives of one item), else its first REF. Reads loose markup as players
// do: names in any letter case, unquoted values, an unescaped "&".
std::unique_ptr<EntryReader> readAsx(QByteArrayView utf8, std::function<bool(QByteArrayView href)> preferred);

} // namespace velandry
