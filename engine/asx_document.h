#pragma once

#include "code_page.h"
#include "media_paths.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>
#include <optional>

namespace velandry {

struct AsxStats
{
    qsizetype entries = 0;
    // Characters the ANSI code page cannot hold, written as '?'.
    qsizetype lostCharacters = 0;
    qsizetype entriesWithLostCharacters = 0;
    // References whose path held '"', '<' or '>': the plain scan cut them
    // across markup, so they name no real file.
    qsizetype cutAcrossMarkup = 0;
    // The code page the document was written in.
    int codePage = 0;
};

// Upper bound of the path text one document may hold: larger than any storage
// card's FAT file system can store, so such a document can only come from a
// crafted playlist whose references overlap.
inline constexpr qint64 kMaxDocumentPathBytes = qint64(0xFFFFFFFF);

// Told how far a conversion has come, from the first byte: bytes of the
// playlist's text read, and bytes of the document written with about how many
// it will take (0 until the playlist has been read). Returning false stops it.
struct ConversionProgress
{
    qint64 bytesRead = 0;
    qint64 bytesToRead = 0;
    qint64 bytesWritten = 0;
    qint64 bytesExpected = 0;
};
using ProgressCheck = std::function<bool(const ConversionProgress &)>;

enum class WriteOutcome { Written, DeviceFailed, Stopped, TooLarge, Unreadable };

// Where the entries of a document come from: walked from the start once to
// measure the document and once to write it, a bounded stretch of the
// playlist per call.
class EntrySource
{
public:
    virtual ~EntrySource() = default;

    enum class Step { Found, Paused, Ended, Failed };

    // Looks for the next entry within about `budget` more bytes of the
    // playlist: Found (its path is the part `path` of `text`, which stays valid
    // until the next call), Paused (call again), Ended, or Failed (the playlist
    // cannot be read).
    virtual Step next(QByteArrayView &text, Reference &path, qsizetype budget) = 0;

    // How far the walk has come, in bytes of the playlist's text.
    virtual qsizetype bytesScanned() const = 0;

    // Back to the first entry.
    virtual void rewind() = 0;

    // Whether the document is measured before it is written: a WPL's
    // references may overlap and make a document far larger than the
    // playlist, which is refused before anything is written. The entries of
    // the other formats each stand once in the text; they are written in one
    // walk.
    virtual bool measuredFirst() const { return true; }

protected:
    EntrySource() = default;
};

// The references of a media type in a WPL text, as the plain scan finds them.
class WplReferences final : public EntrySource
{
public:
    WplReferences(QByteArrayView utf8, QStringView mediaType) : utf8_(utf8), mediaType_(mediaType) { rewind(); }

    Step next(QByteArrayView &text, Reference &path, qsizetype budget) override;
    qsizetype bytesScanned() const override { return scanner_->bytesScanned(); }
    void rewind() override { scanner_.emplace(utf8_, mediaType_); }

private:
    QByteArrayView utf8_;
    QStringView mediaType_;
    std::optional<ReferenceScanner> scanner_;
};

// Streams to `device` the ASX 3.0 document for the references of `mediaType`
// in a playlist's UTF-8 text (see utf8_text.h): two header lines, three lines
// per reference with `mediaFolder` written before the path as it stands (one
// entry with the folder alone when there is no reference), and the closing
// line, each followed by CR LF, in `codePage`. In each path "&apos;" becomes an
// apostrophe and '"', '<', '>' are written as entities.
//
// The text is read twice, the references found afresh each time: first to
// measure (a document whose paths would pass kMaxDocumentPathBytes is refused
// before anything is written), then to write; or once, where the source's
// entries need no measure (EntrySource::measuredFirst()). Memory stays bounded whatever the
// size of the text or of one path, and `progress` is asked at least every
// megabyte read or written.
WriteOutcome writeAsxDocument(QIODevice &device, QByteArrayView utf8, QStringView mediaType, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats = nullptr, const ProgressCheck &progress = {});

// Told each entry's reference as written (the folder and the path, in the code
// page, entities and all), or that it was longer than a megabyte and not kept
// whole; not told the entry of a playlist without references.
using EntryWritten = std::function<void(QByteArrayView reference, bool tooLong)>;

// The same for the entries of any source, in a playlist of `textSize` bytes.
// Unreadable: the source failed; nothing but what the device took was written.
WriteOutcome writeAsxDocument(QIODevice &device, EntrySource &entries, qint64 textSize, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats = nullptr, const ProgressCheck &progress = {},
                              const EntryWritten &written = {});

// The document for a list of paths, one per slot from 1 on, as bytes.
QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage,
                       AsxStats *stats = nullptr);

} // namespace velandry
