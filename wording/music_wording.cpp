#include "wording/music_wording.h"

#include "engine/device_rules.h"
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

constexpr qsizetype kNamesShown = 5;

// "A\x.mp3, B\y.mp3 and 3 more".
QString namesOf(const QStringList &names)
{
    const QString shown = names.first(qMin(kNamesShown, names.size())).join(CopyWording::tr(", "));
    if (names.size() <= kNamesShown)
        return shown;
    //: %1 lists the first few names; %n counts the rest.
    return CopyWording::tr("%1 and %n more", nullptr, int(names.size() - kNamesShown)).arg(shown);
}

QString cardOf(const MusicPlan &plan)
{
    return shownPath(plan.card);
}

} // namespace

QString shownSize(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString planProgressLine(const PlanProgress &progress)
{
    //: %1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.
    return CopyWording::tr("Copying %1 of %n files, %2 of %3", nullptr, int(progress.actions))
        .arg(QLocale().toString(qMin(progress.action + 1, progress.actions)), shownSize(progress.bytesDone),
             shownSize(progress.bytes));
}

QString planQuestionDetails(const MusicPlan &plan)
{
    //: %1 is the card's folder, %2 the size of the files.
    QString details = CopyWording::tr("%n files that the playlists name are not on the card (%1): %2 in all.", nullptr,
                                      int(plan.actions.size()))
                          .arg(cardOf(plan), shownSize(plan.bytes));
    if (plan.free)
        //: %1 is a size.
        details += u' ' + CopyWording::tr("%1 free on the card.").arg(shownSize(*plan.free));
    return details;
}

QStringList planLines(const MusicPlan &plan)
{
    QStringList lines;
    for (const CardAction &action : plan.actions)
        //: %1 is the file on this computer, %2 its place on the card, %3 its size.
        lines.append(CopyWording::tr("%1 -> %2 (%3)")
                         .arg(shownPath(action.source), shownPath(plan.card + u'/' + action.target),
                              shownSize(action.bytes)));
    //: %1 is a size, %2 the card's folder.
    lines.append(CopyWording::tr("%n files, %1, would be copied to the card (%2).", nullptr, int(plan.actions.size()))
                     .arg(shownSize(plan.bytes), cardOf(plan)));
    lines.append(plan.free ? CopyWording::tr("%1 free on the card.").arg(shownSize(*plan.free))
                           : CopyWording::tr("The card's file system does not tell how much is free on it."));
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
        lines.append(CopyWording::tr("%n entries are not on this computer either: %1", nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (const QStringList names = group(MusicPlan::LeftOut::TooLargeForFat); !names.isEmpty())
        lines.append(CopyWording::tr("%n files were not copied, as the card's FAT file system holds no file of 4 GiB or "
                                     "more: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (const QStringList names = group(MusicPlan::LeftOut::NotRegular); !names.isEmpty())
        lines.append(CopyWording::tr("%n entries were not copied, as no ordinary file of the media type has their "
                                     "name here, or a file on the card has the name of their folder: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    if (const QStringList names = group(MusicPlan::LeftOut::LinkLeadsOut); !names.isEmpty())
        lines.append(CopyWording::tr("%n files were not copied, as a folder on their way is a link that leads out of "
                                     "the card: %1",
                                     nullptr, int(names.size()))
                         .arg(namesOf(names)));
    return lines;
}

PlanWords planReportWords(const MusicPlan &plan, const PlanReport &report)
{
    PlanWords words;
    //: %1 is the size copied, %2 the card's folder.
    words.done = CopyWording::tr("Copied %n files (%1) to the card (%2).", nullptr, int(report.done))
                     .arg(shownSize(report.bytesDone), cardOf(plan));
    // Each file that failed by its source, with the system's words.
    QStringList unreadable;
    for (qsizetype i = 0; i < report.outcomes.size(); ++i) {
        const ActionOutcome &outcome = report.outcomes[i];
        if (outcome.status != ActionOutcome::Status::Failed || outcome.fault->of != ActionFault::Of::Source)
            continue;
        const QString name = shownPath(plan.actions[i].onCard);
        unreadable.append(outcome.fault->reason.isEmpty()
                              ? name
                              //: %1 is a file, as the device names it, %2 the system's reason.
                              : CopyWording::tr("%1 (%2)").arg(name, outcome.fault->reason));
    }
    if (!unreadable.isEmpty())
        //: %1 names the files, each with the reason where the system gave one.
        words.failed.append(CopyWording::tr("%n files could not be read here whole, and were not copied: %1", nullptr,
                                            int(unreadable.size()))
                                .arg(namesOf(unreadable)));
    switch (report.status) {
    case PlanReport::Status::Completed:
        if (!unreadable.isEmpty())
            //: %n counts the files that could not be copied.
            words.problem = CopyWording::tr("%n files could not be copied; the others are on the card.", nullptr,
                                            int(unreadable.size()));
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
        for (const MissingEntry &entry : result.missing) {
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
