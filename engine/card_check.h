#pragma once

#include "engine/asx_document.h"
#include "engine/code_page.h"
#include "engine/folder_index.h"
#include "engine/music/audio_encoder.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace velandry {

// What reading a document's entries back as the device reads them found.
struct CardReport
{
    QString card; // the card as this system sees it; empty where none was checked
    qsizetype entries = 0;
    qsizetype notOnCard = 0;
    QStringList notOnCardNames; // the first few, as the device names them, less the card
    qsizetype neverPlay = 0;
    QStringList neverPlayNames; // empty for a path too long to be kept whole: its size is in tooLongBytes
    QList<qint64> tooLongBytes; // of each empty name, in order
    bool unreadable = false; // the card could not be read: nothing is said of what is on it

    static constexpr qsizetype kNamesShown = 5;
};

// An entry as the card has it or lacks it, for putting its file there or
// keeping that in step: where the device looks for it, and where this
// computer may have it.
struct CardEntry
{
    QString onCard;           // below the card's root, as the device names it: "My Music\A\x.mp3"
    QString belowMediaFolder; // what was written after the media folder: "A\x.mp3"
    QString localPath;        // the file as the playlist names it, resolved; empty where it does not say
    // Where a run that encodes found the file already (its name on the card
    // may not be its own: "x.flac" written as "x.mp3"), and what it holds
    // where that was asked.
    QString source = QString();
    std::optional<AudioStream> stream = std::nullopt;
    // Whether the card has it, and then its file there as the listing found it.
    bool present = false;
    FolderIndex::Entry onCardFile = {};
};

// Reads each entry of a document back as the device does (the bytes written,
// decoded in the same code page, "\" between folders, the first folder the
// card itself) and tells which can never play (a path longer than the device
// opens, a name FAT cannot hold) and, where there is a card, which are not on
// it.
class CardCheck final
{
public:
    // `card` may be null: then only what can never play is told.
    // `mediaFolder` is what each reference starts with.
    CardCheck(std::shared_ptr<FolderIndex> card, CodePage codePage, const QString &mediaFolder = {});

    enum class Verdict { Playable, OnCard, NotOnCard, NeverPlay, CardUnreadable };
    // One entry as written: Playable where there is no card to look on.
    Verdict entry(const WrittenEntry &written);

    // The entry last told NotOnCard or OnCard, less its local path.
    CardEntry lastEntry() const;

    const CardReport &report() const { return report_; }

private:
    std::shared_ptr<FolderIndex> card_;
    CodePage codePage_;
    QString mediaFolder_; // as the device reads it back
    CardReport report_;
    // The entry last told NotOnCard or OnCard: as the device reads it, and
    // below the card. Made into a CardEntry only where one is asked for.
    QString lastPath_;
    QString lastOnCard_;
    bool lastPresent_ = false;
};

// Which card a playlist written to `outputPath` is checked against: `card`
// where the user named one; else the root of the output's volume where it is
// not the system's own and holds the media folder less its first component
// (the card's name on the device), and the media folder names a card at all.
// One FolderIndex per card for the run.
class Cards final
{
public:
    using VolumeRoot = std::function<QString(const QString &folder)>;

    Cards(QString card, QString mediaFolder, VolumeRoot volumeRoot = {});

    std::shared_ptr<FolderIndex> forOutput(const QString &outputPath);
    // The index of a card found for an output, by its root; null where none was.
    std::shared_ptr<FolderIndex> listed(const QString &card) const;

    // The root of the volume that holds `folder` (QStorageInfo).
    static QString systemVolumeRoot(const QString &folder);

private:
    QString card_;
    QStringList mediaComponents_;
    VolumeRoot volumeRoot_;
    QHash<QString, std::shared_ptr<FolderIndex>> found_; // by volume root; null: not a card
};

} // namespace velandry
