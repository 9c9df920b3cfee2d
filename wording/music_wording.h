#pragma once

// The words both front ends use for the music on the card: the question, the
// plan, the progress and the report.

#include "engine/conversion_run.h"
#include "engine/music/music_plan.h"
#include "engine/music/plan_executor.h"

#include <QString>
#include <QStringList>

namespace velandry {

// A size as file managers show it: "212.0 MB", "1.2 GB".
QString shownSize(qint64 bytes);

// "Copying 12 of 240 files, 85.0 MB of 1.2 GB"; where the plan encodes,
// "Copying and encoding 12 of 240 files, 85.0 MB of about 1.2 GB".
QString planProgressLine(const PlanProgress &progress, bool withEncoding = false);

// The choice, beside the question of copying, to encode the music the
// device cannot play: "Also encode the 3 entries of FLAC and M4A files the
// device cannot play, to MP3 at 128 kbit/s".
QString encodeChoice(qsizetype entries, AudioKinds kinds, AudioTarget target, int bitrateKbps);

// "The card is up to date.": where a run that keeps it in step has nothing to do.
QString upToDateLine();

// Whether a plan encodes any of its files.
bool encodes(const MusicPlan &plan);

// How many files the plan copies, their size and the card's free space, as a
// question's explanation: "37 files that the playlists name are not on the
// card (/media/ana/CARD): 212.0 MB in all; 3.1 GB free on the card."
QString planQuestionDetails(const MusicPlan &plan);

// Each action with its file, its place on the card and its size, then the
// total and the card's free space: what a dry run would do.
QStringList planLines(const MusicPlan &plan);

// What carrying out a plan did, once for the run: what went wrong, where
// anything did; what was copied; which files failed by their source, and what
// was left out, grouped by reason, each group naming at most five entries and
// then how many more.
struct PlanWords
{
    QString problem; // empty where every action was done
    QString done;    // empty where nothing could be done
    QStringList failed;
    QStringList leftOut;
};
PlanWords planReportWords(const MusicPlan &plan, const PlanReport &report);

// The entries left out of the plan (found nowhere, too large, ...), as warnings.
QStringList leftOutLines(const MusicPlan &plan);

// Per playlist, the entries still not on its card once the plans were carried
// out as `reports` say (one per plan; none where they were not): those the
// run put there are no longer named.
QStringList stillNotOnCard(const QList<PlaylistResult> &converted, const QList<MusicPlan> &plans,
                           const QList<PlanReport> &reports);

} // namespace velandry
