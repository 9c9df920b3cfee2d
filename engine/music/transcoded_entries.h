#pragma once

#include "engine/formats/entry_source.h"
#include "engine/music/audio_encoder.h"
#include "engine/music/local_music.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace velandry {

// The entries of a playlist that a run encodes for: every music file, each
// written under its own name where the device plays it as it is, under the
// target's extension where it is to be encoded ("Artist\x.flac" as
// "Artist\x.mp3"). Where a kind the device plays has another extension than
// the target's (a WAV for an MP3 run), the file itself is asked what it
// holds; otherwise its kind says enough for its name, and what it holds is
// asked only when it must go onto the card.
class TranscodedEntries final : public EntrySource
{
public:
    TranscodedEntries(EntrySource &entries, AudioTarget target, const AudioEncoder &encoder, LocalMusic &local);

    Step next(QByteArrayView &text, Reference &path, qsizetype budget) override;
    qsizetype bytesScanned() const override { return entries_.bytesScanned(); }
    void rewind() override { entries_.rewind(); }
    EntryText entryText() const override { return entries_.entryText(); }
    bool measuredFirst() const override { return entries_.measuredFirst(); }
    QByteArrayView localPath() const override { return entries_.localPath(); }
    EntryCounts counts() const override { return entries_.counts(); }
    ReadFault fault() const override { return entries_.fault(); }

    // Of the entry last found: its file on this computer (empty where it is
    // not here), and what that holds where it was asked.
    const QString &lastSource() const { return source_; }
    const std::optional<AudioStream> &lastStream() const { return stream_; }

private:
    // Whether the file plays as it is on the device, asked once a file.
    std::optional<AudioStream> probed(const QString &file);

    EntrySource &entries_;
    QByteArray targetExtension_; // ".mp3"
    const AudioEncoder &encoder_;
    LocalMusic &local_;
    QHash<QString, std::optional<AudioStream>> probed_;
    QByteArray renamed_;
    QByteArray below_;
    QString source_;
    std::optional<AudioStream> stream_;
};

// Whether the device plays `stream` as a file of `kind` (kAudioKinds): a
// stream it plays, in the container its kind's extension names.
bool playsAsKind(const AudioStream &stream, int kind);

} // namespace velandry
