#include "encoder/audio_source.h"

namespace velandry::encoder {

namespace {

// What FFmpeg reads of a stream to tell its shape where the header does
// not; most formats are told by their first 2 KiB, and FFmpeg reads no more
// than it needs.
constexpr int kProbeBytes = 1 << 20;
constexpr int kLargestProbe = 32 << 20;

AudioStream::Codec codecOf(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_MP3:
        return AudioStream::Codec::Mp3;
    case AV_CODEC_ID_WMAV1:
    case AV_CODEC_ID_WMAV2:
        return AudioStream::Codec::WmaStandard;
    case AV_CODEC_ID_WMAPRO:
        return AudioStream::Codec::WmaPro;
    case AV_CODEC_ID_WMALOSSLESS:
        return AudioStream::Codec::WmaLossless;
    case AV_CODEC_ID_WMAVOICE:
        return AudioStream::Codec::WmaVoice;
    case AV_CODEC_ID_FLAC:
        return AudioStream::Codec::Flac;
    case AV_CODEC_ID_AAC:
        return AudioStream::Codec::Aac;
    case AV_CODEC_ID_ALAC:
        return AudioStream::Codec::Alac;
    case AV_CODEC_ID_VORBIS:
        return AudioStream::Codec::Vorbis;
    case AV_CODEC_ID_OPUS:
        return AudioStream::Codec::Opus;
    case AV_CODEC_ID_WAVPACK:
        return AudioStream::Codec::WavPack;
    case AV_CODEC_ID_APE:
        return AudioStream::Codec::Ape;
    case AV_CODEC_ID_MUSEPACK7:
    case AV_CODEC_ID_MUSEPACK8:
        return AudioStream::Codec::Musepack;
    // Companded, not linear samples.
    case AV_CODEC_ID_PCM_ALAW:
    case AV_CODEC_ID_PCM_MULAW:
        return AudioStream::Codec::Other;
    default:
        break;
    }
    // FFmpeg numbers its PCM codecs from pcm_s16le up to the first ADPCM.
    if (id >= AV_CODEC_ID_PCM_S16LE && id < AV_CODEC_ID_ADPCM_IMA_QT && av_get_bits_per_sample(id) > 0)
        return AudioStream::Codec::Pcm;
    return AudioStream::Codec::Other;
}

bool isFloating(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_PCM_F16LE:
    case AV_CODEC_ID_PCM_F24LE:
    case AV_CODEC_ID_PCM_F32BE:
    case AV_CODEC_ID_PCM_F32LE:
    case AV_CODEC_ID_PCM_F64BE:
    case AV_CODEC_ID_PCM_F64LE:
        return true;
    default:
        return false;
    }
}

// What the content is, by its bytes alone, never by the name's extension.
// Reads on past an ID3v2 tag of any size (a large picture): FFmpeg then
// looks at what follows it.
Result<const AVInputFormat *, AudioFault> formatOf(const QByteArray &path)
{
    AVIOContext *io = nullptr;
    int error = avio_open(&io, path.constData(), AVIO_FLAG_READ);
    if (error < 0)
        return failed(fault(AudioFault::Kind::Unreadable, error));
    const AVInputFormat *format = nullptr;
    error = av_probe_input_buffer2(io, &format, nullptr, nullptr, 0, kLargestProbe);
    avio_closep(&io);
    if (error < 0 || !format)
        return failed(fault(error == AVERROR(EIO) ? AudioFault::Kind::Unreadable : AudioFault::Kind::NotAudio,
                            error < 0 ? error : AVERROR_INVALIDDATA));
    return format;
}

} // namespace

AudioSource::~AudioSource()
{
    if (buffer_)
        av_freep(&buffer_[0]);
    av_freep(&buffer_);
    av_channel_layout_uninit(&resampledLayout_);
}

