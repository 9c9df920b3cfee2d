#pragma once

// What every part that speaks to FFmpeg needs: its headers, owners for its
// objects, its words for an error, and a file name it opens
// (nameForLibraries()).

#include "engine/system/file_names.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include "engine/music/audio_encoder.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace velandry::encoder {

struct InputCloser final
{
    void operator()(AVFormatContext *context) const { avformat_close_input(&context); }
};
struct CodecFreer final
{
    void operator()(AVCodecContext *context) const { avcodec_free_context(&context); }
};
struct FrameFreer final
{
    void operator()(AVFrame *frame) const { av_frame_free(&frame); }
};
struct PacketFreer final
{
    void operator()(AVPacket *packet) const { av_packet_free(&packet); }
};
struct ResamplerFreer final
{
    void operator()(SwrContext *context) const { swr_free(&context); }
};
struct FifoFreer final
{
    void operator()(AVAudioFifo *fifo) const { av_audio_fifo_free(fifo); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;
using FifoPtr = std::unique_ptr<AVAudioFifo, FifoFreer>;

// FFmpeg's own words for an AVERROR.
QString errorText(int error);
AudioFault fault(AudioFault::Kind kind, int error);

// Keeps FFmpeg from writing its diagnostics to the console: every failure
// comes back as a fault. Leaves a level a program chose itself.
void quietLibraries();

} // namespace velandry::encoder
