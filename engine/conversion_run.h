#pragma once

#include "engine/asx_document.h"
#include "engine/card_check.h"
#include "engine/formats/entry_source.h"
#include "engine/formats/playlist_format.h"
#include "engine/playlist_text.h"
#include "engine/safe_write.h"
#include "engine/conversion_request.h"
#include "engine/music/music_plan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace velandry {

struct PlaylistResult
{
    QString inputPath;
    QString outputPath;
    // Ansi: the playlist was not UTF-8 and was read in the output's code page.
    PlaylistEncoding encoding = PlaylistEncoding::Utf8;
    AsxStats stats;
    EntryCounts entries; // of a playlist other than WPL
    CardReport card;     // its entries read back as the device reads them
    // Where the request plans the music: those not on the card, and, where it
    // keeps the card in step, those on it too.
    QList<CardEntry> cardEntries;
};

// Why a playlist could not be converted. The front ends word it.
struct ConversionFailure
{
    enum class Kind {
        IsFolder,         // the playlist is a folder
        NotOrdinaryFile,  // a pipe, a device: reading it could block for ever
        ReplacesPlaylist, // the output would replace the playlist being read
        FolderInTheWay,   // a folder has the output's name
        WriteProtected,   // the output exists and is write-protected
        TooLarge,         // overlapping references: past kMaxDocumentPathBytes
        OutOfMemory,      // a text that is not UTF-8, too large to convert in memory
        ChangedWhileRead, // another program wrote, shortened or grew the playlist meanwhile
        NameNotUtf8,      // no such file, and its name holds U+FFFD: a name whose bytes are not UTF-8
        UnknownFormat,    // its extension names no format read
        UnknownEncoding,  // its XML declaration names `encoding`, which nothing here reads
        Unreadable,       // its markup cannot be read as its format: `readFault`
        OutputOfAnother,  // another playlist of the run, `otherPath`, wrote its output
        System,           // the system refused: `systemError` says why
    };
    QString path; // the file that could not be read or written
    Kind kind = Kind::System;
    bool whileReading = false;
    QString systemError; // the system's own words, where it gave any
    std::optional<ReadFault> readFault; // with Kind::Unreadable
    QString encoding;                   // with Kind::UnknownEncoding, as the declaration names it
    QString otherPath;                  // with Kind::OutputOfAnother: the playlist that wrote `outputPath`
    QString outputPath;
};

// What one playlist came to: the file written, or why not.
struct PlaylistOutcome
{
    PlaylistResult result;
    std::optional<ConversionFailure> failure;
    bool cancelled = false; // stopped by its progress callback; nothing written
};

struct ConversionReport
{
    enum class Status {
        Refused,   // the placeholder media type: nothing was read or written
        Completed, // every playlist was tried (where the request goes on after a failure, some failed)
        Failed,    // stopped at the first playlist that failed, as the request asks
        Cancelled,
    };
    Status status = Status::Completed;
    QList<PlaylistResult> converted;   // in queue order
    QList<ConversionFailure> failures; // in queue order; with Failed, the one that stopped the run
    // Where the request plans the music: what each card lacks, a plan per
    // card, in the order of the cards' paths.
    QList<MusicPlan> music;
};

// A folder text, as the folder fields hold it, ends in exactly one native
// separator: an empty text stays empty, one that ends in a separator stays as
// it is, any other gains one.
QString withTrailingSeparator(const QString &folder);

// The name of the output file for a playlist name: the name less its
// extension (for ".wpl", its last four characters), followed by ".asx".
QString outputFileName(QStringView playlistName);

// Why a playlist of a run must not write `outputPath`: another playlist of the
// run, named in `claims`, wrote it ("Pop.m3u" and "Pop.pls" both make
// "Pop.asx").
std::optional<ConversionFailure> outputTaken(const OutputClaims &claims, const QString &inputPath,
                                             const QString &outputPath);

// Reads `inputPath` (its format told by its extension; mapped, not copied,
// where the system allows), finds the entries of the request's media type
// and streams the ASX document to `outputPath` atomically: a failure, or a
// stop asked for by `progress`, leaves an earlier file of that name whole and
// no temporary file behind. `progress` is asked from the first byte on, at
// least every few megabytes read or written. Each entry is read back as the
// device reads it, and looked for on `card` where there is one (those not
// there kept in PlaylistResult::cardEntries where the request plans the music).
PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, const ConversionRequest &request,
                                const ProgressCheck &progress = {}, const std::shared_ptr<FolderIndex> &card = {});

struct RunProgress
{
    qsizetype index = 0; // the playlist's position in the queue
    QString playlistName;
    ConversionProgress playlist; // how far that playlist has come
};

// Asked before each playlist and while its file is written; returning false
// stops the run at once.
using ProgressCallback = std::function<bool(const RunProgress &)>;
// Told each playlist's outcome as soon as it has one.
using PlaylistCallback = std::function<void(const PlaylistOutcome &)>;

// The run both front ends call: refuses the placeholder media type without
// touching any file, converts the queue in order (stopping at the first
// playlist that fails where the request says so), checks each playlist's
// entries against its card, and plans, card by card, the music the cards
// lack where the request asks for it.
ConversionReport runConversion(const ConversionRequest &request, const ProgressCallback &progress = {},
                               const PlaylistCallback &converted = {});

// Where a run reads the queued `name` and where it writes its document.
QString inputPathOf(const ConversionRequest &request, const QString &name);
QString outputPathOf(const ConversionRequest &request, const QString &name);

// The playlists in `folder` that a run reads, as a file list shows them:
// sorted by name, letter case ignored. A name whose bytes are not UTF-8 is
// given so that it can be opened (see system.h); shownPath() shows it.
QStringList playlistNames(const QString &folder);

// How many different files a run wrote (a playlist queued twice writes one).
qsizetype filesWritten(const QList<PlaylistResult> &converted);

} // namespace velandry
