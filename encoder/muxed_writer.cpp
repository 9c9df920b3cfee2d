// WMA (FFmpeg's wmav2 in its ASF muxer) and WAV (16-bit PCM in its WAV
// muxer): one FFmpeg encoder feeding one muxer, in the encoder's frames.

#include "encoder/sound_writer.h"

#include <QFile>

#include <cstdio>
#include <string_view>

namespace velandry::encoder {

namespace {

// An ASF data packet's own bytes before its payloads, and each payload's, as
// FFmpeg's muxer writes them (several payloads a packet, no padding).
constexpr int kAsfPacketHeader = 12;
constexpr int kAsfPayloadHeader = 17;
constexpr int kAsfPacketBytes = 3200;

struct OutputFreer final
{
    void operator()(AVFormatContext *context) const { avformat_free_context(context); }
};
struct IoFreer final
{
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};

// FFmpeg's output through a QFile (a Unicode name on every system), `room`
// bytes on: what the muxer takes for its start is there.
int writeTo(void *opaque, uint8_t *bytes, int size);
int64_t seekIn(void *opaque, int64_t offset, int whence);

class MuxedWriter final : public SoundWriter
{
public:
    MuxedWriter(const WriterSetup &setup, AVCodecID codec, AVSampleFormat format, const char *muxer)
        : setup_(setup), codecId_(codec), format_(format), muxer_(muxer), asf_(std::string_view(muxer) == "asf"),
          file_(setup.target)
    {
    }

    qint64 writeBytes(const uint8_t *bytes, int size) { return file_.write(reinterpret_cast<const char *>(bytes), size); }
    qint64 seekBytes(qint64 offset, int whence)
    {
        if (whence & AVSEEK_SIZE)
            return file_.size() - room_;
        const qint64 base = (whence & 3) == SEEK_CUR ? file_.pos() : (whence & 3) == SEEK_END ? file_.size() : room_;
        return file_.seek(base + offset) ? file_.pos() - room_ : -1;
    }

    Result<void, AudioFault> open()
    {
        AVFormatContext *output = nullptr;
        int error = avformat_alloc_output_context2(&output, nullptr, muxer_, nullptr);
        if (error < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        output_.reset(output);
        // Nothing of FFmpeg's own in the file: no "encoder" tag, and the
        // tags are TagLib's, in the names the device reads.
        output_->flags |= AVFMT_FLAG_BITEXACT;

        const AVCodec *codec = avcodec_find_encoder(codecId_);
        if (!codec)
            return failed(AudioFault{AudioFault::Kind::WriteFailed, QString::fromUtf8(avcodec_get_name(codecId_))});
        codec_.reset(avcodec_alloc_context3(codec));
        if (!codec_)
            return failed(fault(AudioFault::Kind::WriteFailed, AVERROR(ENOMEM)));
        codec_->sample_fmt = format_;
        codec_->sample_rate = setup_.shape.sampleRate;
        av_channel_layout_default(&codec_->ch_layout, setup_.shape.channels);
        codec_->time_base = AVRational{1, setup_.shape.sampleRate};
        if (codecId_ != AV_CODEC_ID_PCM_S16LE)
            codec_->bit_rate = qint64(setup_.bitrateKbps) * 1000;
        codec_->flags |= AV_CODEC_FLAG_BITEXACT;
        if (output_->oformat->flags & AVFMT_GLOBALHEADER)
            codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if ((error = avcodec_open2(codec_.get(), codec, nullptr)) < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));

        stream_ = avformat_new_stream(output_.get(), nullptr);
        if (!stream_)
            return failed(fault(AudioFault::Kind::WriteFailed, AVERROR(ENOMEM)));
        stream_->time_base = codec_->time_base;
        if ((error = avcodec_parameters_from_context(stream_->codecpar, codec_.get())) < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        if (asf_ && codec_->block_align > 0) {
            // FFmpeg's muxer splits no audio frame between packets, and pads
            // each packet to its fixed size: packets of whole frames waste
            // nothing, where its default 3200 bytes wasted up to a third.
            const int frames = qMax(1, (kAsfPacketBytes - kAsfPacketHeader) / (codec_->block_align + kAsfPayloadHeader));
            av_opt_set_int(output_->priv_data, "packet_size",
                           kAsfPacketHeader + frames * (codec_->block_align + kAsfPayloadHeader), 0);
        }
        if (!file_.open(QIODevice::ReadWrite | QIODevice::Truncate))
            return failed(AudioFault{AudioFault::Kind::WriteFailed, file_.errorString()});
        if (asf_)
            room_ = asfTagRoom(setup_.tags);
        if (!file_.seek(room_))
            return failed(AudioFault{AudioFault::Kind::WriteFailed, file_.errorString()});
        constexpr int kBufferBytes = 1 << 16;
        auto *buffer = static_cast<unsigned char *>(av_malloc(kBufferBytes));
        io_.reset(buffer ? avio_alloc_context(buffer, kBufferBytes, 1, this, nullptr, writeTo, seekIn) : nullptr);
        if (!io_) {
            av_free(buffer);
            return failed(fault(AudioFault::Kind::WriteFailed, AVERROR(ENOMEM)));
        }
        output_->pb = io_.get();
        output_->flags |= AVFMT_FLAG_CUSTOM_IO;
        if ((error = avformat_write_header(output_.get(), nullptr)) < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));

        frameSize_ = codec_->frame_size > 0 ? codec_->frame_size : 4096;
        fifo_.reset(av_audio_fifo_alloc(format_, setup_.shape.channels, frameSize_ * 2));
        frame_.reset(av_frame_alloc());
        packet_.reset(av_packet_alloc());
        if (!fifo_ || !frame_ || !packet_)
            return failed(fault(AudioFault::Kind::WriteFailed, AVERROR(ENOMEM)));
        return {};
    }

