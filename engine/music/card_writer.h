#pragma once

#include "engine/folder_index.h"
#include "engine/music/plan_executor.h"

namespace velandry {

// The actions of a plan done on the card itself: each file through a
// CardFile in its folder (the folders made as needed, an existing one of
// another letter case taken as it is), flushed, dated as its source, and
// given its name only where no file has it yet.
class CardWriter final : public ActionPerformer
{
public:
    explicit CardWriter(const QString &card);

    Result<Ended, ActionFault> perform(const CardAction &action,
                                       const std::function<bool(qint64 bytesDone)> &keepGoing) override;

private:
    Result<Ended, ActionFault> copy(const CardAction &action, const std::function<bool(qint64)> &keepGoing);

    FolderIndex card_;
};

} // namespace velandry
