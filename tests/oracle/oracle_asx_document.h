// The engine as it was before it streamed, whole texts in memory: the oracle
// that the fuzzer and the differential tests hold the streaming engine against.
#pragma once

#include "code_page.h"
#include "oracle_media_paths.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace velandry::oracle {

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
inline constexpr qsizetype kMaxDocumentPathCharacters = qsizetype(0xFFFFFFFF);

// Told the bytes handed to the device so far, after every piece of about a
// megabyte; returning false stops the writing there.
using WriteProgress = std::function<bool(qint64 bytesWritten)>;

enum class WriteOutcome { Written, DeviceFailed, Stopped };

// Streams the ASX 3.0 document for `paths` to `device`: two header lines, three
// lines per slot with `mediaFolder` written before the path as it stands, and
// the closing line, each followed by CR LF, in `codePage`. In each path
// "&apos;" becomes an apostrophe and '"', '<', '>' are written as entities.
WriteOutcome writeAsxDocument(QIODevice &device, const MediaPaths &paths, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats = nullptr, const WriteProgress &progress = {});

// The same document as bytes, for callers that want it in memory.
QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage,
                       AsxStats *stats = nullptr);

// About how many bytes the document will take, for showing progress.
qint64 expectedAsxSize(const MediaPaths &paths, QStringView mediaFolder);

} // namespace velandry::oracle
