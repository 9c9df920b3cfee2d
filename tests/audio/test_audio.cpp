#include "tests/audio/test_audio.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <lame/lame.h>

#include <QFile>

#include <cmath>
#include <numbers>

namespace testaudio {

namespace {

QString ffmpegError(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromUtf8(text);
}

float tone(const ToneFile &file, int channel, qint64 sample)
{
    const int hertz = file.hertz.at(channel);
    return hertz == 0 ? 0.0f
                      : float(0.5 * std::sin(2 * std::numbers::pi * hertz * double(sample) / file.sampleRate));
}

Made makeMp3(const QString &path, const ToneFile &file)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {{}, out.errorString()};
    lame_global_flags *lame = lame_init();
    lame_set_in_samplerate(lame, file.sampleRate);
    lame_set_num_channels(lame, int(file.hertz.size()));
    lame_set_brate(lame, 128);
    lame_set_bWriteVbrTag(lame, 1);
    lame_init_params(lame);
    const qint64 total = qint64(file.seconds * file.sampleRate);
    QList<float> left(1152), right(1152);
    QByteArray mp3(8192 + 7200, '\0');
    for (qint64 at = 0; at < total; at += 1152) {
        const int n = int(qMin<qint64>(1152, total - at));
        for (int i = 0; i < n; ++i) {
            left[i] = tone(file, 0, at + i);
            right[i] = tone(file, int(file.hertz.size()) - 1, at + i);
        }
        const int written = lame_encode_buffer_ieee_float(lame, left.constData(), right.constData(), n,
                                                          reinterpret_cast<unsigned char *>(mp3.data()), int(mp3.size()));
        out.write(mp3.constData(), written);
    }
    out.write(mp3.constData(), lame_encode_flush(lame, reinterpret_cast<unsigned char *>(mp3.data()), int(mp3.size())));
    const size_t info = lame_get_lametag_frame(lame, reinterpret_cast<unsigned char *>(mp3.data()), size_t(mp3.size()));
    out.seek(0);
    out.write(mp3.constData(), qsizetype(info));
    lame_close(lame);
    return {QStringLiteral("lame"), {}};
}

void putSample(AVFrame &frame, AVSampleFormat format, int channel, int index, int channels, float value)
{
    const bool planar = av_sample_fmt_is_planar(format);
    const int at = planar ? index : index * channels + channel;
    uint8_t *data = frame.extended_data[planar ? channel : 0];
    switch (av_get_packed_sample_fmt(format)) {
    case AV_SAMPLE_FMT_S16:
        reinterpret_cast<int16_t *>(data)[at] = int16_t(std::lrint(value * 32767));
        break;
    case AV_SAMPLE_FMT_S32:
        reinterpret_cast<int32_t *>(data)[at] = int32_t(std::lrint(value * 8388607)) * 256;
        break;
    case AV_SAMPLE_FMT_FLT:
        reinterpret_cast<float *>(data)[at] = value;
        break;
    default:
        break;
    }
}

AVSampleFormat formatFor(const AVCodec &codec, int bits)
{
    const AVSampleFormat wanted = bits > 16 ? AV_SAMPLE_FMT_S32 : AV_SAMPLE_FMT_S16;
    AVSampleFormat other = AV_SAMPLE_FMT_NONE;
    for (const AVSampleFormat *f = codec.sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (av_get_packed_sample_fmt(*f) == wanted)
            return *f;
        if (other == AV_SAMPLE_FMT_NONE && av_get_packed_sample_fmt(*f) == AV_SAMPLE_FMT_FLT)
            other = *f;
    }
    return other;
}

} // namespace

