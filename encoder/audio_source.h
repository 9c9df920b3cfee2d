#pragma once

// A music file read as sound: its stream told by FFmpeg's probing, its
// first audio stream decoded and resampled to the shape an encoder takes.

#include "encoder/ffmpeg_support.h"
#include "encoder/tags.h"

#include <memory>

namespace velandry::encoder {

class AudioSource final
{
public:
    // Opens `path` and tells its stream from the container's header, reading
    // packets only where the header leaves the shape or length open.
    static Result<std::unique_ptr<AudioSource>, AudioFault> open(const QString &path);

    const AudioStream &stream() const { return stream_; }
    SongTags tags() const;

    // Makes read() give `shape` in `format` (planar or interleaved).
    Result<void, AudioFault> convertTo(const EncodedShape &shape, AVSampleFormat format);

    // The next samples, converted, from at most one packet (none where it
    // held none); `end` after the last. They stay valid until the next call.
    struct Chunk
    {
        const uint8_t *const *planes = nullptr;
        int samples = 0;
        bool end = false;
    };
    Result<Chunk, AudioFault> read();

    // The share of the source's length read so far.
    double done() const;

private:
    AudioSource() = default;
    Result<void, AudioFault> startDecoding();
    Result<void, AudioFault> startResampling(const AVFrame &frame);
    Result<Chunk, AudioFault> convert(const AVFrame *frame);
    Result<void, AudioFault> checkEnd() const;

    InputPtr input_;
    AVStream *audio_ = nullptr;
    AudioStream stream_;
    bool headerLength_ = false; // the header tells the length exactly

    CodecPtr decoder_;
    PacketPtr packet_;
    FramePtr frame_;
    ResamplerPtr resampler_;
    AVChannelLayout resampledLayout_{};
    int resampledFormat_ = -1;
    int resampledRate_ = 0;
    EncodedShape shape_;
    AVSampleFormat format_ = AV_SAMPLE_FMT_NONE;
    uint8_t **buffer_ = nullptr;
    int bufferSamples_ = 0;

    qint64 decodedSamples_ = 0;
    qint64 expectedSamples_ = 0;
    int lastError_ = 0;
    bool flushing_ = false;
    bool finished_ = false;

public:
    ~AudioSource();
};

} // namespace velandry::encoder
