#pragma once

// The seam between the engine and the audio libraries: what a music file
// holds, told by its stream rather than its name, and encoding one into a
// format the device plays. The engine plans and runs with an AudioEncoder;
// velandry_encoder (FFmpeg, LAME, TagLib) is the one the programs use, and
// the engine's tests may give it another.

#include "engine/code_page.h"
#include "engine/result.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>
#include <optional>

namespace velandry {

// What the device plays, and so what music it cannot play is encoded to.
enum class AudioTarget { Mp3, Wma, Wav };

// The target a media type names ("mp3", "WMA", "wav"); nothing for any other.
std::optional<AudioTarget> audioTargetOfType(QStringView mediaType);
// "mp3", "wma", "wav": the extension of a file of the target.
QString extensionOf(AudioTarget target);

// A music file's sound as its stream tells it.
struct AudioStream
{
    enum class Codec {
        Mp3,         // MPEG audio layer III (MPEG-1, 2 or 2.5)
        WmaStandard, // WMA 7, 8 and 9 Standard (FFmpeg's wmav1, wmav2)
        WmaPro,
        WmaLossless,
        WmaVoice,
        Pcm,         // PCM, integer or floating (bitsPerSample, floating)
        Flac,
        Aac,
        Alac,
        Vorbis,
        Opus,
        WavPack,
        Ape,
        Musepack,
        Other,       // any other codec FFmpeg decodes: `codecName` names it
    };
    Codec codec = Codec::Other;
    QString codecName; // FFmpeg's short name of the codec: "flac", "aac", "pcm_s24le"
    QString container; // FFmpeg's short name of the container: "wav", "mp3", "asf", "mov,mp4,m4a,3gp,3g2,mj2"
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // of PCM; 0 where the codec has no fixed depth
    bool floating = false; // PCM of floating-point samples
    qint64 durationMs = 0;
    qint64 bitRate = 0; // of the stream, bits per second; 0 where it does not say
};

// Whether the device plays the file as it is, so that it is copied byte for
// byte: MP3 in an MP3 file up to 48 kHz, WMA Standard in an ASF file, 16-bit
// integer PCM in a WAV file up to 48 kHz; at most two channels each.
bool devicePlays(const AudioStream &stream);

// How a run encodes what the device cannot play.
struct EncodingSettings
{
    AudioTarget target = AudioTarget::Mp3;
    int bitrateKbps = 128;       // MP3 and WMA, constant; WAV is 16-bit PCM whatever this says
    CodePage codePage = CodePage::systemDefault(); // of an MP3's ID3v1 tag, as the device reads it
};

// The sample rate and channels an encoded file has: above 48 kHz, 44.1 kHz;
// 32, 44.1 and 48 kHz as they are; a rate the target cannot hold, the
// nearest it can; more than two channels mixed down to two, one kept one.
struct EncodedShape
{
    int sampleRate = 0;
    int channels = 0;
    friend bool operator==(const EncodedShape &, const EncodedShape &) = default;
};
EncodedShape encodedShape(const AudioStream &source, AudioTarget target);

// About how many bytes the encoded file takes: its duration at the target's
// bit rate, plus what its container adds (measured).
qint64 estimatedSize(const AudioStream &source, const EncodingSettings &settings);

// What a file that a run encoded was made with: whether a later run asks
// for the same.
struct EncodedWith
{
    AudioTarget target = AudioTarget::Mp3;
    int bitrateKbps = 0; // 0 for WAV
    friend bool operator==(const EncodedWith &, const EncodedWith &) = default;
};

// Why a file could not be probed or encoded. The front ends word it.
struct AudioFault
{
    enum class Kind {
        Unreadable,   // it cannot be opened or read (`reason`)
        NotAudio,     // it holds no audio stream
        UnknownCodec, // its codec is one nothing here decodes (`reason` names it)
        Undecodable,  // its data are broken: truncated, damaged (`reason`)
        WriteFailed,  // the encoded file could not be written (`reason`)
        Stopped,      // the caller asked to stop
    };
    Kind kind = Kind::Unreadable;
    QString reason; // the library's own words (av_strerror, ...), where it gave any
};

class AudioEncoder
{
public:
    virtual ~AudioEncoder() = default;

    // What `path` holds, from its first bytes (the container's header and as
    // little of the stream as tells its shape).
    virtual Result<AudioStream, AudioFault> probe(const QString &path) const = 0;

    // Decodes `source` and encodes it into `target`, a file on this computer
    // that it creates or replaces, as `settings` and encodedShape() say: with
    // the source's title, artist, album, album artist, track and disc number,
    // year and genre, and no picture. Streams whatever the source's length,
    // in bounded memory. `keepGoing` is asked at least every 50 ms of work,
    // with the share of the source's duration done (0 to 1); false stops it
    // (AudioFault::Kind::Stopped). On any failure `target` may hold anything:
    // the caller removes it. Several calls may run at once, on other files.
    // Returns the size of `target`.
    virtual Result<qint64, AudioFault> encode(const QString &source, const QString &target,
                                              const EncodingSettings &settings,
                                              const std::function<bool(double done)> &keepGoing) const = 0;

    // What an encoded file that encode() wrote was made with, from its
    // header; nothing where it is no such file or cannot be read.
    virtual std::optional<EncodedWith> encodedWith(const QString &path) const = 0;
};

// The encoder the programs use (velandry_encoder: FFmpeg, LAME and TagLib).
std::unique_ptr<AudioEncoder> makeAudioEncoder();

} // namespace velandry
