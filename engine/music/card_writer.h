#pragma once

#include "engine/folder_index.h"
#include "engine/music/audio_encoder.h"
#include "engine/music/plan_executor.h"

#include <QMutex>

namespace velandry {

// The actions of a plan done on the card itself: each file through a
// CardFile in its folder (the folders made as needed, an existing one of
// another letter case taken as it is), flushed, dated as its source, and
// given its name only where no file has it yet. Music to encode is encoded
// into a temporary file on this computer first, where its tags are written,
// then copied onto the card as a file that plays is. Several actions may be
// done at once: the encodings go side by side, the card takes one file at a
// time, as a card is written best.
class CardWriter final : public ActionPerformer
{
public:
    // For the actions of `plan` on its card; `encoder` may be null where the
    // plan encodes nothing. The folders a removal leaves empty go too, but
    // those of the media folder.
    explicit CardWriter(const MusicPlan &plan, const AudioEncoder *encoder = nullptr);

    Result<Ended, ActionFault> perform(const CardAction &action,
                                       const std::function<bool(qint64 bytesDone)> &keepGoing) override;

private:
    Result<Ended, ActionFault> copy(const CardAction &action, const QString &source, qint64 bytes,
                                    const std::function<bool(qint64)> &keepGoing);
    Result<Ended, ActionFault> encode(const CardAction &action, const std::function<bool(qint64)> &keepGoing);
    Result<Ended, ActionFault> remove(const CardAction &action);

    FolderIndex card_;
    const AudioEncoder *encoder_;
    EncodingSettings encoding_;
    QMutex writing_; // one file at a time onto the card
    int depthKept_;  // how many folders from the root a removal leaves in any case
};

} // namespace velandry
