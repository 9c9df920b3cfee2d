#pragma once

// What a run will do on a card for the music its playlists name: a list of
// actions, each with its source, its place on the card and its size, planned
// before the first byte and carried out by carryOut() (plan_executor.h).

#include "engine/card_check.h"
#include "engine/conversion_request.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace velandry {

// One thing to do on the card.
struct CardAction
{
    enum class Kind {
        Copy,   // the source as it is
        Encode, // the source encoded for the device (MusicPlan::encoding)
        Remove, // the file on the card, which no playlist on it names
    };
    Kind kind = Kind::Copy;
    QString source; // the file on this computer; none to remove
    // Its place below the card's root, "/" between folders, the folders that
    // are already there as the card spells them: where it will be.
    QString target;
    QString onCard; // as the device names it: "My Music\A\x.mp3"
    qint64 bytes = 0;   // the source's, or what its encoding will take, about
    QDateTime modified; // the time the file on the card takes: the source's
    AudioStream stream = {}; // what the source holds, with Encode
    // Copy and Encode: where the card's file of that name is replaced (its
    // source changed), the size it had; else the name is not there yet.
    bool replaces = false;
    qint64 replacedBytes = 0;
};

struct MusicPlan
{
    // Why an entry's file has no action.
    enum class LeftOut {
        NotOnComputer,  // neither where the playlist names it nor below the music root
        NotRegular,     // a folder, a device or a pipe has its name, or a file that of its folder on the card
        TooLargeForFat, // 4 GiB or more, for a card whose FAT cannot hold it
        LinkLeadsOut,   // a folder on the card on its way is a link that leads out of the card
        Undecodable,    // music to encode that nothing here can read (`why`)
    };
    struct Skipped
    {
        LeftOut reason;
        QString onCard; // as the device names it
        QString source = QString(); // where there is one
        QString why = QString();    // the library's words, with Undecodable
    };

    QString card;               // the card's root, as this system names it
    // Each file once, however many entries name it: the removals first, then
    // the replacements, then the files the card lacks.
    QList<CardAction> actions;
    QList<Skipped> skipped;     // in the order the entries came
    qint64 bytes = 0;           // that the actions write
    qint64 freed = 0;           // that the removals and the replaced files free
    qint64 largestReplaced = 0; // a replaced file stays until its new one is whole
    std::optional<qint64> free; // on the card, where its file system says
    bool fat = false;           // the card's file system holds no file of 4 GiB
    EncodingSettings encoding;  // of the Encode actions
    QString mediaFolder;        // as the device names it: "\\CF-Card\\My Music\\"
    // Where the plan keeps the card in step: that was asked, and how many
    // .asx playlists were found on the card (none: nothing is removed).
    bool tidy = false;
    qsizetype cardPlaylists = 0;

    // What the actions take of the card at the most, removals counted first.
    qint64 needed() const { return qMax<qint64>(0, bytes - freed + largestReplaced); }
    bool fits() const { return !free || needed() <= *free; }
};

// Plans putting the files that `missing` entries name onto `card`. A file is
// looked for as the playlist names it, then as the music root
// (musicSourceFolder()) joined with its part below the music folder; letter
// case ignored where the exact name is not there. An entry found nowhere is
// left out, never guessed. Only files of the request's media type are taken;
// where the request encodes, every music file is, copied where the device
// plays it as it is under the name the playlist gives it on the card, else
// encoded (what it holds asked of the request's encoder); where two entries
// name one file on the card, the file that plays as it is wins.
//
// Where the request keeps the card in step, the entries the card has are
// held against their sources (`sync`): a copy whose source's size differs or
// whose source is newer (beyond FAT's two seconds), an encoding whose
// source's time is not the one it was given or that was made at another bit
// rate or to another kind, is made again in its place; a card file newer
// than its source never is. And (`tidy`) the music below the media folder of
// the kinds the device plays that neither these entries nor any .asx on the
// card names is removed, where the card holds any .asx at all. `listed` is
// the run's index of the card where it has one; else the card is listed anew.
MusicPlan planMusic(const QString &card, const QList<CardEntry> &missing, const ConversionRequest &request,
                    std::shared_ptr<FolderIndex> listed = {});

// The plan with only the actions chosen: its replacements where
// `replacements`, its removals where `removals`; the sizes summed again.
MusicPlan chosenOf(const MusicPlan &plan, bool replacements, bool removals);

// `earlier` plans with `later` ones over them, card by card: where both have
// an action for one place on a card, the later one's; the sizes summed again.
QList<MusicPlan> mergedPlans(const QList<MusicPlan> &earlier, const QList<MusicPlan> &later);

} // namespace velandry