Result<std::unique_ptr<AudioSource>, AudioFault> AudioSource::open(const QString &path)
{
    quietLibraries();
    const QByteArray name = nameForLibraries(path);
    const auto format = formatOf(name);
    if (!format)
        return failed(format.error());

    std::unique_ptr<AudioSource> source(new AudioSource);
    AVFormatContext *input = avformat_alloc_context();
    if (!input)
        return failed(fault(AudioFault::Kind::Unreadable, AVERROR(ENOMEM)));
    input->probesize = kProbeBytes;
    input->max_analyze_duration = AV_TIME_BASE;
    int error = avformat_open_input(&input, name.constData(), *format, nullptr);
    // Its content was recognised: a header that does not read is damaged.
    if (error < 0)
        return failed(fault(error == AVERROR(EIO) ? AudioFault::Kind::Unreadable : AudioFault::Kind::Undecodable, error));
    source->input_.reset(input);

    const auto firstAudio = [&]() -> AVStream * {
        for (unsigned i = 0; i < input->nb_streams; ++i) {
            if (input->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_AUDIO)
                return input->streams[i];
        }
        return nullptr;
    };
    AVStream *audio = firstAudio();
    source->headerLength_ = audio && audio->duration != AV_NOPTS_VALUE && audio->duration > 0;
    const bool told = audio && audio->codecpar->codec_id != AV_CODEC_ID_NONE && audio->codecpar->sample_rate > 0
                      && audio->codecpar->ch_layout.nb_channels > 0 && source->headerLength_;
    if (!told) {
        if ((error = avformat_find_stream_info(input, nullptr)) < 0)
            return failed(fault(AudioFault::Kind::Undecodable, error));
        audio = firstAudio();
    }
    if (!audio)
        return failed(fault(AudioFault::Kind::NotAudio, AVERROR_STREAM_NOT_FOUND));
    if (audio->codecpar->sample_rate <= 0 || audio->codecpar->ch_layout.nb_channels <= 0)
        return failed(fault(AudioFault::Kind::Undecodable, AVERROR_INVALIDDATA));
    source->audio_ = audio;

    const AVCodecParameters &parameters = *audio->codecpar;
    AudioStream &stream = source->stream_;
    stream.codec = codecOf(parameters.codec_id);
    stream.codecName = QString::fromUtf8(avcodec_get_name(parameters.codec_id));
    stream.container = QString::fromUtf8(input->iformat->name);
    stream.sampleRate = parameters.sample_rate;
    stream.channels = parameters.ch_layout.nb_channels;
    if (stream.codec == AudioStream::Codec::Pcm) {
        stream.bitsPerSample = av_get_bits_per_sample(parameters.codec_id);
        stream.floating = isFloating(parameters.codec_id);
    }
    if (audio->duration != AV_NOPTS_VALUE && audio->duration > 0)
        stream.durationMs = av_rescale_q(audio->duration, audio->time_base, AVRational{1, 1000});
    else if (input->duration != AV_NOPTS_VALUE && input->duration > 0)
        stream.durationMs = av_rescale(input->duration, 1000, AV_TIME_BASE);
    stream.bitRate = parameters.bit_rate > 0 ? parameters.bit_rate : input->bit_rate;
    if (stream.bitRate <= 0 && stream.durationMs > 0 && input->pb) {
        if (const qint64 size = avio_size(input->pb); size > 0)
            stream.bitRate = size * 8000 / stream.durationMs;
    }

    if (!avcodec_find_decoder(parameters.codec_id) && !devicePlays(stream)) {
        QString codec = stream.codecName;
        if (parameters.codec_id == AV_CODEC_ID_NONE && parameters.codec_tag != 0)
            codec = QStringLiteral("0x%1").arg(parameters.codec_tag, 4, 16, QLatin1Char('0'));
        return failed(AudioFault{AudioFault::Kind::UnknownCodec, codec});
    }
    return source;
}

