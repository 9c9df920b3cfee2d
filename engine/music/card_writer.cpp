#include "engine/music/card_writer.h"

#include "engine/card_file.h"
#include "engine/system/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTemporaryFile>

namespace velandry {

namespace {

// Pieces of a copy onto the card: a stop is heard within one, well within a
// tenth of a second on a slow card.
constexpr qint64 kCopyPiece = qint64(1) << 20;

Failure<ActionFault> ofSource(QString reason = {})
{
    return failed(ActionFault{ActionFault::Of::Source, std::move(reason)});
}

Failure<ActionFault> ofCard(QString reason = {})
{
    return failed(ActionFault{ActionFault::Of::Card, std::move(reason)});
}

} // namespace

CardWriter::CardWriter(const MusicPlan &plan, const AudioEncoder *encoder)
    : card_(plan.card), encoder_(encoder), encoding_(plan.encoding),
      depthKept_(qMax(1, int(plan.mediaFolder.split(u'\\', Qt::SkipEmptyParts).size()) - 1))
{
}

Result<ActionPerformer::Ended, ActionFault> CardWriter::perform(const CardAction &action,
                                                                 const std::function<bool(qint64)> &keepGoing)
{
    switch (action.kind) {
    case CardAction::Kind::Copy:
        break;
    case CardAction::Kind::Encode:
        return encode(action, keepGoing);
    case CardAction::Kind::Remove:
        return remove(action);
    }
    return copy(action, action.source, action.bytes, keepGoing);
}

Result<ActionPerformer::Ended, ActionFault> CardWriter::remove(const CardAction &action)
{
    const QMutexLocker oneAtATime(&writing_);
    QStringList names = action.target.split(u'/');
    const std::optional<QString> path = card_.locate(names);
    if (!path)
        return done(0); // gone already
    if (const Result<void, files::Error> removed = files::remove(*path); !removed)
        return ofCard(removed.error().reason);
    names.removeLast();
    card_.removed(*card_.locate(names), QFileInfo(*path).fileName());
    // The folders it leaves empty go too, up to the media folder's.
    while (names.size() > depthKept_) {
        const std::optional<QString> folder = card_.locate(names);
        if (!folder || !QDir(*folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            || !QDir().rmdir(*folder))
            break;
        const QString name = names.takeLast();
        card_.removed(*card_.locate(names), name);
    }
    return done(0);
}

Result<ActionPerformer::Ended, ActionFault> CardWriter::encode(const CardAction &action,
                                                                const std::function<bool(qint64)> &keepGoing)
{
    if (!encoder_)
        return ofSource();
    // Encoded and tagged here: a tag is written in place, which the card's
    // file system may refuse (FUSE's FAT cannot shorten a file).
    QTemporaryFile encoded(QDir::tempPath() + QStringLiteral("/velandry-XXXXXX.") + extensionOf(encoding_.target));
    if (!encoded.open())
        return ofSource(encoded.errorString());
    encoded.close();
    // The encoding is the first share of the action's bytes, the copy the rest.
    const Result<qint64, AudioFault> made =
        encoder_->encode(action.source, encoded.fileName(), encoding_,
                         [&](double done) { return !keepGoing || keepGoing(qint64(done * action.bytes / 2)); });
    if (!made) {
        if (made.error().kind == AudioFault::Kind::Stopped)
            return stopped();
        return ofSource(made.error().reason);
    }
    const qint64 size = *made;
    return copy(action, encoded.fileName(), size, [&](qint64 done) {
        return !keepGoing || keepGoing(action.bytes / 2 + (size > 0 ? done * (action.bytes - action.bytes / 2) / size : 0));
    });
}

Result<ActionPerformer::Ended, ActionFault> CardWriter::copy(const CardAction &action, const QString &from, qint64 bytes,
                                                              const std::function<bool(qint64)> &keepGoing)
{
    QStringList names = action.target.split(u'/');
    const QString name = names.takeLast();
    QFile source;
    if (const Result<void, files::Error> opened = files::openForReading(source, from); !opened)
        return ofSource(opened.error().reason);

    const QMutexLocker oneAtATime(&writing_);
    const Result<QString, QString> folder = card_.makeFolders(names);
    if (!folder)
        return ofCard();
    QString placed = *folder + u'/' + name;
    if (const std::optional<QString> there = card_.locate(action.target.split(u'/'))) {
        if (!action.replaces)
            return done(0); // put there since it was planned
        placed = *there; // replaced under the name it has
    }
    CardFile file(placed);
    if (const Result<void, files::Error> opened = file.open(); !opened)
        return ofCard(opened.error().reason);
    const Result<files::Copied, files::CopyFault> copied = files::copyData(source, file.device(), kCopyPiece, keepGoing);
    // A write that failed (a full card answers EPERM on some file systems)
    // is the card's; a source that cannot be read is its own.
    if (!copied)
        return copied.error().reading ? ofSource(copied.error().reason) : ofCard(copied.error().reason);
    if (copied->stopped)
        return stopped();
    // A source that changed size while it was copied is no whole copy.
    if (copied->bytes != bytes)
        return ofSource();
    // A replacement takes the place of the old file in one step, the old one
    // whole until the new one is.
    const CardFile::Commit how{.replacing = action.replaces ? CardFile::Replacing::Yes : CardFile::Replacing::No,
                               .modified = action.modified};
    if (const Result<void, files::Error> committed = file.commit(how); !committed)
        return ofCard(committed.error().reason);
    card_.added(*folder, {QFileInfo(placed).fileName(), false, false, bytes, action.modified.toMSecsSinceEpoch()});
    return done(bytes);
}

} // namespace velandry
