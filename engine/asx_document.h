#pragma once

#include "engine/code_page.h"
#include "engine/formats/entry_source.h"

#include <QIODevice>
#include <QString>

#include <functional>

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

// One entry as the document holds it, told as it is written.
struct WrittenEntry
{
    // The folder and the path, in the code page, entities and all; empty where
    // the reference was longer than a megabyte and not kept whole.
    QByteArrayView reference;
    bool tooLong = false;
    // Whether the device reads the reference back as exactly these characters
    // and a FAT long name holds every one of them: no more than 259 bytes,
    // printable ASCII (bytes of 0x80 and more too in a code page of single
    // bytes) without '"', '*', ':', '<', '>', '?' or '|', no entity but "&amp;"
    // and "&apos;", no name ending in a space or a full stop. Where not, the
    // reference wants reading as the device reads it.
    bool plain = false;
    qint64 bytes = 0; // of the reference, whole or not
};
using EntryWritten = std::function<void(const WrittenEntry &)>;

// Streams to `device` the ASX 3.0 document for the entries of `entries`, in a
// playlist of `textSize` bytes: two header lines, three lines per entry with
// `mediaFolder` written before the path as it stands (one entry with the
// folder alone when there is none), and the closing line, each followed by
// CR LF, in `codePage`. A path that stands as markup (a WPL's) has "&apos;"
// written as an apostrophe and '"', '<', '>' as entities; a plain path has
// every '&', '"', '<' and '>' written as an entity and "/" as "\".
//
// Where the source is measured first (EntrySource::measuredFirst()), the
// entries are walked twice: once to measure (a document whose paths would pass
// kMaxDocumentPathBytes is refused before anything is written), then to write.
// Memory stays bounded whatever the size of the text or of one path, and
// `progress` is asked at least every megabyte read or written. `written` is
// told each entry (not the entry of a playlist without any). Unreadable: the
// source failed; nothing but what the device took was written.
WriteOutcome writeAsxDocument(QIODevice &device, EntrySource &entries, qint64 textSize, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats = nullptr, const ProgressCheck &progress = {},
                              const EntryWritten &written = {});

} // namespace velandry
