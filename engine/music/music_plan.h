#pragma once

// What a run will do on a card for the music its playlists name: a list of
// actions, each with its source, its place on the card and its size, planned
// before the first byte and carried out by carryOut() (plan_executor.h).

#include "engine/card_check.h"
#include "engine/conversion_request.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace velandry {

// One thing to do on the card.
struct CardAction
{
    enum class Kind {
        Copy,   // the source as it is, under a name that is not there yet
        Encode, // the source encoded for the device (MusicPlan::encoding), under a name that is not there yet
    };
    Kind kind = Kind::Copy;
    QString source; // the file on this computer
    // Its place below the card's root, "/" between folders, the folders that
    // are already there as the card spells them: where it will be.
    QString target;
    QString onCard; // as the device names it: "My Music\A\x.mp3"
    qint64 bytes = 0;   // the source's, or what its encoding will take, about
    QDateTime modified; // the time the file on the card takes: the source's
    AudioStream stream = {}; // what the source holds, with Encode
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
    QList<CardAction> actions;  // each file once, however many entries name it
    QList<Skipped> skipped;     // in the order the entries came
    qint64 bytes = 0;           // that the actions write
    std::optional<qint64> free; // on the card, where its file system says
    bool fat = false;           // the card's file system holds no file of 4 GiB
    EncodingSettings encoding;  // of the Encode actions

    bool fits() const { return !free || bytes <= *free; }
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
MusicPlan planMusic(const QString &card, const QList<MissingEntry> &missing, const ConversionRequest &request);

} // namespace velandry
