#pragma once

// The words both front ends use for copying the music onto the card: the
// question, the progress and the report.

#include "music_copy.h"

#include <QString>
#include <QStringList>

namespace velandry {

// A size as file managers show it: "212.0 MB", "1.2 GB".
QString shownSize(qint64 bytes);

// "Copying 12 of 240 files, 85.0 MB of 1.2 GB".
QString copyProgressLine(const CopyProgress &progress);

// How many files the plan copies, their size and the card's free space, as a
// question's explanation: "37 files that the playlists name are not on the
// card (/media/ana/CARD): 212.0 MB in all; 3.1 GB free on the card."
QString copyQuestionDetails(const MusicPlan &plan);

// Each file with its place on the card and its size, then the total and the
// card's free space: what a dry run would copy.
QStringList copyPlanLines(const MusicPlan &plan);

// What a copy did, once for the run: what went wrong, where anything did;
// what was copied; what was left out, grouped by reason, each group naming at
// most five entries and then how many more.
struct CopyWords
{
    QString problem; // empty where the copy completed
    QString copied;  // empty where nothing could be copied
    QStringList leftOut;
};
CopyWords copyReportWords(const MusicPlan &plan, const CopyReport &report);

// The entries left out (found nowhere, too large, ...), as warnings.
QStringList leftOutLines(const MusicPlan &plan);

} // namespace velandry
