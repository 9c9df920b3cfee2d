#pragma once

#include "card_check.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace velandry {

// What copying the music that the playlists name and the card lacks would do:
// each file found on this computer, where on the card it goes, and what is
// left out and why. Planned before the first byte is copied.
struct MusicPlan
{
    struct File
    {
        QString source;    // the file on this computer
        QString target;    // where it goes: below the card's root, "/" between folders
        QString onCard;    // the same as the device names it: "My Music\A\x.mp3"
        qint64 size = 0;
        QDateTime modified;
    };

    // Why an entry's file is not copied.
    enum class LeftOut {
        NotOnComputer, // neither where the playlist names it nor below the music root
        NotRegular,    // a folder, a device or a pipe has its name
        TooLargeForFat, // 4 GiB or more, for a card whose FAT cannot hold it
        LinkLeadsOut,   // a folder on the card on its way is a link that leads out of the card
    };
    struct Skipped
    {
        LeftOut reason;
        QString onCard; // as the device names it
    };

    QString card;               // the card's root, as this system names it
    QList<File> files;          // each once, however many entries name it
    QList<Skipped> skipped;     // in the order the entries came
    qint64 bytes = 0;           // of all the files
    std::optional<qint64> free; // on the card, where its file system says
    bool fat = false;           // the card's file system holds no file of 4 GiB

    bool fits() const { return !free || bytes <= *free; }
};

// Where the music lies on this computer: the folder entries of any playlist
// are looked for below (velandry-convert --music-root, else the user's music
// folder) when the playlist does not name a file that is here.
struct MusicSources
{
    QString musicRoot;
    QString mediaType; // the extension every file copied has; empty for any
};

// Plans the copy of the files that `missing` entries name onto `card`. A file
// is looked for as the playlist names it, then as the music root joined with
// its part below the music folder; letter case ignored where the exact name
// is not there. An entry found nowhere is left out, never guessed.
MusicPlan planMusicCopy(const QString &card, const QList<MissingEntry> &missing, const MusicSources &sources);

struct CopyProgress
{
    qsizetype file = 0; // the file at hand, from 0
    qsizetype files = 0;
    qint64 bytesCopied = 0; // of all the files
    qint64 bytes = 0;
    QString onCard; // the file at hand, as the device names it
};

struct CopyReport
{
    enum class Status { Completed, DoesNotFit, Failed, Cancelled };
    Status status = Status::Completed;
    qsizetype copied = 0; // files, each whole under its name
    qint64 bytesCopied = 0;
    QString failedFile;   // with Failed: as the device names it
    QString systemError;  // with Failed: the system's words, where it gave any
    bool whileReading = false;
};

// Asked before each file and after each piece of it (a few megabytes);
// returning false stops the copy at once.
using CopyProgressCheck = std::function<bool(const CopyProgress &)>;

// Copies the plan's files onto the card, in order, where they fit: each into
// a temporary name in its folder (folders are made as needed), flushed to the
// card, then given its name and its modification time. A failure or a stop
// removes the temporary file of the file at hand; the files copied before it
// stay whole, and no file under its own name is ever partial. A file already
// on the card under that name in any letter case is never replaced.
CopyReport copyMusic(const MusicPlan &plan, const CopyProgressCheck &progress = {});

} // namespace velandry