SongTags AudioSource::tags() const
{
    // Ogg keeps its comments with the stream, most containers with the file.
    const auto value = [this](const char *key) {
        for (const AVDictionary *dictionary : {input_->metadata, audio_->metadata}) {
            if (const AVDictionaryEntry *entry = av_dict_get(dictionary, key, nullptr, 0); entry && *entry->value)
                return QString::fromUtf8(entry->value).trimmed();
        }
        return QString();
    };
    SongTags tags;
    tags.title = value("title");
    tags.artist = value("artist");
    tags.album = value("album");
    tags.albumArtist = value("album_artist");
    tags.track = value("track");
    tags.disc = value("disc");
    tags.genre = value("genre");
    const QString date = value("date");
    if (date.size() >= 4 && leadingNumber(date.first(4)) >= 1000)
        tags.year = date.first(4);
    return tags;
}

Result<void, AudioFault> AudioSource::startDecoding()
{
    const AVCodec *codec = avcodec_find_decoder(audio_->codecpar->codec_id);
    if (!codec)
        return failed(AudioFault{AudioFault::Kind::UnknownCodec, stream_.codecName});
    decoder_.reset(avcodec_alloc_context3(codec));
    packet_.reset(av_packet_alloc());
    frame_.reset(av_frame_alloc());
    if (!decoder_ || !packet_ || !frame_)
        return failed(fault(AudioFault::Kind::Undecodable, AVERROR(ENOMEM)));
    int error = avcodec_parameters_to_context(decoder_.get(), audio_->codecpar);
    if (error < 0)
        return failed(fault(AudioFault::Kind::Undecodable, error));
    decoder_->pkt_timebase = audio_->time_base;
    // Jobs run side by side; one thread each is enough for audio.
    decoder_->thread_count = 1;
    if ((error = avcodec_open2(decoder_.get(), codec, nullptr)) < 0)
        return failed(fault(AudioFault::Kind::Undecodable, error));
    // Only the first audio stream is read: the demuxer drops the rest.
    for (unsigned i = 0; i < input_->nb_streams; ++i) {
        if (input_->streams[i] != audio_)
            input_->streams[i]->discard = AVDISCARD_ALL;
    }
    expectedSamples_ = stream_.durationMs * stream_.sampleRate / 1000;
    return {};
}

Result<void, AudioFault> AudioSource::convertTo(const EncodedShape &shape, AVSampleFormat format)
{
    shape_ = shape;
    format_ = format;
    return startDecoding();
}

Result<void, AudioFault> AudioSource::startResampling(const AVFrame &frame)
{
    AVChannelLayout in{};
    if (frame.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame.ch_layout.nb_channels <= 0)
        av_channel_layout_default(&in, frame.ch_layout.nb_channels > 0 ? frame.ch_layout.nb_channels
                                                                      : stream_.channels);
    else
        av_channel_layout_copy(&in, &frame.ch_layout);
    AVChannelLayout out{};
    av_channel_layout_default(&out, shape_.channels);

    SwrContext *resampler = nullptr;
    int error = swr_alloc_set_opts2(&resampler, &out, format_, shape_.sampleRate, &in,
                                    AVSampleFormat(frame.format), frame.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&out);
    resampler_.reset(resampler);
    av_channel_layout_uninit(&resampledLayout_);
    resampledLayout_ = in;
    resampledFormat_ = frame.format;
    resampledRate_ = frame.sample_rate;
    if (error < 0)
        return failed(fault(AudioFault::Kind::Undecodable, error));
    // The usual downmix (centre and surrounds at -3 dB, no LFE), scaled so
    // that loud surround music does not clip.
    av_opt_set_double(resampler, "rematrix_maxval", 1.0, 0);
    if (format_ == AV_SAMPLE_FMT_S16)
        av_opt_set_int(resampler, "dither_method", SWR_DITHER_TRIANGULAR, 0);
    if ((error = swr_init(resampler)) < 0)
        return failed(fault(AudioFault::Kind::Undecodable, error));
    return {};
}

