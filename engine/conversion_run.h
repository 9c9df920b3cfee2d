#pragma once

#include "asx_document.h"
#include "card_check.h"
#include "entry_source.h"
#include "playlist_format.h"
#include "playlist_text.h"
#include "safe_write.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velandry {

// The media type box's text until a type is chosen; a run refuses it.
inline constexpr QStringView kMediaTypePlaceholder = u"Please select";
inline constexpr QStringView kDefaultMediaFolder = u"\\CF-Card\\My Music\\";

// The user's music folder (QStandardPaths' MusicLocation): entries below it
// are cut there.
QString defaultMusicFolder();

// The inputs of one run, as the main window's fields hold them. The folders
// are joined to the names with nothing in between.
struct ConversionRequest
{
    QString mediaType;
    QString playlistFolder;
    QStringList playlistNames;
    QString mediaFolder;
    QString outputFolder;
    CodePage codePage = CodePage::systemDefault();
    // Entries of playlists other than WPL below this folder are cut there
    // (velandry-convert --music-root); empty for none.
    QString musicRoot = QString();
    QString musicFolder = defaultMusicFolder();
    // The storage card the entries are checked against (velandry-convert
    // --card); empty: the output folder's volume, where it is a card.
    QString card = QString();
    Cards::VolumeRoot volumeRoot = {};
    // Keep the entries that are not on the card (PlaylistResult::missing).
    bool collectMissing = false;
};

// What each playlist of a run is converted with.
struct ConversionOptions
{
    QString mediaType;
    QString mediaFolder;
    CodePage codePage = CodePage::systemDefault();
    QString musicRoot = QString();
    QString musicFolder = defaultMusicFolder();
    std::shared_ptr<CardFolders> card = {}; // null: no card to check against
    bool collectMissing = false;            // keep the entries not on the card
    bool dryRun = false;                    // write nothing: the document goes nowhere
};

struct PlaylistResult
{
    QString inputPath;
    QString outputPath;
    // Ansi: the playlist was not UTF-8 and was read in the output's code page.
    PlaylistEncoding encoding = PlaylistEncoding::Utf8;
    AsxStats stats;
    EntryCounts entries; // of a playlist other than WPL
    CardReport card;     // its entries read back as the device reads them
    QList<MissingEntry> missing; // those not on the card, where asked for
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
    enum class Status { Refused, Completed, Failed, Cancelled };
    Status status = Status::Completed;
    QList<PlaylistResult> converted;          // in queue order
    std::optional<ConversionFailure> failure; // with Status::Failed
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
// where the system allows), finds the entries of `mediaType` and streams the
// ASX document to `outputPath` atomically: a failure, or a stop asked for by
// `progress`, leaves an earlier file of that name whole and no temporary file
// behind. `progress` is asked from the first byte on, at least every few
// megabytes read or written.
PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, const ConversionOptions &options,
                                const ProgressCheck &progress = {});

inline PlaylistOutcome convertPlaylist(const QString &inputPath, const QString &outputPath, QStringView mediaType,
                                       QStringView mediaFolder, CodePage codePage, const ProgressCheck &progress = {})
{
    return convertPlaylist(inputPath, outputPath,
                           {mediaType.toString(), mediaFolder.toString(), codePage, QString(), defaultMusicFolder()},
                           progress);
}

struct RunProgress
{
    qsizetype index = 0; // the playlist's position in the queue
    QString playlistName;
    ConversionProgress playlist; // how far that playlist has come
};

// Asked before each playlist and while its file is written; returning false
// stops the run at once.
using ProgressCallback = std::function<bool(const RunProgress &)>;

// Converts the queue in order. Refuses the placeholder media type without
// touching any file; stops at the first playlist that fails.
ConversionReport runConversion(const ConversionRequest &request,
                               const ProgressCallback &progress = {});

// The playlists in `folder` that a run reads, as a file list shows them:
// sorted by name, letter case ignored. A name whose bytes are not UTF-8 is
// given so that it can be opened (see system.h); shownPath() shows it.
QStringList playlistNames(const QString &folder);

// How many different files a run wrote (a playlist queued twice writes one).
qsizetype filesWritten(const QList<PlaylistResult> &converted);

} // namespace velandry
