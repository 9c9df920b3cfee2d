#include "encoder/ffmpeg_encoder.h"

#include "encoder/audio_source.h"
#include "encoder/sound_writer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace velandry {

using namespace encoder;

Result<AudioStream, AudioFault> FfmpegEncoder::probe(const QString &path) const
{
    auto source = AudioSource::open(path);
    if (!source)
        return failed(source.error());
    return source.value()->stream();
}

Result<qint64, AudioFault> FfmpegEncoder::encode(const QString &source, const QString &target,
                                                 const EncodingSettings &settings,
                                                 const std::function<bool(double done)> &keepGoing) const
{
    const Failure<AudioFault> stopped = failed(AudioFault{AudioFault::Kind::Stopped, {}});
    if (keepGoing && !keepGoing(0))
        return stopped;
    auto opened = AudioSource::open(source);
    if (!opened)
        return failed(opened.error());
    AudioSource &input = *opened.value();

    WriterSetup setup;
    setup.target = target;
    setup.shape = encodedShape(input.stream(), settings.target);
    setup.bitrateKbps = settings.bitrateKbps > 0 ? settings.bitrateKbps : 128;
    setup.tags = input.tags();
    setup.codePage = settings.codePage;
    WriterResult writer = settings.target == AudioTarget::Mp3   ? openMp3Writer(setup)
                          : settings.target == AudioTarget::Wma ? openWmaWriter(setup)
                                                                : openWavWriter(setup);
    if (!writer)
        return failed(writer.error());
    SoundWriter &output = *writer.value();
    if (auto converting = input.convertTo(setup.shape, output.sampleFormat()); !converting)
        return failed(converting.error());

    // Asked twice as often as promised: one packet's work may come between.
    constexpr qint64 kAskEveryMs = 25;
    QElapsedTimer sinceAsked;
    sinceAsked.start();
    for (;;) {
        if (keepGoing && sinceAsked.elapsed() >= kAskEveryMs) {
            if (!keepGoing(input.done()))
                return stopped;
            sinceAsked.restart();
        }
        auto chunk = input.read();
        if (!chunk)
            return failed(chunk.error());
        if (chunk->end)
            break;
        if (chunk->samples > 0) {
            if (auto written = output.write(chunk->planes, chunk->samples); !written)
                return failed(written.error());
        }
    }
    if (keepGoing && !keepGoing(1))
        return stopped;
    if (auto finished = output.finish(); !finished)
        return failed(finished.error());
    return QFileInfo(target).size();
}

namespace {

// The first frame of an MP3 that encode() wrote: after its ID3v2 tag, a
// layer III frame whose header gives the bit rate, holding LAME's "Info"
// (constant bit rate; "Xing" would be variable).
std::optional<EncodedWith> mp3EncodedWith(QFile &file)
{
    QByteArray head = file.read(10);
    qint64 frameAt = 0;
    if (head.size() == 10 && head.startsWith("ID3")) {
        const auto byte = [&](int i) { return qint64(uchar(head.at(i)) & 0x7f); };
        frameAt = 10 + (byte(6) << 21 | byte(7) << 14 | byte(8) << 7 | byte(9)) + ((head.at(5) & 0x10) ? 10 : 0);
    }
    if (!file.seek(frameAt))
        return std::nullopt;
    const QByteArray frame = file.read(64);
    if (frame.size() < 64)
        return std::nullopt;
    const auto at = [&](int i) { return uchar(frame.at(i)); };
    if (at(0) != 0xff || (at(1) & 0xe0) != 0xe0 || ((at(1) >> 1) & 3) != 1)
        return std::nullopt;
    const int version = (at(1) >> 3) & 3; // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int bitrateIndex = at(2) >> 4;
    if (version == 1 || bitrateIndex == 0 || bitrateIndex == 15 || ((at(2) >> 2) & 3) == 3)
        return std::nullopt;
    constexpr std::array<int, 15> kMpeg1{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    constexpr std::array<int, 15> kMpeg2{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    const bool mono = (at(3) >> 6) == 3;
    const int sideInfo = version == 3 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const int tagAt = 4 + sideInfo + ((at(1) & 1) ? 0 : 2);
    if (frame.mid(tagAt, 4) != "Info")
        return std::nullopt;
    return EncodedWith{AudioTarget::Mp3, (version == 3 ? kMpeg1 : kMpeg2)[bitrateIndex]};
}

} // namespace

std::optional<EncodedWith> FfmpegEncoder::encodedWith(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.peek(16);
    // The ASF header object's GUID, and RIFF's WAVE.
    static const QByteArray asf = QByteArray::fromHex("3026b2758e66cf11a6d900aa0062ce6c");
    const bool isAsf = head.startsWith(asf);
    const bool isWav = head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
    if (!isAsf && !isWav)
        return mp3EncodedWith(file);
    file.close();

    quietLibraries();
    const QByteArray name = nameForLibraries(path);
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, name.constData(), av_find_input_format(isAsf ? "asf" : "wav"), nullptr) < 0)
        return std::nullopt;
    const InputPtr input(opened);
    if (input->nb_streams != 1)
        return std::nullopt;
    const AVCodecParameters &stream = *input->streams[0]->codecpar;
    if (isAsf && stream.codec_id == AV_CODEC_ID_WMAV2 && stream.bit_rate > 0)
        return EncodedWith{AudioTarget::Wma, int((stream.bit_rate + 500) / 1000)};
    if (isWav && stream.codec_id == AV_CODEC_ID_PCM_S16LE && stream.ch_layout.nb_channels <= 2)
        return EncodedWith{AudioTarget::Wav, 0};
    return std::nullopt;
}

std::unique_ptr<AudioEncoder> makeAudioEncoder()
{
    return std::make_unique<FfmpegEncoder>();
}

} // namespace velandry
