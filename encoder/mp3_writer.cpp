#include "encoder/sound_writer.h"

#include <lame/lame.h>

#include <QFile>

#include <mutex>

namespace velandry::encoder {

namespace {

// LAME fills tables shared by every encoder the first time one starts.
std::mutex lameStartLock;

struct LameCloser final
{
    void operator()(lame_global_flags *flags) const { lame_close(flags); }
};

class Mp3Writer final : public SoundWriter
{
public:
    explicit Mp3Writer(const WriterSetup &setup) : setup_(setup), file_(setup.target) { }

    Result<void, AudioFault> open()
    {
        if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return failed(AudioFault{AudioFault::Kind::WriteFailed, file_.errorString()});
        {
            const std::lock_guard lock(lameStartLock);
            lame_.reset(lame_init());
            if (!lame_)
                return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
            lame_global_flags *flags = lame_.get();
            lame_set_in_samplerate(flags, setup_.shape.sampleRate);
            lame_set_out_samplerate(flags, setup_.shape.sampleRate);
            lame_set_num_channels(flags, setup_.shape.channels);
            lame_set_mode(flags, setup_.shape.channels == 1 ? MONO : JOINT_STEREO);
            lame_set_VBR(flags, vbr_off);
            lame_set_brate(flags, setup_.bitrateKbps);
            lame_set_quality(flags, 2);
            // The Info frame: encoder delay and padding, for gapless playing.
            lame_set_bWriteVbrTag(flags, 1);
            lame_set_write_id3tag_automatic(flags, 0);
            if (lame_init_params(flags) < 0)
                return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
        }
        if (!put(id3v2Tag(setup_.tags)))
            return writeFault();
        firstFrame_ = file_.pos();
        return {};
    }

    AVSampleFormat sampleFormat() const override { return AV_SAMPLE_FMT_FLTP; }

    Result<void, AudioFault> write(const uint8_t *const *planes, int samples) override
    {
        const auto *left = reinterpret_cast<const float *>(planes[0]);
        const auto *right = setup_.shape.channels > 1 ? reinterpret_cast<const float *>(planes[1]) : left;
        // LAME's own bound for what a call may give back.
        buffer_.resize(samples + samples / 4 + 7200);
        const int written = lame_encode_buffer_ieee_float(lame_.get(), left, right, samples,
                                                          reinterpret_cast<unsigned char *>(buffer_.data()),
                                                          static_cast<int>(buffer_.size()));
        if (written < 0)
            return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
        if (!put(QByteArrayView(buffer_.constData(), written)))
            return writeFault();
        return {};
    }

    Result<void, AudioFault> finish() override
    {
        buffer_.resize(7200);
        auto *out = reinterpret_cast<unsigned char *>(buffer_.data());
        const int flushed = lame_encode_flush(lame_.get(), out, static_cast<int>(buffer_.size()));
        if (flushed < 0)
            return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
        if (!put(QByteArrayView(buffer_.constData(), flushed)))
            return writeFault();
        const qint64 end = file_.pos();
        // The first frame LAME gave is the Info frame's place, left empty
        // until the stream's length is known.
        const size_t info = lame_get_lametag_frame(lame_.get(), out, buffer_.size());
        if (info > 0 && info <= size_t(buffer_.size())) {
            if (!file_.seek(firstFrame_) || !put(QByteArrayView(buffer_.constData(), qsizetype(info)))
                || !file_.seek(end))
                return writeFault();
        }
        if (!put(id3v1Tag(setup_.tags, setup_.codePage)) || !file_.flush())
            return writeFault();
        file_.close();
        return {};
    }

private:
    bool put(QByteArrayView bytes) { return bytes.isEmpty() || file_.write(bytes.data(), bytes.size()) == bytes.size(); }
    Failure<AudioFault> writeFault() const { return failed(AudioFault{AudioFault::Kind::WriteFailed, file_.errorString()}); }

    WriterSetup setup_;
    QFile file_;
    std::unique_ptr<lame_global_flags, LameCloser> lame_;
    QByteArray buffer_;
    qint64 firstFrame_ = 0;
};

} // namespace

WriterResult openMp3Writer(const WriterSetup &setup)
{
    auto writer = std::make_unique<Mp3Writer>(setup);
    if (auto opened = writer->open(); !opened)
        return failed(opened.error());
    return std::unique_ptr<SoundWriter>(std::move(writer));
}

} // namespace velandry::encoder
