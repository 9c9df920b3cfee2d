#pragma once

// Music made at test time with FFmpeg's own encoders (and LAME's for MP3),
// and music read back with FFmpeg's decoders: tones, a known frequency per
// channel, so that what comes out can be told from silence and noise.

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace testaudio {

struct Made
{
    QString codec;   // FFmpeg's name of what made it: "flac", "libvorbis", "lame", "wmav2"
    QString missing; // why nothing was made: the machine has no such encoder
};

struct ToneFile
{
    QStringList encoders;  // the first the machine has: {"libopus", "opus"}
    QString muxer;         // FFmpeg's: "flac", "ipod", "ogg", "wav", "asf"; "mp3" is LAME's
    int sampleRate = 44100;
    int bits = 16;         // 16 or 24 where the codec keeps integers
    QList<int> hertz{440, 660}; // per channel; 0 is silence
    double seconds = 3;
    QMap<QString, QString> tags; // FFmpeg's keys: title, artist, album_artist, track, date, ...
};

Made makeToneFile(const QString &path, const ToneFile &file);

struct Heard
{
    QString error;     // FFmpeg's words where it failed to open or decode
    int decodeErrors = 0;
    QString codec;     // FFmpeg's short names
    QString container;
    int sampleRate = 0;
    qint64 samples = 0;
    QList<QList<float>> channels;
    QMap<QString, QString> tags; // the file's and its stream's, FFmpeg's keys
    double seconds() const { return sampleRate > 0 ? double(samples) / sampleRate : 0; }
};

Heard hear(const QString &path);

// The share of a second of channel `channel`'s power, from its middle, that
// is `hertz`: 1 for a pure tone, near 0 for silence, noise or another tone.
double toneShare(const Heard &heard, int channel, int hertz);
// The root mean square of that second.
double loudness(const Heard &heard, int channel);

} // namespace testaudio
