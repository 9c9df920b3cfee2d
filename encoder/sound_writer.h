#pragma once

// Where decoded, resampled sound goes: an encoder and the file it writes.

#include "encoder/ffmpeg_support.h"
#include "encoder/tags.h"

#include <memory>

namespace velandry::encoder {

struct WriterSetup
{
    QString target;
    EncodedShape shape;
    int bitrateKbps = 128;
    SongTags tags;
    CodePage codePage = CodePage::systemDefault();
};

class SoundWriter
{
public:
    virtual ~SoundWriter() = default;

    // What write() takes: planar floating samples for MP3 and WMA,
    // interleaved 16-bit ones for WAV.
    virtual AVSampleFormat sampleFormat() const = 0;
    virtual Result<void, AudioFault> write(const uint8_t *const *planes, int samples) = 0;
    // Writes what the encoder holds back, the file's last parts and its tags.
    virtual Result<void, AudioFault> finish() = 0;
};

using WriterResult = Result<std::unique_ptr<SoundWriter>, AudioFault>;

WriterResult openMp3Writer(const WriterSetup &setup);
WriterResult openWmaWriter(const WriterSetup &setup);
WriterResult openWavWriter(const WriterSetup &setup);

} // namespace velandry::encoder
