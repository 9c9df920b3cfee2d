#pragma once

#include "engine/music/audio_encoder.h"

namespace velandry {

// The programs' AudioEncoder: FFmpeg probes, decodes and resamples, and
// writes WMA and WAV; LAME writes MP3; TagLib writes the tags.
class FfmpegEncoder final : public AudioEncoder
{
public:
    Result<AudioStream, AudioFault> probe(const QString &path) const override;
    Result<qint64, AudioFault> encode(const QString &source, const QString &target, const EncodingSettings &settings,
                                      const std::function<bool(double done)> &keepGoing) const override;
    std::optional<EncodedWith> encodedWith(const QString &path) const override;
};

} // namespace velandry
