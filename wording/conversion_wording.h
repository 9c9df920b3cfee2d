#pragma once

// The words both front ends, the window and velandry-convert, use for what the
// engine reports: why a playlist failed, what a run warns about, and why a
// code page is the default. The engine itself says nothing to people.

#include "engine/code_page.h"
#include "engine/conversion_run.h"

#include <QString>
#include <QStringList>

namespace velandry {

// Why the playlist failed, as a sentence without its full stop, e.g. "It is a
// folder, not a playlist" or the system's own words.
QString failureReason(const ConversionFailure &failure);

// A path as people read it: native separators, and U+FFFD for each byte of a
// name that is not UTF-8, as a terminal shows it; isolated (isolated()) where
// the words read right to left.
QString shownPath(const QString &path);

// `text` kept whole and in its own order inside words that read right to
// left (a path, a file name, an option): between U+2066 LEFT-TO-RIGHT
// ISOLATE and U+2069 POP DIRECTIONAL ISOLATE. As it is where the words read
// left to right: not one byte of English changes.
QString isolated(const QString &text);

// `text` with each command-line option in it ("--help", "-t") isolated, where
// the words read right to left.
QString withOptionsIsolated(const QString &text);

// `names` (the first few of `count`) as a list: "A, B and C", or, where
// there are more, "A, B, C, D, E and 3 more".
QString namedList(const QStringList &names, qsizetype count);

// Whether the words shown read right to left (the language's, as
// installTranslations() set it).
bool wordsReadRightToLeft();

// One line per playlist with lost characters, cut references or a text that
// was not UTF-8; empty when there is nothing to warn about.
// Entries left out are counted by reason.
struct WarningOptions
{
    // The count of entries outside the music folder says how to name it (the
    // converter's --music-root).
    bool musicRootHint = false;
    // Music the device cannot play is told with the converter's option that
    // encodes it.
    bool transcodeHint = false;
    // The entries not on the card are left to the music's report where false
    // (the run is about to put them there).
    bool notOnCard = true;
};
QStringList conversionWarnings(const QList<PlaylistResult> &converted, const WarningOptions &options = {});

// "Pop.asx: 3 of 120 entries are not on the card (/media/ana/CARD): ...", for
// `count` of the playlist's entries, the first few of `names` named.
QString notOnCardLine(const PlaylistResult &result, qsizetype count, const QStringList &names);

// "874, 932, 936, 949, 950, 1250, ..., 1258".
QString supportedCodePageList();

// Why `chosen` is the default, e.g. "from the locale ja_JP.UTF-8 (LANG)".
QString defaultCodePageReason(const DefaultCodePage &chosen);

} // namespace velandry
