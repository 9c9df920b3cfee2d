#pragma once

#include "asx_document.h"
#include "entry_cut.h"
#include "entry_reader.h"
#include "playlist_format.h"

#include <memory>

namespace velandry {

// Of a playlist's entries: how many were read, and how many of them were left
// out, by reason. Entries of another media type are not left out, only not
// kept.
struct EntryCounts
{
    qsizetype read = 0;
    qsizetype webAddresses = 0;
    qsizetype outsideMusicFolder = 0;

    qsizetype leftOut() const { return webAddresses + outsideMusicFolder; }
};

// The entries of a playlist in a format other than WPL, as its reader finds
// them and the rules cut them, as the source of a document. Each kept entry
// stands as the same path would stand in a WPL that the player saved, so the
// document holds the same bytes for it.
class FormatEntries final : public EntrySource
{
public:
    FormatEntries(PlaylistFormat format, QByteArrayView utf8, const EntryRules &rules);

    Step next(QByteArrayView &text, Reference &path, qsizetype budget) override;
    qsizetype bytesScanned() const override { return reader_->bytesRead(); }
    void rewind() override;
    bool measuredFirst() const override { return false; }

    // Of the walk last made.
    const EntryCounts &counts() const { return counts_; }
    ReadFault fault() const { return reader_->fault(); }

private:
    PlaylistFormat format_;
    QByteArrayView utf8_;
    EntryCutter cutter_;
    std::unique_ptr<EntryReader> reader_;
    QByteArray entry_;
    QByteArray path_;
    EntryCounts counts_;
};

// The encoding an XML declaration at the start of `text` names, where it is a
// code page this program reads ("windows-1252", "ISO-8859-1", "Shift_JIS"):
// its number; else 0.
int declaredCodePage(QByteArrayView text);

} // namespace velandry
