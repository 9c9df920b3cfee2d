#include "engine/music/audio_encoder.h"

#include <array>
#include <cstdlib>

namespace velandry {

std::optional<AudioTarget> audioTargetOfType(QStringView mediaType)
{
    if (mediaType.compare(u"mp3", Qt::CaseInsensitive) == 0)
        return AudioTarget::Mp3;
    if (mediaType.compare(u"wma", Qt::CaseInsensitive) == 0)
        return AudioTarget::Wma;
    if (mediaType.compare(u"wav", Qt::CaseInsensitive) == 0)
        return AudioTarget::Wav;
    return std::nullopt;
}

QString extensionOf(AudioTarget target)
{
    switch (target) {
    case AudioTarget::Mp3:
        return QStringLiteral("mp3");
    case AudioTarget::Wma:
        return QStringLiteral("wma");
    case AudioTarget::Wav:
        break;
    }
    return QStringLiteral("wav");
}

bool devicePlays(const AudioStream &stream)
{
    if (stream.channels < 1 || stream.channels > 2)
        return false;
    switch (stream.codec) {
    case AudioStream::Codec::Mp3:
        return stream.container == u"mp3" && stream.sampleRate <= 48000;
    case AudioStream::Codec::WmaStandard:
        return stream.container == u"asf";
    case AudioStream::Codec::Pcm:
        return stream.container == u"wav" && stream.bitsPerSample == 16 && !stream.floating
               && stream.sampleRate <= 48000;
    default:
        return false;
    }
}

namespace {

// The rates each target holds, lowest first.
constexpr std::array kMp3Rates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr std::array kWmaRates{8000, 11025, 16000, 22050, 32000, 44100, 48000};

template <std::size_t N>
int nearest(const std::array<int, N> &rates, int rate)
{
    int best = rates.front();
    for (const int held : rates) {
        if (std::abs(held - rate) < std::abs(best - rate))
            best = held;
    }
    return best;
}

} // namespace

EncodedShape encodedShape(const AudioStream &source, AudioTarget target)
{
    EncodedShape shape;
    shape.channels = source.channels <= 1 ? 1 : 2;
    const int rate = source.sampleRate > 48000 ? 44100 : qMax(source.sampleRate, 8000);
    switch (target) {
    case AudioTarget::Mp3:
        shape.sampleRate = nearest(kMp3Rates, rate);
        break;
    case AudioTarget::Wma:
        shape.sampleRate = nearest(kWmaRates, rate);
        break;
    case AudioTarget::Wav:
        shape.sampleRate = rate;
        break;
    }
    return shape;
}

// The overheads of what velandry_encoder writes, as measured on its files.
qint64 estimatedSize(const AudioStream &source, const EncodingSettings &settings)
{
    const qint64 ms = qMax<qint64>(0, source.durationMs);
    const EncodedShape shape = encodedShape(source, settings.target);
    const qint64 kbps = qMax(1, settings.bitrateKbps);
    switch (settings.target) {
    case AudioTarget::Mp3: {
        // Constant bit rate frames; LAME's Info frame and the frames its
        // delay and padding take; ID3v2 (TagLib adds 1 KiB of padding) and
        // ID3v1.
        const qint64 frame = (shape.sampleRate >= 32000 ? 144000 : 72000) * kbps / shape.sampleRate;
        return ms * kbps / 8 + 3 * frame + 1200 + 128;
    }
    case AudioTarget::Wma: {
        // FFmpeg's wmav2 codes frames of 2048 samples (1024 up to 22.05 kHz,
        // 512 up to 16 kHz) in a fixed count of bytes, the bit rate's rounded
        // down; its ASF muxer puts as many whole frames as fit in 3200 bytes
        // in a packet, with 17 bytes of their own each and 12 of the packet.
        const qint64 samples = shape.sampleRate <= 16000 ? 512 : shape.sampleRate <= 22050 ? 1024 : 2048;
        const qint64 block = qMin<qint64>(kbps * 1000 * samples / (shape.sampleRate * 8), 32768);
        const qint64 perPacket = qMax<qint64>(1, (3200 - 12) / (block + 17));
        const qint64 frames = (ms * shape.sampleRate / 1000 + samples - 1) / samples;
        const qint64 packets = (frames + perPacket - 1) / perPacket;
        // The header with its tags and the room left for them, and the
        // data object's own.
        return packets * (12 + perPacket * (block + 17)) + 2048 + 50;
    }
    case AudioTarget::Wav:
        break;
    }
    return ms * shape.sampleRate / 1000 * shape.channels * 2 + 44;
}

} // namespace velandry
