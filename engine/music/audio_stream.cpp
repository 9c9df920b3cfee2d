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

qint64 estimatedSize(const AudioStream &source, const EncodingSettings &settings)
{
    const qint64 ms = qMax<qint64>(0, source.durationMs);
    switch (settings.target) {
    case AudioTarget::Mp3:
        // ID3v2 and ID3v1 tags and LAME's header frame.
        return ms * settings.bitrateKbps / 8 + 2048;
    case AudioTarget::Wma:
        // ASF's header and index, and its packets' own bytes.
        return ms * settings.bitrateKbps / 8 * 102 / 100 + 8192;
    case AudioTarget::Wav:
        break;
    }
    const EncodedShape shape = encodedShape(source, settings.target);
    return ms * shape.sampleRate / 1000 * shape.channels * 2 + 44;
}

} // namespace velandry