Result<AudioSource::Chunk, AudioFault> AudioSource::convert(const AVFrame *frame)
{
    if (frame) {
        const bool sameInput = resampler_ && frame->format == resampledFormat_ && frame->sample_rate == resampledRate_
                               && frame->ch_layout.nb_channels == resampledLayout_.nb_channels
                               && (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC
                                   || av_channel_layout_compare(&frame->ch_layout, &resampledLayout_) == 0);
        if (!sameInput) {
            if (auto started = startResampling(*frame); !started)
                return failed(started.error());
        }
    } else if (!resampler_) {
        return Chunk{};
    }
    const int room = swr_get_out_samples(resampler_.get(), frame ? frame->nb_samples : 0);
    if (room > bufferSamples_) {
        if (buffer_)
            av_freep(&buffer_[0]);
        av_freep(&buffer_);
        const int error = av_samples_alloc_array_and_samples(&buffer_, nullptr, shape_.channels, room, format_, 0);
        if (error < 0)
            return failed(fault(AudioFault::Kind::Undecodable, error));
        bufferSamples_ = room;
    }
    const int samples = swr_convert(resampler_.get(), buffer_, bufferSamples_,
                                    frame ? const_cast<const uint8_t **>(frame->extended_data) : nullptr,
                                    frame ? frame->nb_samples : 0);
    if (samples < 0)
        return failed(fault(AudioFault::Kind::Undecodable, samples));
    return Chunk{buffer_, samples, false};
}

Result<AudioSource::Chunk, AudioFault> AudioSource::read()
{
    if (finished_)
        return Chunk{nullptr, 0, true};
    for (;;) {
        int error = avcodec_receive_frame(decoder_.get(), frame_.get());
        if (error >= 0) {
            decodedSamples_ += frame_->nb_samples;
            auto chunk = convert(frame_.get());
            av_frame_unref(frame_.get());
            return chunk;
        }
        if (error == AVERROR_EOF) {
            finished_ = true;
            if (auto ended = checkEnd(); !ended)
                return failed(ended.error());
            return convert(nullptr);
        }
        if (error != AVERROR(EAGAIN)) {
            // A damaged frame: the decoder goes on with the next.
            lastError_ = error;
            continue;
        }
        error = av_read_frame(input_.get(), packet_.get());
        if (error == AVERROR_EOF || (error < 0 && avio_feof(input_->pb))) {
            avcodec_send_packet(decoder_.get(), nullptr);
            continue;
        }
        if (error < 0)
            return failed(fault(AudioFault::Kind::Unreadable, error));
        if (packet_->stream_index == audio_->index) {
            error = avcodec_send_packet(decoder_.get(), packet_.get());
            if (error < 0 && error != AVERROR(EAGAIN))
                lastError_ = error;
        }
        av_packet_unref(packet_.get());
        // Back to the caller after each packet, so that it is asked often.
        return Chunk{buffer_, 0, false};
    }
}

Result<void, AudioFault> AudioSource::checkEnd() const
{
    if (decodedSamples_ == 0)
        return failed(fault(AudioFault::Kind::Undecodable, lastError_ < 0 ? lastError_ : AVERROR_INVALIDDATA));
    // Where the header gives the length exactly, a stream that ends well
    // before it was cut off.
    const qint64 slack = qMax<qint64>(stream_.sampleRate / 2, expectedSamples_ / 50);
    if (headerLength_ && decodedSamples_ + slack < expectedSamples_)
        return failed(fault(AudioFault::Kind::Undecodable, lastError_ < 0 ? lastError_ : AVERROR_EOF));
    return {};
}

double AudioSource::done() const
{
    if (expectedSamples_ <= 0)
        return 0;
    return qBound(0.0, double(decodedSamples_) / double(expectedSamples_), 1.0);
}

} // namespace velandry::encoder
