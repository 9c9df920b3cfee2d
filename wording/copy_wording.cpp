#include "copy_wording.h"

#include "conversion_wording.h"

#include <QCoreApplication>
#include <QLocale>

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

QString copyProgressLine(const CopyProgress &progress)
{
    //: %1 is the file at hand, counted from 1; %n all the files; %2 and %3 sizes.
    return CopyWording::tr("Copying %1 of %n files, %2 of %3", nullptr, int(progress.files))
        .arg(QLocale().toString(qMin(progress.file + 1, progress.files)), shownSize(progress.bytesCopied),
             shownSize(progress.bytes));
}

QString copyQuestionDetails(const MusicPlan &plan)
{
    //: %1 is the card's folder, %2 the size of the files.
    QString details = CopyWording::tr("%n files that the playlists name are not on the card (%1): %2 in all.", nullptr,
                                      int(plan.files.size()))
                          .arg(cardOf(plan), shownSize(plan.bytes));
    if (plan.free)
        //: %1 is a size.
        details += u' ' + CopyWording::tr("%1 free on the card.").arg(shownSize(*plan.free));
    return details;
}

QStringList copyPlanLines(const MusicPlan &plan)
{
    QStringList lines;
    for (const MusicPlan::File &file : plan.files)
        //: %1 is the file on this computer, %2 its place on the card, %3 its size.
        lines.append(CopyWording::tr("%1 -> %2 (%3)")
                         .arg(shownPath(file.source), shownPath(plan.card + u'/' + file.target), shownSize(file.size)));
    //: %1 is a size, %2 the card's folder.
    lines.append(CopyWording::tr("%n files, %1, would be copied to the card (%2).", nullptr, int(plan.files.size()))
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

CopyWords copyReportWords(const MusicPlan &plan, const CopyReport &report)
{
    CopyWords words;
    //: %1 is the size copied, %2 the card's folder.
    words.copied = CopyWording::tr("Copied %n files (%1) to the card (%2).", nullptr, int(report.copied))
                       .arg(shownSize(report.bytesCopied), cardOf(plan));
    switch (report.status) {
    case CopyReport::Status::Completed:
        break;
    case CopyReport::Status::DoesNotFit:
        //: %1 is the card's folder, %2 the size to copy, %3 the free space.
        words.problem = CopyWording::tr("The music does not fit on the card (%1): %2 to copy, %3 free; nothing was copied.")
                            .arg(cardOf(plan), shownSize(plan.bytes), shownSize(plan.free.value_or(0)));
        words.copied.clear();
        break;
    case CopyReport::Status::Failed: {
        const QString why = !report.systemError.isEmpty() ? report.systemError
                            : report.whileReading        ? CopyWording::tr("it could not be read whole")
                                                         : CopyWording::tr("it could not be written");
        //: %1 is the file, as the device names it, %2 why.
        words.problem = CopyWording::tr("%1 could not be copied: %2; the files copied before it are whole.")
                            .arg(shownPath(report.failedFile), why);
        break;
    }
    case CopyReport::Status::Cancelled:
        words.problem = CopyWording::tr("Copying was stopped; the files copied before are whole.");
        break;
    }
    words.leftOut = leftOutLines(plan);
    return words;
}

} // namespace velandry
