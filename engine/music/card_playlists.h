#pragma once

#include "engine/code_page.h"

#include <QSet>
#include <QString>

namespace velandry {

// What the playlists on a card name: every .asx file anywhere on it, whoever
// wrote it, read as the device reads it (its bytes in `codePage`, the first
// folder of each reference the card itself, a relative one from the folder
// the playlist stands in).
struct CardPlaylists
{
    qsizetype playlists = 0; // .asx files found
    QSet<QString> named;     // their entries below the card's root, "\" between folders, foldedName()
};
CardPlaylists playlistsOnCard(const QString &card, CodePage codePage);

} // namespace velandry