Made makeToneFile(const QString &path, const ToneFile &file)
{
    if (file.muxer == u"mp3")
        return makeMp3(path, file);
    av_log_set_level(AV_LOG_QUIET);
    const AVCodec *codec = nullptr;
    for (const QString &name : file.encoders) {
        if ((codec = avcodec_find_encoder_by_name(name.toUtf8().constData())))
            break;
    }
    if (!codec)
        return {{}, QStringLiteral("no %1 encoder").arg(file.encoders.join(u'/'))};
    const int channels = int(file.hertz.size());
    const QByteArray name = path.toUtf8();
    AVFormatContext *output = nullptr;
    int error = avformat_alloc_output_context2(&output, nullptr, file.muxer.toUtf8().constData(), name.constData());
    if (error < 0)
        return {{}, ffmpegError(error)};
    for (auto tag = file.tags.cbegin(); tag != file.tags.cend(); ++tag)
        av_dict_set(&output->metadata, tag.key().toUtf8().constData(), tag.value().toUtf8().constData(), 0);

    AVCodecContext *encoder = avcodec_alloc_context3(codec);
    encoder->sample_fmt = formatFor(*codec, file.bits);
    encoder->sample_rate = file.sampleRate;
    av_channel_layout_default(&encoder->ch_layout, channels);
    encoder->time_base = {1, file.sampleRate};
    encoder->strict_std_compliance = FF_COMPLIANCE_EXPERIMENTAL; // FFmpeg's own Vorbis and Opus
    if (file.bits > 16)
        encoder->bits_per_raw_sample = file.bits;
    if (codec->id == AV_CODEC_ID_WMAV2 || codec->id == AV_CODEC_ID_AAC || codec->id == AV_CODEC_ID_VORBIS
        || codec->id == AV_CODEC_ID_OPUS)
        encoder->bit_rate = 128000;
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVStream *stream = avformat_new_stream(output, nullptr);
    if ((error = avcodec_open2(encoder, codec, nullptr)) >= 0 && (error = avcodec_parameters_from_context(stream->codecpar, encoder)) >= 0
        && (error = avio_open(&output->pb, name.constData(), AVIO_FLAG_WRITE)) >= 0) {
        stream->time_base = encoder->time_base;
        error = avformat_write_header(output, nullptr);
    }
    AVFrame *frame = av_frame_alloc();
    AVPacket *packet = av_packet_alloc();
    const int frameSize = encoder->frame_size > 0 ? encoder->frame_size : 4096;
    const qint64 total = qint64(file.seconds * file.sampleRate);
    const auto drain = [&] {
        while (error >= 0 && avcodec_receive_packet(encoder, packet) >= 0) {
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = 0;
            error = av_interleaved_write_frame(output, packet);
        }
    };
    for (qint64 at = 0; error >= 0 && at < total; at += frameSize) {
        const bool whole = !(codec->capabilities & AV_CODEC_CAP_SMALL_LAST_FRAME) && encoder->frame_size > 0;
        frame->nb_samples = whole ? frameSize : int(qMin<qint64>(frameSize, total - at));
        frame->format = encoder->sample_fmt;
        frame->sample_rate = file.sampleRate;
        av_channel_layout_copy(&frame->ch_layout, &encoder->ch_layout);
        if ((error = av_frame_get_buffer(frame, 0)) < 0)
            break;
        for (int i = 0; i < frame->nb_samples; ++i) {
            for (int c = 0; c < channels; ++c)
                putSample(*frame, encoder->sample_fmt, c, i, channels, at + i < total ? tone(file, c, at + i) : 0.0f);
        }
        frame->pts = at;
        error = avcodec_send_frame(encoder, frame);
        av_frame_unref(frame);
        drain();
    }
    if (error >= 0) {
        avcodec_send_frame(encoder, nullptr);
        drain();
        error = av_write_trailer(output);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&encoder);
    avio_closep(&output->pb);
    avformat_free_context(output);
    if (error < 0)
        return {{}, ffmpegError(error)};
    return {QString::fromUtf8(codec->name), {}};
}

