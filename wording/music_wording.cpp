#include "wording/music_wording.h"

#include "engine/device_rules.h"
#include "engine/formats/audio_kinds.h"
#include "wording/conversion_wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSet>

namespace velandry {

namespace {

// The translation context of these words.
class CopyWording
{
    Q_DECLARE_TR_FUNCTIONS(CopyWording)
};

// "A\x.mp3, B\y.mp3 and 3 more".
QString namesOf(const QStringList &names)
{
    return namedList(names.first(qMin(CardReport::kNamesShown, names.size())), names.size());
}

// The card's free space, and where the plan frees some, what it leaves.
QString freeSpaceLine(const MusicPlan &plan, bool leaving)
{
    if (leaving)
        //: %1 and %2 are sizes.
        return CopyWording::tr("%1 free on the card; about %2 once done.")
            .arg(shownSize(*plan.free), shownSize(qMax<qint64>(0, *plan.free - plan.bytes + plan.freed)));
    //: %1 is a size.
    return CopyWording::tr("%1 free on the card.").arg(shownSize(*plan.free));
}

QString cardOf(const MusicPlan &plan)
{
    return shownPath(plan.card);
}

// How many files of each kind of action, and their bytes.
struct Tally
{
    qsizetype files = 0;
    qint64 bytes = 0;
    void add(qint64 more) { ++files, bytes += more; }
};
struct Tallies
{
    Tally copied, encoded, replaced, removed;
    void add(const CardAction &action, qint64 bytes)
    {
        if (action.kind == CardAction::Kind::Remove)
            removed.add(bytes);
        else if (action.replaces)
            replaced.add(bytes);
        else if (action.kind == CardAction::Kind::Encode)
            encoded.add(bytes);
        else
            copied.add(bytes);
    }
};

Tallies talliesOf(const MusicPlan &plan)
{
    Tallies tallies;
    for (const CardAction &action : plan.actions)
        tallies.add(action, action.bytes);
    return tallies;
}

} // namespace

QString upToDateLine()
{
    return CopyWording::tr("The card is up to date.");
}

bool encodes(const MusicPlan &plan)
{
    return std::any_of(plan.actions.cbegin(), plan.actions.cend(),
                       [](const CardAction &action) { return action.kind == CardAction::Kind::Encode; });
}

namespace {

// "MP3 at 128 kbit/s".
QString encodingOf(AudioTarget target, int bitrateKbps)
{
    const QString kind = extensionOf(target).toUpper();
    if (target == AudioTarget::Wav)
        return kind;
    //: %1 is a kind of file (MP3, WMA), %2 a bit rate.
    return CopyWording::tr("%1 at %2 kbit/s").arg(kind, QLocale().toString(bitrateKbps));
}

QString encodingOf(const MusicPlan &plan)
{
    return encodingOf(plan.encoding.target, plan.encoding.bitrateKbps);
}

// "FLAC": the kind of music a file is, by its name or else by its codec.
QString kindOf(const CardAction &action)
{
    const int kind = audioKindOf(action.source.toUtf8());
    return kind >= 0 ? QString::fromLatin1(kAudioKinds[std::size_t(kind)].extension).toUpper()
                     : action.stream.codecName.toUpper();
}

// "A\x.mp3 (Invalid data found when processing input)".
QString withReason(const QString &onCard, const QString &reason)
{
    //: %1 is a file, as the device names it, %2 the reason the system or a library gave.
    return reason.isEmpty() ? shownPath(onCard) : CopyWording::tr("%1 (%2)").arg(shownPath(onCard), reason);
}

} // namespace

QString encodeChoice(qsizetype entries, AudioKinds kinds, AudioTarget target, int bitrateKbps)
{
    //: A check box. %Ln counts the entries, %1 lists their kinds ("FLAC and M4A"), %2 is what they are encoded to ("MP3 at 128 kbit/s").
    return CopyWording::tr("Also encode the %Ln entries of %1 files the device cannot play, to %2", nullptr, int(entries))
        .arg(QLocale().createSeparatedList(audioKindNames(kinds)), encodingOf(target, bitrateKbps));
}

QString shownSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString planProgressLine(const PlanProgress &progress, bool withEncoding)
{
    if (withEncoding)
        //: %1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.
        return CopyWording::tr("Copying and encoding %1 of %Ln files, %2 of about %3", nullptr, int(progress.actions))
            .arg(QLocale().toString(qMin(progress.action + 1, progress.actions)), shownSize(progress.bytesDone),
                 shownSize(progress.bytes));
    //: %1 is the file at hand, counted from 1; %Ln all the files; %2 and %3 sizes.
    return CopyWording::tr("Copying %1 of %Ln files, %2 of %3", nullptr, int(progress.actions))
        .arg(QLocale().toString(qMin(progress.action + 1, progress.actions)), shownSize(progress.bytesDone),
             shownSize(progress.bytes));
}

QString planQuestionDetails(const MusicPlan &plan)
{
    const Tallies tallies = talliesOf(plan);
    const qsizetype putting = tallies.copied.files + tallies.encoded.files;
    const qint64 puttingBytes = tallies.copied.bytes + tallies.encoded.bytes;
    const qsizetype encoded = tallies.encoded.files;
    const qsizetype replaced = tallies.replaced.files;
    const qint64 replacedBytes = tallies.replaced.bytes;
    const qsizetype removed = tallies.removed.files;
    const qint64 removedBytes = tallies.removed.bytes;
    QStringList lines;
    if (putting > 0)
        //: %1 is the card's folder, %2 the size of the files.
        lines.append(CopyWording::tr("%Ln files that the playlists name are not on the card (%1): %2 in all.", nullptr,
                                     int(putting))
                         .arg(cardOf(plan), shownSize(puttingBytes)));
    if (encoded > 0)
        //: %Ln counts the files to encode; %1 is what they are encoded to ("MP3 at 128 kbit/s").
        lines.append(CopyWording::tr("%Ln of them are encoded to %1 on the way.", nullptr, int(encoded)).arg(encodingOf(plan)));
    if (replaced > 0)
        //: %1 is the card's folder, %2 the size of the files written.
        lines.append(CopyWording::tr("%Ln files on the card (%1) whose sources changed can be made again: %2.", nullptr,
                                     int(replaced))
                         .arg(cardOf(plan), shownSize(replacedBytes)));
    if (removed > 0)
        //: %1 is the card's folder, %2 the size they take.
        lines.append(CopyWording::tr("%Ln files below the card's media folder (%1) are named by no playlist on it: %2.",
                                     nullptr, int(removed))
                         .arg(cardOf(plan), shownSize(removedBytes)));
    if (plan.free)
        lines.append(freeSpaceLine(plan, replaced > 0 || removed > 0));
    return lines.join(u'\n');
}

QStringList planLines(const MusicPlan &plan)
{
    QStringList lines;
    for (const CardAction &action : plan.actions) {
        const QString target = shownPath(plan.card + u'/' + action.target);
        const QString source = shownPath(action.source);
        switch (action.kind) {
        case CardAction::Kind::Remove:
            //: %1 is a file on the card, %2 its size.
            lines.append(CopyWording::tr("%1 (%2) would be removed: no playlist on the card names it")
                             .arg(target, shownSize(action.bytes)));
            continue;
        case CardAction::Kind::Encode:
            lines.append(action.replaces
                             //: %1 is the file on this computer, %2 its place on the card, %3 what it is encoded to, %4 its size, %5 the size of the file it replaces.
                             ? CopyWording::tr("%1 -> %2 (encoded to %3, about %4, in place of the card's %5)")
                                   .arg(source, target, encodingOf(plan), shownSize(action.bytes),
                                        shownSize(action.replacedBytes))
                             //: %1 is the file on this computer, %2 its place on the card, %3 what it is encoded to, %4 its size.
                             : CopyWording::tr("%1 -> %2 (encoded to %3, about %4)")
                                   .arg(source, target, encodingOf(plan), shownSize(action.bytes)));
            continue;
        case CardAction::Kind::Copy:
            break;
        }
        lines.append(action.replaces
                         //: %1 is the file on this computer, %2 its place on the card, %3 its size, %4 the size of the file it replaces.
                         ? CopyWording::tr("%1 -> %2 (%3, in place of the card's %4)")
                               .arg(source, target, shownSize(action.bytes), shownSize(action.replacedBytes))
                         //: %1 is the file on this computer, %2 its place on the card, %3 its size.
                         : CopyWording::tr("%1 -> %2 (%3)").arg(source, target, shownSize(action.bytes)));
    }
    const auto [copied, encoded, replaced, removed] = talliesOf(plan);
    if (removed.files > 0)
        //: %1 is a size, %2 the card's folder.
        lines.append(CopyWording::tr("%Ln files, %1, would be removed from the card (%2).", nullptr, int(removed.files))
                         .arg(shownSize(removed.bytes), cardOf(plan)));
    if (replaced.files > 0)
        //: %1 is a size, %2 the card's folder.
        lines.append(CopyWording::tr("%Ln files whose sources changed, %1, would be made again on the card (%2).", nullptr,
                                     int(replaced.files))
                         .arg(shownSize(replaced.bytes), cardOf(plan)));
    if (copied.files > 0 || (encoded.files == 0 && replaced.files == 0 && removed.files == 0))
        //: %1 is a size, %2 the card's folder.
        lines.append(CopyWording::tr("%Ln files, %1, would be copied to the card (%2).", nullptr, int(copied.files))
                         .arg(shownSize(copied.bytes), cardOf(plan)));
    if (encoded.files > 0)
        //: %1 is a size, %2 what they are encoded to ("MP3 at 128 kbit/s"), %3 the card's folder.
        lines.append(CopyWording::tr("%Ln files, about %1, would be encoded to %2 onto the card (%3).", nullptr,
                                     int(encoded.files))
                         .arg(shownSize(encoded.bytes), encodingOf(plan), cardOf(plan)));
    if (!plan.free)
        lines.append(CopyWording::tr("The card's file system does not tell how much is free on it."));
    else
        lines.append(freeSpaceLine(plan, plan.freed > 0));
    return lines;
}

QStringList leftOutLines(const MusicPlan &plan)
{
    QStringList lines;
    const auto group = [&](MusicPlan::LeftOut reason) {
        QStringList names;
        for (const MusicPlan::Skipped &skipped : plan.skipped) {
            if (skipped.reason == reason)
                names.append(skipped.onCard);
        }
        return names;
    };
    if (const QStringList names = group(MusicPlan::LeftOut::NotOnComputer); !names.isEmpty())
        //: %1 names the entries.
        lines.append(CopyWording::tr("%Ln entries are not on this computer either: %1", nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (const QStringList names = group(MusicPlan::LeftOut::TooLargeForFat); !names.isEmpty())
        lines.append(CopyWording::tr("%Ln files were not copied, as the card's FAT file system holds no file of 4 GiB or "
                                     "more: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (const QStringList names = group(MusicPlan::LeftOut::NotRegular); !names.isEmpty())
        lines.append(CopyWording::tr("%Ln entries were not copied, as no ordinary file of the media type has their "
                                     "name here, or a file on the card has the name of their folder: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (plan.tidy && plan.cardPlaylists == 0)
        //: %1 is the card's folder.
        lines.append(CopyWording::tr("The card (%1) holds no .asx playlist, so nothing was removed from it: nothing on "
                                     "it names any music.")
                         .arg(cardOf(plan)));
    QStringList undecodable;
    for (const MusicPlan::Skipped &skipped : plan.skipped) {
        if (skipped.reason == MusicPlan::LeftOut::Undecodable)
            undecodable.append(withReason(skipped.onCard, skipped.why));
    }
    if (!undecodable.isEmpty())
        //: %1 names the files, each with the reason the decoder gave.
        lines.append(CopyWording::tr("%Ln files were not encoded, as they cannot be read as music: %1", nullptr,
                                     int(undecodable.size()))
                         .arg(namesOf(undecodable)));
    if (const QStringList names = group(MusicPlan::LeftOut::LinkLeadsOut); !names.isEmpty())
        lines.append(CopyWording::tr("%Ln files were not copied, as a folder on their way is a link that leads out of "
                                     "the card: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    return lines;
}

PlanWords planReportWords(const MusicPlan &plan, const PlanReport &report)
{
    PlanWords words;
    Tallies tallies;
    QStringList encodedKinds;
    QStringList unreadable;
    QStringList notEncoded;
    for (qsizetype i = 0; i < report.outcomes.size(); ++i) {
        const ActionOutcome &outcome = report.outcomes[i];
        const CardAction &action = plan.actions[i];
        const bool encoding = action.kind == CardAction::Kind::Encode;
        if (outcome.status == ActionOutcome::Status::Done) {
            tallies.add(action, action.kind == CardAction::Kind::Remove ? action.bytes : outcome.bytes);
            if (encoding && !encodedKinds.contains(kindOf(action)))
                encodedKinds.append(kindOf(action));
        }
        // Each file that failed by its source, with the system's or the decoder's words.
        if (outcome.status == ActionOutcome::Status::Failed && outcome.fault->of == ActionFault::Of::Source)
            (encoding ? notEncoded : unreadable).append(withReason(action.onCard, outcome.fault->reason));
    }
    const qsizetype copied = tallies.copied.files;
    const qint64 copiedBytes = tallies.copied.bytes;
    const qsizetype encoded = tallies.encoded.files;
    const qint64 encodedBytes = tallies.encoded.bytes;
    const qsizetype replaced = tallies.replaced.files;
    const qint64 replacedBytes = tallies.replaced.bytes;
    const qsizetype removed = tallies.removed.files;
    const qint64 removedBytes = tallies.removed.bytes;
    //: %1 is the size copied, %2 the card's folder.
    const QString copiedLine = CopyWording::tr("Copied %Ln files (%1) to the card (%2).", nullptr, int(copied))
                                   .arg(shownSize(copiedBytes), cardOf(plan));
    QStringList done;
    if (removed > 0)
        //: %1 is the size freed, %2 the card's folder.
        done.append(CopyWording::tr("Removed %Ln files (%1) that no playlist on the card names from the card (%2).",
                                    nullptr, int(removed))
                        .arg(shownSize(removedBytes), cardOf(plan)));
    if (replaced > 0)
        //: %1 is the size written, %2 the card's folder.
        done.append(CopyWording::tr("Made %Ln files whose sources changed again (%1) on the card (%2).", nullptr,
                                    int(replaced))
                        .arg(shownSize(replacedBytes), cardOf(plan)));
    if (copied > 0 || (encoded == 0 && replaced == 0 && removed == 0))
        done.append(copiedLine);
    if (encoded > 0)
        //: %1 lists the kinds ("FLAC and M4A"), %2 what they became ("MP3 at 128 kbit/s"), %3 the size, %4 the card's folder.
        done.append(CopyWording::tr("Encoded %Ln files from %1 to %2 (%3) onto the card (%4).", nullptr, int(encoded))
                        .arg(QLocale().createSeparatedList(encodedKinds), encodingOf(plan), shownSize(encodedBytes),
                             cardOf(plan)));
    words.done = done.join(u'\n');
    if (!unreadable.isEmpty())
        //: %1 names the files, each with the reason where the system gave one.
        words.failed.append(CopyWording::tr("%Ln files could not be read here whole, and were not copied: %1", nullptr,
                                            int(unreadable.size()))
                                .arg(namesOf(unreadable)));
    if (!notEncoded.isEmpty())
        //: %1 names the files, each with the reason the decoder gave.
        words.failed.append(CopyWording::tr("%Ln files could not be encoded: %1", nullptr, int(notEncoded.size()))
                                .arg(namesOf(notEncoded)));
    const qsizetype failedFiles = unreadable.size() + notEncoded.size();
    switch (report.status) {
    case PlanReport::Status::Completed:
        if (failedFiles > 0)
            //: %Ln counts the files that could not be put on the card.
            words.problem = CopyWording::tr("%Ln files could not be copied; the others are on the card.", nullptr,
                                            int(failedFiles));
        break;
    case PlanReport::Status::DoesNotFit:
        //: %1 is the card's folder, %2 the size to copy, %3 the free space.
        words.problem = CopyWording::tr("The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.")
                            .arg(cardOf(plan), shownSize(plan.bytes), shownSize(plan.free.value_or(0)));
        words.done.clear();
        break;
    case PlanReport::Status::CardFailed: {
        const ActionFault &fault = *report.cardFault();
        const QString why = !fault.reason.isEmpty() ? fault.reason : CopyWording::tr("it could not be written");
        //: %1 is the file, as the device names it, %2 why.
        words.problem = CopyWording::tr("%1 could not be copied: %2; the files copied before it are whole.")
                            .arg(shownPath(plan.actions[report.cardFailedAt].onCard), why);
        break;
    }
    case PlanReport::Status::Cancelled:
        words.problem = CopyWording::tr("Copying was stopped; the files copied before are whole.");
        break;
    }
    words.leftOut = leftOutLines(plan);
    return words;
}

QStringList stillNotOnCard(const QList<PlaylistResult> &converted, const QList<MusicPlan> &plans,
                           const QList<PlanReport> &reports)
{
    // What the run put on each card, by the place the device looks.
    QSet<QString> put;
    for (qsizetype p = 0; p < plans.size() && p < reports.size(); ++p) {
        for (qsizetype i = 0; i < plans[p].actions.size(); ++i) {
            if (reports[p].outcomes.value(i).status == ActionOutcome::Status::Done)
                put.insert(plans[p].card + u'\n' + foldedName(plans[p].actions[i].onCard));
        }
    }
    QStringList lines;
    for (const PlaylistResult &result : converted) {
        if (result.card.unreadable || result.card.notOnCard == 0)
            continue;
        QStringList names;
        qsizetype putThere = 0;
        for (const CardEntry &entry : result.cardEntries) {
            if (entry.present)
                continue; // kept for keeping the card in step: on it already
            if (put.contains(QDir::cleanPath(result.card.card) + u'\n' + foldedName(entry.onCard)))
                ++putThere;
            else
                names.append(entry.onCard);
        }
        if (result.card.notOnCard > putThere)
            lines.append(notOnCardLine(result, result.card.notOnCard - putThere, names));
    }
    return lines;
}

} // namespace velandry
