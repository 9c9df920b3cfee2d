#pragma once

#include "engine/music/music_plan.h"
#include "engine/result.h"

#include <QList>
#include <QString>

#include <functional>

namespace velandry {

// Why an action failed: its source (it cannot be read, or not whole), which
// is that action's alone, or the card (full, removed, read-only), which stops
// every action after it.
struct ActionFault
{
    enum class Of { Source, Card };
    Of of = Of::Card;
    QString reason; // the system's words, where it gave any
};

// Does one action of a plan. carryOut() asks it for each action in turn.
class ActionPerformer
{
public:
    virtual ~ActionPerformer() = default;
    // Done, with the bytes the card took; or stopped, leaving no trace.
    struct Ended
    {
        bool stopped = false;
        qint64 bytes = 0;
    };
    static Ended stopped() { return {true, 0}; }
    static Ended done(qint64 bytes) { return {false, bytes}; }
    // `keepGoing` is told how many bytes of the action are done (of its
    // planned bytes), after each piece of them; false asks it to stop.
    virtual Result<Ended, ActionFault> perform(const CardAction &action,
                                               const std::function<bool(qint64 bytesDone)> &keepGoing) = 0;
};

struct PlanProgress
{
    qsizetype action = 0; // the action at hand, from 0
    qsizetype actions = 0;
    qint64 bytesDone = 0; // of all the actions
    qint64 bytes = 0;
    QString onCard; // the action's file, as the device names it
    bool encoding = false; // the action at hand encodes its file
};
// Asked before each action and after each piece of it; false stops at once.
using PlanProgressCheck = std::function<bool(const PlanProgress &)>;

struct ActionOutcome
{
    enum class Status { NotDone, Done, Failed };
    Status status = Status::NotDone;
    std::optional<ActionFault> fault; // with Failed
    qint64 bytes = 0;                 // with Done: what the card took
};

struct PlanReport
{
    enum class Status {
        Completed,  // every action was tried; some may have failed by their source
        DoesNotFit, // nothing was done: the plan is larger than the card's free space
        CardFailed, // the card failed at `cardFailedAt`; the actions after it were not tried
        Cancelled,
    };
    Status status = Status::Completed;
    QList<ActionOutcome> outcomes; // one per action of the plan, in its order
    qsizetype done = 0;
    qint64 bytesDone = 0; // that the card took
    qsizetype cardFailedAt = -1;

    qsizetype failedBySource() const;
    const ActionFault *cardFault() const;
};

// Carries out the plan's actions in order where the plan fits, `jobs` of them
// at a time (the performer must take that): a failure of one action's source
// is that action's and the next goes on; a failure of the card, or a stop,
// ends it there, the actions at hand stopped too. Each action leaves its file
// whole or leaves nothing. `progress` is asked from one job at a time.
PlanReport carryOut(const MusicPlan &plan, ActionPerformer &performer, const PlanProgressCheck &progress = {},
                    int jobs = 1);

} // namespace velandry