Heard hear(const QString &path)
{
    Heard heard;
    AVFormatContext *input = nullptr;
    int error = avformat_open_input(&input, path.toUtf8().constData(), nullptr, nullptr);
    if (error >= 0)
        error = avformat_find_stream_info(input, nullptr);
    const int index = error >= 0 ? av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) : error;
    if (index < 0) {
        heard.error = ffmpegError(index);
        avformat_close_input(&input);
        return heard;
    }
    const AVStream *stream = input->streams[index];
    heard.container = QString::fromUtf8(input->iformat->name);
    heard.codec = QString::fromUtf8(avcodec_get_name(stream->codecpar->codec_id));
    for (const AVDictionary *tags : {input->metadata, stream->metadata}) {
        for (const AVDictionaryEntry *tag = nullptr; (tag = av_dict_get(tags, "", tag, AV_DICT_IGNORE_SUFFIX));)
            heard.tags.insert(QString::fromUtf8(tag->key), QString::fromUtf8(tag->value));
    }
    const AVCodec *codec = avcodec_find_decoder(stream->codecpar->codec_id);
    AVCodecContext *decoder = avcodec_alloc_context3(codec);
    avcodec_parameters_to_context(decoder, stream->codecpar);
    decoder->pkt_timebase = stream->time_base;
    decoder->request_sample_fmt = AV_SAMPLE_FMT_FLTP;
    if ((error = avcodec_open2(decoder, codec, nullptr)) < 0)
        heard.error = ffmpegError(error);
    heard.sampleRate = decoder->sample_rate;
    const int channels = decoder->ch_layout.nb_channels;
    for (int c = 0; c < channels; ++c)
        heard.channels.append(QList<float>());
    SwrContext *toFloat = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const auto take = [&] {
        while (avcodec_receive_frame(decoder, frame) >= 0) {
            if (!toFloat) {
                swr_alloc_set_opts2(&toFloat, &frame->ch_layout, AV_SAMPLE_FMT_FLTP, frame->sample_rate,
                                    &frame->ch_layout, AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
                swr_init(toFloat);
            }
            QList<QList<float>> planes(channels, QList<float>(frame->nb_samples + 64));
            QList<uint8_t *> out;
            for (auto &plane : planes)
                out.append(reinterpret_cast<uint8_t *>(plane.data()));
            const int n = swr_convert(toFloat, out.data(), frame->nb_samples + 64,
                                      const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
            for (int c = 0; c < channels && n > 0; ++c)
                heard.channels[c].append(planes[c].first(n));
            heard.samples += frame->nb_samples;
            av_frame_unref(frame);
        }
    };
    while (heard.error.isEmpty() && av_read_frame(input, packet) >= 0) {
        if (packet->stream_index == index && avcodec_send_packet(decoder, packet) < 0)
            ++heard.decodeErrors;
        av_packet_unref(packet);
        take();
    }
    avcodec_send_packet(decoder, nullptr);
    take();
    swr_free(&toFloat);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&decoder);
    avformat_close_input(&input);
    return heard;
}

namespace {

QList<float> middleSecond(const Heard &heard, int channel)
{
    const QList<float> &all = heard.channels.value(channel);
    const qsizetype length = qMin<qsizetype>(heard.sampleRate, all.size());
    return all.mid((all.size() - length) / 2, length);
}

} // namespace

double toneShare(const Heard &heard, int channel, int hertz)
{
    const QList<float> second = middleSecond(heard, channel);
    if (second.isEmpty())
        return 0;
    // Goertzel's filter at `hertz`: over a whole second every whole
    // frequency is a bin of its own.
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * hertz / heard.sampleRate);
    double previous = 0, beforeThat = 0, power = 0;
    for (const float sample : second) {
        const double value = sample + coefficient * previous - beforeThat;
        beforeThat = previous;
        previous = value;
        power += double(sample) * sample;
    }
    const double n = double(second.size());
    const double magnitude = previous * previous + beforeThat * beforeThat - coefficient * previous * beforeThat;
    return power > 0 ? (2 * magnitude / (n * n)) / (power / n) : 0;
}

double loudness(const Heard &heard, int channel)
{
    const QList<float> second = middleSecond(heard, channel);
    double power = 0;
    for (const float sample : second)
        power += double(sample) * sample;
    return second.isEmpty() ? 0 : std::sqrt(power / double(second.size()));
}

} // namespace testaudio
