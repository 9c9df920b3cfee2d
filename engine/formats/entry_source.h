#pragma once

// The seam between the readers of the playlist formats and the document
// writer: where a document's entries come from. Readers implement it, the
// writer reads it, and neither knows the other.

#include "engine/formats/audio_kinds.h"

#include <QByteArrayView>
#include <QtGlobal>

namespace velandry {

// A place in a playlist's UTF-8 text (see utf8_text.h): a byte offset and,
// where the byte starts a character of two UTF-16 units (a surrogate pair),
// whether the place lies between the two. Positions count UTF-16 units, so a
// cut can fall there.
struct TextPosition
{
    qsizetype byte = 0;
    bool afterHighHalf = false;

    friend bool operator<(TextPosition a, TextPosition b)
    {
        return a.byte < b.byte || (a.byte == b.byte && !a.afterHighHalf && b.afterHighHalf);
    }
};

// One entry's path: the part of a text from `begin` to `end`. Empty where
// `end` does not lie after `begin`.
struct Reference
{
    TextPosition begin;
    TextPosition end;

    bool isEmpty() const { return !(begin < end); }
};

// Where a playlist could not be read as its format, as a value the front ends
// word: what went wrong, and on which line (from 1; a line ends in CR LF, LF
// or CR alone).
struct ReadFault
{
    enum class What {
        TagNotClosed,         // a tag that never ends
        NoAsxElement,         // no ASX or ENTRY element anywhere
        EndedEarly,           // the text ends inside the markup, or holds no element
        CommentNotClosed,     // "<!--" without "-->"
        CdataNotClosed,       // "<![CDATA[" without "]]>"
        InstructionNotClosed, // "<?" without "?>"
        DeclarationNotClosed, // "<!" without ">"
        NameExpected,         // "<" followed by no element name
        GreaterThanExpected,  // an end tag with more than its name
        EqualsExpected,       // an attribute without "=" and a value
        QuotedValueExpected,  // an attribute whose value is not in quotes
        TagMismatch,          // an end tag that does not end the element open there
    };
    What what = What::EndedEarly;
    qint64 line = 0;
};

// How an entry's text stands. A WPL's reference is text of the playlist's own
// markup, entities as its author wrote them ("&amp;" stays, "&apos;" becomes
// an apostrophe); any other entry is plain text, a path cut below the music
// folder with "/" or "\" between folders, which the writer escapes.
enum class EntryText { AsMarkup, Plain };

// Of a playlist's entries: how many were read, and how many of them were left
// out, by reason. Told by the sources that read every entry (all but WPL,
// whose scan finds only those of the media type).
struct EntryCounts
{
    qsizetype read = 0;
    qsizetype webAddresses = 0;
    qsizetype outsideMusicFolder = 0;
    qsizetype otherType = 0;  // files of another media type
    qsizetype otherAudio = 0; // music of a kind the device never plays (FLAC, M4A, ...), which encoding would take
    AudioKinds otherAudioKinds = 0;

    qsizetype leftOut() const { return webAddresses + outsideMusicFolder + otherType + otherAudio; }
};

// The entries of one playlist, first to last, a bounded stretch of the
// playlist per call: memory does not grow with the playlist, and the caller
// can stop between any two calls. Walked once to write the document, or twice
// where it is measured first.
class EntrySource
{
public:
    virtual ~EntrySource() = default;
    EntrySource(const EntrySource &) = delete;
    EntrySource &operator=(const EntrySource &) = delete;

    enum class Step { Found, Paused, Ended, Failed };

    // Looks for the next entry within about `budget` more bytes of the
    // playlist: Found (its path is the part `path` of `text`, which stays valid
    // until the next call), Paused (the budget spent, or as many entries left
    // out as a budget's worth of work: call again), Ended, or Failed (the
    // playlist cannot be read as its format: fault()).
    virtual Step next(QByteArrayView &text, Reference &path, qsizetype budget) = 0;

    // How far the walk has come, in bytes of the playlist's text.
    virtual qsizetype bytesScanned() const = 0;

    // Back to the first entry.
    virtual void rewind() = 0;

    virtual EntryText entryText() const = 0;

    // Whether the document is measured before it is written: a WPL's
    // references may overlap and make a document far larger than the
    // playlist, which is refused before anything is written. The entries of
    // the other formats each stand once in the text; they are written in one
    // walk.
    virtual bool measuredFirst() const { return false; }

    // The entry last found as a path on this computer, as the playlist names
    // it: resolved against the playlist's folder, "\" between folders; empty
    // where the playlist does not say.
    virtual QByteArrayView localPath() const { return {}; }

    // Of the walk so far.
    virtual EntryCounts counts() const { return {}; }
    virtual ReadFault fault() const { return {}; }

protected:
    EntrySource() = default;
};

} // namespace velandry