    AVSampleFormat sampleFormat() const override { return format_; }

    Result<void, AudioFault> write(const uint8_t *const *planes, int samples) override
    {
        // FFmpeg's queue takes its input as writable, and only reads it.
        auto **input = reinterpret_cast<void **>(const_cast<uint8_t **>(planes));
        if (av_audio_fifo_write(fifo_.get(), input, samples) < samples)
            return failed(fault(AudioFault::Kind::WriteFailed, AVERROR(ENOMEM)));
        while (av_audio_fifo_size(fifo_.get()) >= frameSize_) {
            if (auto sent = sendFrame(frameSize_); !sent)
                return sent;
        }
        return {};
    }

    Result<void, AudioFault> finish() override
    {
        if (const int left = av_audio_fifo_size(fifo_.get()); left > 0) {
            if (auto sent = sendFrame(left); !sent)
                return sent;
        }
        if (auto drained = encode(nullptr); !drained)
            return drained;
        int error = av_write_trailer(output_.get());
        if (error >= 0) {
            avio_flush(io_.get());
            error = io_->error;
        }
        if (error < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        if (asf_) {
            if (auto tagged = writeAsfTags(file_, room_, setup_.tags); !tagged)
                return tagged;
        }
        if (!file_.flush())
            return failed(AudioFault{AudioFault::Kind::WriteFailed, file_.errorString()});
        file_.close();
        return {};
    }

private:
    // A frame of `samples` from the queue; the encoder's last frame is made
    // whole with silence where it takes only whole ones.
    Result<void, AudioFault> sendFrame(int samples)
    {
        const bool whole = !(codec_->codec->capabilities
                             & (AV_CODEC_CAP_SMALL_LAST_FRAME | AV_CODEC_CAP_VARIABLE_FRAME_SIZE));
        AVFrame *frame = frame_.get();
        av_frame_unref(frame);
        frame->nb_samples = whole && codec_->frame_size > 0 ? codec_->frame_size : samples;
        frame->format = format_;
        frame->sample_rate = codec_->sample_rate;
        int error = av_channel_layout_copy(&frame->ch_layout, &codec_->ch_layout);
        if (error >= 0)
            error = av_frame_get_buffer(frame, 0);
        if (error < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        if (frame->nb_samples > samples)
            av_samples_set_silence(frame->extended_data, samples, frame->nb_samples - samples,
                                   codec_->ch_layout.nb_channels, format_);
        av_audio_fifo_read(fifo_.get(), reinterpret_cast<void **>(frame->extended_data), samples);
        frame->pts = pts_;
        pts_ += frame->nb_samples;
        return encode(frame);
    }

    Result<void, AudioFault> encode(const AVFrame *frame)
    {
        int error = avcodec_send_frame(codec_.get(), frame);
        if (error < 0)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        while ((error = avcodec_receive_packet(codec_.get(), packet_.get())) >= 0) {
            packet_->stream_index = stream_->index;
            av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
            if ((error = av_interleaved_write_frame(output_.get(), packet_.get())) < 0)
                return failed(fault(AudioFault::Kind::WriteFailed, error));
        }
        if (error != AVERROR(EAGAIN) && error != AVERROR_EOF)
            return failed(fault(AudioFault::Kind::WriteFailed, error));
        return {};
    }

    WriterSetup setup_;
    AVCodecID codecId_;
    AVSampleFormat format_;
    const char *muxer_;
    bool asf_;
    QFile file_;
    qint64 room_ = 0;
    // Freed after the muxer, which flushes into it.
    std::unique_ptr<AVIOContext, IoFreer> io_;
    std::unique_ptr<AVFormatContext, OutputFreer> output_;
    CodecPtr codec_;
    AVStream *stream_ = nullptr;
    FifoPtr fifo_;
    FramePtr frame_;
    PacketPtr packet_;
    int frameSize_ = 0;
    qint64 pts_ = 0;
};

int writeTo(void *opaque, uint8_t *bytes, int size)
{
    return static_cast<MuxedWriter *>(opaque)->writeBytes(bytes, size) == size ? size : AVERROR(EIO);
}

int64_t seekIn(void *opaque, int64_t offset, int whence)
{
    const qint64 at = static_cast<MuxedWriter *>(opaque)->seekBytes(offset, whence);
    return at < 0 ? AVERROR(EIO) : at;
}

WriterResult openMuxed(const WriterSetup &setup, AVCodecID codec, AVSampleFormat format, const char *muxer)
{
    auto writer = std::make_unique<MuxedWriter>(setup, codec, format, muxer);
    if (auto opened = writer->open(); !opened)
        return failed(opened.error());
    return std::unique_ptr<SoundWriter>(std::move(writer));
}

} // namespace

WriterResult openWmaWriter(const WriterSetup &setup)
{
    return openMuxed(setup, AV_CODEC_ID_WMAV2, AV_SAMPLE_FMT_FLTP, "asf");
}

WriterResult openWavWriter(const WriterSetup &setup)
{
    // The device shows no WAV tags: the file is the sound alone.
    return openMuxed(setup, AV_CODEC_ID_PCM_S16LE, AV_SAMPLE_FMT_S16, "wav");
}

} // namespace velandry::encoder
