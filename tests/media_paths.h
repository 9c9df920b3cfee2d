#pragma once

// The plain scan's references of a WPL as strings, and the document for such
// a list: for tests and tools that hold short texts. The program itself
// streams (writeAsxDocument() over the scan's WplReferences).

#include "engine/asx_document.h"
#include "engine/code_page.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velandry {

// The references of one playlist as strings, numbered from 1 as the player's
// own list is: slot 0 exists and is never filled, and there are always at
// least slots 0 and 1, so a playlist without references still yields one
// (empty) slot to write.
class MediaPaths final
{
public:
    qsizetype highestIndex() const { return qMax<qsizetype>(1, slots_.size()); }
    qsizetype referenceCount() const { return slots_.size(); }
    QString slot(qsizetype index) const { return index >= 1 && index <= slots_.size() ? slots_[index - 1] : QString(); }
    // Slots 1..highestIndex().
    QStringList toStringList() const;

private:
    friend MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);
    QStringList slots_;
};

MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);

// The document for a list of paths, one per slot from 1 on, each standing as
// a WPL's markup holds it, as bytes.
QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage,
                       AsxStats *stats = nullptr);

// The document for the references of `mediaType` in a WPL's UTF-8 text.
WriteOutcome writeAsxDocument(QIODevice &device, QByteArrayView utf8, QStringView mediaType, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats = nullptr, const ProgressCheck &progress = {});

} // namespace velandry
