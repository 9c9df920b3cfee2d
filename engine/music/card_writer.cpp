#include "engine/music/card_writer.h"

#include "engine/card_file.h"
#include "engine/system/files.h"

#include <QFile>

namespace velandry {

namespace {

// Pieces of a copy: a stop is heard within one.
constexpr qint64 kCopyPiece = qint64(4) << 20;

Failure<ActionFault> ofSource(QString reason = {})
{
    return failed(ActionFault{ActionFault::Of::Source, std::move(reason)});
}

Failure<ActionFault> ofCard(QString reason = {})
{
    return failed(ActionFault{ActionFault::Of::Card, std::move(reason)});
}

} // namespace

CardWriter::CardWriter(const QString &card) : card_(card) { }

Result<ActionPerformer::Ended, ActionFault> CardWriter::perform(const CardAction &action,
                                                                 const std::function<bool(qint64)> &keepGoing)
{
    switch (action.kind) {
    case CardAction::Kind::Copy:
        break;
    }
    return copy(action, keepGoing);
}

Result<ActionPerformer::Ended, ActionFault> CardWriter::copy(const CardAction &action,
                                                              const std::function<bool(qint64)> &keepGoing)
{
    QStringList names = action.target.split(u'/');
    const QString name = names.takeLast();
    const Result<QString, QString> folder = card_.makeFolders(names);
    if (!folder)
        return ofCard();
    if (card_.find(action.target.split(u'/')) == FolderIndex::Found::Yes)
        return Ended::Done; // put there since it was planned

    QFile source;
    if (const Result<void, files::Error> opened = files::openForReading(source, action.source); !opened)
        return ofSource(opened.error().reason);
    CardFile file(*folder + u'/' + name);
    if (const Result<void, files::Error> opened = file.open(); !opened)
        return ofCard(opened.error().reason);
    const Result<files::Copied, files::CopyFault> copied = files::copyData(source, file.device(), kCopyPiece, keepGoing);
    // A write that failed (a full card answers EPERM on some file systems)
    // is the card's; a source that cannot be read is its own.
    if (!copied)
        return copied.error().reading ? ofSource(copied.error().reason) : ofCard(copied.error().reason);
    if (copied->stopped)
        return Ended::Stopped;
    // A source that changed size while it was copied is no whole copy.
    if (copied->bytes != action.bytes)
        return ofSource();
    if (const Result<void, files::Error> committed = file.commit({.modified = action.modified}); !committed)
        return ofCard(committed.error().reason);
    card_.added(*folder, {name, false, false, action.bytes, action.modified.toMSecsSinceEpoch()});
    return Ended::Done;
}

} // namespace velandry
