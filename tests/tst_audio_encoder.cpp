#include "tests/audio/test_audio.h"
#include "encoder/ffmpeg_encoder.h"
#include "tests/test_files.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <thread>

using namespace velandry;
using testaudio::Heard;
using testaudio::ToneFile;

Q_DECLARE_METATYPE(AudioStream::Codec)
Q_DECLARE_METATYPE(AudioTarget)
Q_DECLARE_METATYPE(AudioFault::Kind)

namespace {

const QString kMp4 = QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");

struct SourceFile
{
    QString name;
    ToneFile tone;
};

ToneFile tone(QStringList encoders, const char *muxer, int rate = 44100, int bits = 16, QList<int> hertz = {440, 660},
              double seconds = 3)
{
    return {std::move(encoders), QString::fromLatin1(muxer), rate, bits, std::move(hertz), seconds, {}};
}

// Every source a test names, made on first use.
const QMap<QString, SourceFile> &sources()
{
    static const QMap<QString, SourceFile> all{
        {QStringLiteral("flac"), {QStringLiteral("a.flac"), tone({QStringLiteral("flac")}, "flac")}},
        {QStringLiteral("flac 24/96"), {QStringLiteral("b.flac"), tone({QStringLiteral("flac")}, "flac", 96000, 24)}},
        {QStringLiteral("flac named .mp3"), {QStringLiteral("c.mp3"), tone({QStringLiteral("flac")}, "flac")}},
        {QStringLiteral("flac 12 kHz"), {QStringLiteral("d.flac"), tone({QStringLiteral("flac")}, "flac", 12000)}},
        {QStringLiteral("mono"), {QStringLiteral("e.flac"), tone({QStringLiteral("flac")}, "flac", 44100, 16, {440})}},
        {QStringLiteral("5.1"),
         {QStringLiteral("f.flac"), tone({QStringLiteral("flac")}, "flac", 48000, 16, {440, 660, 1000, 0, 0, 0})}},
        {QStringLiteral("alac"), {QStringLiteral("g.m4a"), tone({QStringLiteral("alac")}, "ipod")}},
        {QStringLiteral("aac"), {QStringLiteral("h.m4a"), tone({QStringLiteral("aac")}, "ipod")}},
        {QStringLiteral("vorbis"),
         {QStringLiteral("i.ogg"), tone({QStringLiteral("libvorbis"), QStringLiteral("vorbis")}, "ogg")}},
        {QStringLiteral("opus"),
         {QStringLiteral("j.opus"), tone({QStringLiteral("libopus"), QStringLiteral("opus")}, "ogg", 48000)}},
        {QStringLiteral("wav 16/44.1"), {QStringLiteral("k.wav"), tone({QStringLiteral("pcm_s16le")}, "wav")}},
        {QStringLiteral("wav 24/96"), {QStringLiteral("l.wav"), tone({QStringLiteral("pcm_s24le")}, "wav", 96000, 24)}},
        {QStringLiteral("wav float"), {QStringLiteral("m.wav"), tone({QStringLiteral("pcm_f32le")}, "wav")}},
        {QStringLiteral("mp3"), {QStringLiteral("n.mp3"), tone({}, "mp3")}},
        {QStringLiteral("wma"), {QStringLiteral("o.wma"), tone({QStringLiteral("wmav2")}, "asf")}},
        {QStringLiteral("long"),
         {QStringLiteral("p.flac"), tone({QStringLiteral("flac")}, "flac", 44100, 16, {440, 660}, 30)}},
    };
    return all;
}

QString targetCodec(AudioTarget target)
{
    switch (target) {
    case AudioTarget::Mp3:
        return QStringLiteral("mp3");
    case AudioTarget::Wma:
        return QStringLiteral("wmav2");
    case AudioTarget::Wav:
        break;
    }
    return QStringLiteral("pcm_s16le");
}

QByteArray id3v1Text(const QString &text, int codePage)
{
    QByteArray bytes;
    CodePage::fromNumber(codePage)->encodeInto(text, bytes);
    return bytes.leftJustified(30, '\0', true);
}

} // namespace

class AudioEncoderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void probesByContent_data();
    void probesByContent();
    void encodesTheSound_data();
    void encodesTheSound();
    void carriesTags_data();
    void carriesTags();
    void brokenSources_data();
    void brokenSources();
    void concealsDamage_data();
    void concealsDamage();
    void stops_data();
    void stops();
    void readsWhatItEncoded_data();
    void readsWhatItEncoded();
    void jobsSideBySide();
    void estimatesTheSize_data();
    void estimatesTheSize();

private:
    // The source `key` of sources(), made here once; empty with the reason
    // in `missing` where the machine has no encoder for it.
    QString source(const QString &key, const QMap<QString, QString> &tags = {});
    QString made(const QString &name, const ToneFile &file);
    QString encoded(const QString &source, AudioTarget target, int kbps = 128, int codePage = 1252);

    QTemporaryDir dir_;
    QMap<QString, QString> made_;
    QString missing_;
    FfmpegEncoder encoder_;
};

QString AudioEncoderTest::made(const QString &name, const ToneFile &file)
{
    const QString path = dir_.filePath(name);
    if (made_.contains(path))
        return path;
    const testaudio::Made result = testaudio::makeToneFile(path, file);
    if (!result.missing.isEmpty()) {
        missing_ = result.missing;
        return {};
    }
    made_.insert(path, result.codec);
    return path;
}

QString AudioEncoderTest::source(const QString &key, const QMap<QString, QString> &tags)
{
    SourceFile file = sources().value(key);
    if (file.name.isEmpty())
        return {};
    file.tone.tags = tags;
    if (!tags.isEmpty())
        file.name.prepend(QString::number(qHash(QStringList(tags.values()).join(u'|')), 16) + u'-');
    return made(file.name, file.tone);
}

QString AudioEncoderTest::encoded(const QString &path, AudioTarget target, int kbps, int codePage)
{
    const QString out = path + u'.' + QString::number(kbps) + u'.' + QString::number(codePage) + u'.'
                        + extensionOf(target);
    EncodingSettings settings{target, kbps, *CodePage::fromNumber(codePage)};
    const auto size = encoder_.encode(path, out, settings, {});
    if (!size) {
        qWarning("encoding failed: %d %s", int(size.error().kind), qPrintable(size.error().reason));
        return {};
    }
    return out;
}

void AudioEncoderTest::initTestCase()
{
    QVERIFY(dir_.isValid());
}

void AudioEncoderTest::probesByContent_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<AudioStream::Codec>("codec");
    QTest::addColumn<QString>("container");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<bool>("floating");
    QTest::addColumn<bool>("plays");

    using C = AudioStream::Codec;
    const QString flac = QStringLiteral("flac");
    QTest::newRow("FLAC 16/44.1") << flac << C::Flac << flac << 44100 << 2 << 0 << false << false;
    QTest::newRow("FLAC 24/96") << QStringLiteral("flac 24/96") << C::Flac << flac << 96000 << 2 << 0 << false << false;
    QTest::newRow("FLAC named .mp3") << QStringLiteral("flac named .mp3") << C::Flac << flac << 44100 << 2 << 0 << false
                                     << false;
    QTest::newRow("mono") << QStringLiteral("mono") << C::Flac << flac << 44100 << 1 << 0 << false << false;
    QTest::newRow("5.1") << QStringLiteral("5.1") << C::Flac << flac << 48000 << 6 << 0 << false << false;
    QTest::newRow("ALAC") << QStringLiteral("alac") << C::Alac << kMp4 << 44100 << 2 << 0 << false << false;
    QTest::newRow("AAC") << QStringLiteral("aac") << C::Aac << kMp4 << 44100 << 2 << 0 << false << false;
    QTest::newRow("Vorbis") << QStringLiteral("vorbis") << C::Vorbis << QStringLiteral("ogg") << 44100 << 2 << 0 << false
                            << false;
    QTest::newRow("Opus") << QStringLiteral("opus") << C::Opus << QStringLiteral("ogg") << 48000 << 2 << 0 << false
                          << false;
    QTest::newRow("WAV 16/44.1") << QStringLiteral("wav 16/44.1") << C::Pcm << QStringLiteral("wav") << 44100 << 2 << 16
                                 << false << true;
    QTest::newRow("WAV 24/96") << QStringLiteral("wav 24/96") << C::Pcm << QStringLiteral("wav") << 96000 << 2 << 24
                               << false << false;
    QTest::newRow("WAV float") << QStringLiteral("wav float") << C::Pcm << QStringLiteral("wav") << 44100 << 2 << 32
                               << true << false;
    QTest::newRow("MP3") << QStringLiteral("mp3") << C::Mp3 << QStringLiteral("mp3") << 44100 << 2 << 0 << false << true;
    QTest::newRow("WMA") << QStringLiteral("wma") << C::WmaStandard << QStringLiteral("asf") << 44100 << 2 << 0 << false
                         << true;
}

void AudioEncoderTest::probesByContent()
{
    QFETCH(QString, key);
    const QString path = source(key);
    if (path.isEmpty())
        QSKIP(qPrintable(missing_));
    const auto probed = encoder_.probe(path);
    QVERIFY2(probed, qPrintable(probed ? QString() : probed.error().reason));
    QTEST(probed->codec, "codec");
    QTEST(probed->container, "container");
    QTEST(probed->sampleRate, "rate");
    QTEST(probed->channels, "channels");
    QTEST(probed->bitsPerSample, "bits");
    QTEST(probed->floating, "floating");
    QTEST(devicePlays(*probed), "plays");
    QVERIFY2(qAbs(probed->durationMs - 3000) <= 50, qPrintable(QString::number(probed->durationMs)));
    QVERIFY(probed->bitRate > 0);
}

void AudioEncoderTest::encodesTheSound_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<AudioTarget>("target");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QList<QList<int>>>("tones"); // per channel of what comes out

    const QList<QList<int>> stereo{{440}, {660}};
    const auto row = [&](const char *key, AudioTarget target, int rate, const QList<QList<int>> &tones = {{440}, {660}}) {
        QTest::addRow("%s to %s", key, qPrintable(extensionOf(target)))
            << QString::fromLatin1(key) << target << rate << tones;
    };
    for (const AudioTarget target : {AudioTarget::Mp3, AudioTarget::Wma, AudioTarget::Wav}) {
        row("flac", target, 44100);
        row("flac 24/96", target, 44100);
        // Centre in both, each front in its own, and no LFE.
        row("5.1", target, 48000, {{440, 1000}, {660, 1000}});
        row("mono", target, 44100, {{440}});
    }
    row("flac 12 kHz", AudioTarget::Mp3, 12000);
    row("flac 12 kHz", AudioTarget::Wma, 11025);
    row("alac", AudioTarget::Mp3, 44100);
    row("aac", AudioTarget::Wma, 44100);
    row("vorbis", AudioTarget::Mp3, 44100);
    row("opus", AudioTarget::Wma, 48000);
    row("wav 24/96", AudioTarget::Wav, 44100);
    row("wav float", AudioTarget::Mp3, 44100);
}

void AudioEncoderTest::encodesTheSound()
{
    QFETCH(QString, key);
    QFETCH(AudioTarget, target);
    QFETCH(QList<QList<int>>, tones);
    const QString path = source(key);
    if (path.isEmpty())
        QSKIP(qPrintable(missing_));
    const AudioStream stream = encoder_.probe(path).value();
    const QString out = encoded(path, target);
    QVERIFY(!out.isEmpty());

    const Heard in = testaudio::hear(path);
    const Heard heard = testaudio::hear(out);
    QVERIFY2(heard.error.isEmpty(), qPrintable(heard.error));
    QCOMPARE(heard.decodeErrors, 0);
    QCOMPARE(heard.codec, targetCodec(target));
    QTEST(heard.sampleRate, "rate");
    QCOMPARE((EncodedShape{heard.sampleRate, int(heard.channels.size())}), encodedShape(stream, target));
    QVERIFY2(qAbs(heard.seconds() - in.seconds()) < 0.1, qPrintable(QString::number(heard.seconds() - in.seconds())));
    // As pure as the source is: FFmpeg's own Vorbis encoder adds noise.
    double purity = 1;
    const QList<int> &made = sources().value(key).tone.hertz;
    for (int channel = 0; channel < made.size(); ++channel) {
        if (made.at(channel) != 0)
            purity = qMin(purity, testaudio::toneShare(in, channel, made.at(channel)));
    }
    QVERIFY2(purity > 0.4, qPrintable(QString::number(purity)));
    for (int channel = 0; channel < heard.channels.size(); ++channel) {
        double held = 0;
        for (const int hertz : tones.at(channel)) {
            const double share = testaudio::toneShare(heard, channel, hertz);
            QVERIFY2(share > 0.2, qPrintable(QStringLiteral("channel %1: %2 Hz %3").arg(channel).arg(hertz).arg(share)));
            held += share;
        }
        QVERIFY2(held > 0.95 * purity,
                 qPrintable(QStringLiteral("channel %1 holds %2 of its tones, the source %3").arg(channel).arg(held).arg(purity)));
        QVERIFY(testaudio::loudness(heard, channel) > 0.05);
    }
    if (target == AudioTarget::Mp3) {
        // LAME's Info frame, with its LAME part (delay and padding), first.
        const QByteArray head = readFile(out).first(4096);
        QVERIFY(head.contains("Info"));
        QVERIFY(head.indexOf("LAME") > head.indexOf("Info"));
    }
}

void AudioEncoderTest::carriesTags_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<AudioTarget>("target");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("artist");
    QTest::addColumn<int>("codePage"); // of the ID3v1 tag
    QTest::addColumn<QByteArray>("id3v1Title");

    const auto row = [](const char *name, const char *key, AudioTarget target, const char *title, const char *artist,
                        int codePage, const QByteArray &id3v1 = {}) {
        const QString text = QString::fromUtf8(title);
        QTest::newRow(name) << QString::fromLatin1(key) << target << text << QString::fromUtf8(artist) << codePage
                            << (id3v1.isNull() ? id3v1Text(text, codePage) : id3v1.leftJustified(30, '\0'));
    };
    const char *japanese = "\xE6\x98\x9F\xE3\x81\xAE\xE5\xA3\xB0"; // 星の声
    row("Japanese, ID3v1 in 932", "flac", AudioTarget::Mp3, japanese, "\xE5\xB1\xB1\xE7\x94\xB0", 932,
        QByteArray("\x90\xAF\x82\xCC\x90\xBA"));
    row("Russian, ID3v1 in 1251", "flac", AudioTarget::Mp3, "\xD0\x97\xD0\xB2\xD0\xB5\xD0\xB7\xD0\xB4\xD0\xB0",
        "\xD0\x9A\xD0\xB8\xD0\xBD\xD0\xBE", 1251, QByteArray("\xC7\xE2\xE5\xE7\xE4\xE0"));
    row("Greek, ID3v1 in 1253", "vorbis", AudioTarget::Mp3, "\xCE\x91\xCF\x83\xCF\x84\xCE\xAD\xCF\x81\xCE\xB9",
        "\xCE\x9C\xCE\xB1\xCF\x81\xCE\xAF\xCE\xB1", 1253);
    row("Arabic, ID3v1 in 1256", "aac", AudioTarget::Mp3, "\xD9\x86\xD8\xAC\xD9\x85\xD8\xA9",
        "\xD9\x81\xD9\x8A\xD8\xB1\xD9\x88\xD8\xB2", 1256);
    row("accents, ID3v1 in 1252", "opus", AudioTarget::Mp3, "Caf\xC3\xA9 \xC3\x80 L'\xC3\x89t\xC3\xA9",
        "Bj\xC3\xB6rk", 1252);
    row("Japanese in 1252 is lost", "flac", AudioTarget::Mp3, japanese, "x", 1252, QByteArray("???"));
    row("a title cut at a whole character", "flac", AudioTarget::Mp3,
        "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82"
        "\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82\xE3\x81\x82" "a" "\xE3\x81\x82",
        "x", 932, QByteArray("\x82\xA0").repeated(14) + "a");
    row("Japanese in WMA", "flac", AudioTarget::Wma, japanese, "\xE5\xB1\xB1\xE7\x94\xB0", 932);
    row("Russian in WMA", "alac", AudioTarget::Wma, "\xD0\x97\xD0\xB2\xD0\xB5\xD0\xB7\xD0\xB4\xD0\xB0", "x", 1251);
    row("Arabic in WMA", "vorbis", AudioTarget::Wma, "\xD9\x86\xD8\xAC\xD9\x85\xD8\xA9", "x", 1256);
}

void AudioEncoderTest::carriesTags()
{
    QFETCH(QString, key);
    QFETCH(AudioTarget, target);
    QFETCH(QString, title);
    QFETCH(QString, artist);
    QFETCH(int, codePage);
    const QMap<QString, QString> tags{{QStringLiteral("title"), title},
                                      {QStringLiteral("artist"), artist},
                                      {QStringLiteral("album"), title + QStringLiteral(" II")},
                                      {QStringLiteral("album_artist"), artist + QStringLiteral(" & Co")},
                                      {QStringLiteral("track"), QStringLiteral("3/12")},
                                      {QStringLiteral("disc"), QStringLiteral("2")},
                                      {QStringLiteral("date"), QStringLiteral("2003-05-01")},
                                      {QStringLiteral("genre"), QStringLiteral("Jazz")}};
    const QString path = source(key, tags);
    if (path.isEmpty())
        QSKIP(qPrintable(missing_));
    const QString out = encoded(path, target, 128, codePage);
    QVERIFY(!out.isEmpty());

    // Read back by FFmpeg: TagLib wrote them.
    const Heard heard = testaudio::hear(out);
    QCOMPARE(heard.tags.value(QStringLiteral("title")), title);
    QCOMPARE(heard.tags.value(QStringLiteral("artist")), artist);
    QCOMPARE(heard.tags.value(QStringLiteral("album")), tags[QStringLiteral("album")]);
    QCOMPARE(heard.tags.value(QStringLiteral("album_artist")), tags[QStringLiteral("album_artist")]);
    QCOMPARE(heard.tags.value(QStringLiteral("genre")), QStringLiteral("Jazz"));
    QCOMPARE(heard.tags.value(QStringLiteral("disc")), QStringLiteral("2"));
    if (target == AudioTarget::Mp3) {
        QCOMPARE(heard.tags.value(QStringLiteral("track")), QStringLiteral("3/12"));
        QCOMPARE(heard.tags.value(QStringLiteral("date")), QStringLiteral("2003"));
        // ID3v2.3, its title in Latin-1 where that holds it, else in UTF-16.
        const QByteArray file = readFile(out);
        QVERIFY(file.startsWith("ID3\x03"));
        const qsizetype frame = file.indexOf("TIT2");
        QVERIFY(frame > 0 && frame < 1024);
        const bool latin1 = std::all_of(title.cbegin(), title.cend(), [](QChar c) { return c.unicode() < 0x100; });
        QCOMPARE(int(file.at(frame + 10)), latin1 ? 0 : 1);
        const QByteArray id3v1 = file.right(128);
        QVERIFY(id3v1.startsWith("TAG"));
        QTEST(id3v1.mid(3, 30), "id3v1Title");
        QCOMPARE(uchar(id3v1.at(126)), uchar(3)); // the track
        QCOMPARE(id3v1.mid(93, 4), QByteArray("2003"));
    } else {
        QCOMPARE(heard.tags.value(QStringLiteral("track")), QStringLiteral("3"));
        // Where the device looks for the year, and not FFmpeg's name for it.
        QCOMPARE(heard.tags.value(QStringLiteral("WM/Year")), QStringLiteral("2003"));
        QVERIFY(!heard.tags.contains(QStringLiteral("date")));
    }
}

void AudioEncoderTest::brokenSources_data()
{
    QTest::addColumn<QByteArray>("bytes"); // empty: see `key`
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("keep");  // of the source's bytes, per thousand
    QTest::addColumn<bool>("probes");
    QTest::addColumn<AudioFault::Kind>("kind");

    using K = AudioFault::Kind;
    QTest::newRow("truncated FLAC") << QByteArray() << QStringLiteral("flac") << 400 << true << K::Undecodable;
    QTest::newRow("truncated FLAC header") << QByteArray() << QStringLiteral("flac") << 5 << false << K::Undecodable;
    QTest::newRow("text named .flac") << QByteArray("Not music at all.\n").repeated(40) << QString() << 0 << false
                                      << K::NotAudio;
    QTest::newRow("empty file") << QByteArray("") << QString() << 0 << false << K::NotAudio;
    // A WAV of a format tag nothing knows.
    QByteArray unknown = QByteArray::fromHex("524946462C10000057415645666D74201000000055550200"
                                             "44AC000010B102000400100064617461");
    unknown += QByteArray::fromHex("00100000") + QByteArray(4096, '\x11');
    QTest::newRow("unknown codec") << unknown << QString() << 0 << false << K::UnknownCodec;
    QTest::newRow("no such file") << QByteArray() << QString() << 0 << false << K::Unreadable;
}

void AudioEncoderTest::brokenSources()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(int, keep);
    QFETCH(bool, probes);
    QFETCH(AudioFault::Kind, kind);
    const QString path = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".flac"));
    if (!key.isEmpty()) {
        const QByteArray whole = readFile(source(key));
        QVERIFY(!whole.isEmpty());
        writeFile(path, whole.first(whole.size() * keep / 1000));
    } else if (!bytes.isNull()) {
        writeFile(path, bytes);
    }
    QCOMPARE(bool(encoder_.probe(path)), probes);
    const auto size = encoder_.encode(path, path + QStringLiteral(".mp3"), {}, {});
    QVERIFY(!size);
    QCOMPARE(size.error().kind, kind);
    QVERIFY(!size.error().reason.isEmpty());
}

void AudioEncoderTest::concealsDamage_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("MP3") << QStringLiteral("mp3");
    QTest::newRow("FLAC") << QStringLiteral("long");
}

void AudioEncoderTest::concealsDamage()
{
    QFETCH(QString, key);
    QByteArray bytes = readFile(source(key));
    QVERIFY(!bytes.isEmpty());
    // A kilobyte of garbage a third in (off the second that is listened
    // to): a frame or two lost, the rest heard.
    for (qsizetype i = 0; i < 1000; ++i)
        bytes[bytes.size() / 3 + i] = char(i * 37);
    const QString path = dir_.filePath(QStringLiteral("damaged-") + key);
    writeFile(path, bytes);
    const QString out = encoded(path, AudioTarget::Wma);
    QVERIFY(!out.isEmpty());
    const Heard heard = testaudio::hear(out);
    QVERIFY2(qAbs(heard.seconds() - sources().value(key).tone.seconds) < 0.2, qPrintable(QString::number(heard.seconds())));
    QVERIFY(testaudio::toneShare(heard, 0, 440) > 0.9);
}

void AudioEncoderTest::stops_data()
{
    QTest::addColumn<AudioTarget>("target");
    QTest::newRow("mp3") << AudioTarget::Mp3;
    QTest::newRow("wma") << AudioTarget::Wma;
    QTest::newRow("wav") << AudioTarget::Wav;
}

void AudioEncoderTest::stops()
{
    QFETCH(AudioTarget, target);
    const QString path = source(QStringLiteral("long"));
    QVERIFY(!path.isEmpty());
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    double done = 0;
    const auto size = encoder_.encode(path, path + u'.' + extensionOf(target), {target},
                                      [&](double share) {
                                          longest = qMax(longest, clock.elapsed() - last);
                                          last = clock.elapsed();
                                          done = share;
                                          return share < 0.2;
                                      });
    const qint64 stopping = clock.elapsed() - last;
    QVERIFY(!size);
    QCOMPARE(size.error().kind, AudioFault::Kind::Stopped);
    QVERIFY2(done >= 0.2 && done < 1, qPrintable(QString::number(done)));
    QVERIFY2(longest <= 50, qPrintable(QStringLiteral("%1 ms between asks").arg(longest)));
    QVERIFY2(stopping < 100, qPrintable(QStringLiteral("stopped %1 ms after the no").arg(stopping)));
}

void AudioEncoderTest::readsWhatItEncoded_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<AudioTarget>("target");
    QTest::addColumn<int>("kbps");

    QTest::newRow("MP3 128") << QStringLiteral("flac") << AudioTarget::Mp3 << 128;
    QTest::newRow("MP3 192") << QStringLiteral("flac") << AudioTarget::Mp3 << 192;
    QTest::newRow("MP3 64 at 12 kHz") << QStringLiteral("flac 12 kHz") << AudioTarget::Mp3 << 64;
    QTest::newRow("MP3 mono 96") << QStringLiteral("mono") << AudioTarget::Mp3 << 96;
    QTest::newRow("WMA 128") << QStringLiteral("flac") << AudioTarget::Wma << 128;
    QTest::newRow("WMA 64") << QStringLiteral("flac") << AudioTarget::Wma << 64;
    QTest::newRow("WAV") << QStringLiteral("flac 24/96") << AudioTarget::Wav << 0;
}

void AudioEncoderTest::readsWhatItEncoded()
{
    QFETCH(QString, key);
    QFETCH(AudioTarget, target);
    QFETCH(int, kbps);
    const QString out = encoded(source(key), target, qMax(kbps, 64));
    QVERIFY(!out.isEmpty());
    QCOMPARE(encoder_.encodedWith(out), (EncodedWith{target, kbps}));
    // What it did not write is nothing it made.
    QCOMPARE(encoder_.encodedWith(source(key)), std::nullopt);
}

void AudioEncoderTest::jobsSideBySide()
{
    // Each with its own ID3v1 code page, which TagLib holds for the process.
    const QList<std::pair<const char *, int>> jobs{{"\xE6\x98\x9F", 932}, {"\xD0\x97\xD0\xB2", 1251},
                                                   {"\xCE\x91\xCF\x83", 1253}, {"\xD9\x86\xD8\xAC", 1256}};
    QList<QString> paths;
    for (const auto &[title, codePage] : jobs)
        paths.append(source(QStringLiteral("flac"), {{QStringLiteral("title"), QString::fromUtf8(title)}}));
    QList<bool> ok(jobs.size() * 2);
    std::vector<std::thread> threads;
    for (qsizetype i = 0; i < ok.size(); ++i) {
        threads.emplace_back([&, i] {
            const int codePage = jobs.at(i / 2).second;
            const AudioTarget target = i % 2 ? AudioTarget::Wma : AudioTarget::Mp3;
            ok[i] = bool(encoder_.encode(paths.at(i / 2), paths.at(i / 2) + u'.' + QString::number(i), {target, 128,
                                         *CodePage::fromNumber(codePage)}, {}));
        });
    }
    for (auto &thread : threads)
        thread.join();
    QCOMPARE(ok, QList<bool>(ok.size(), true));
    for (qsizetype i = 0; i < ok.size(); i += 2) {
        const auto &[title, codePage] = jobs.at(i / 2);
        const QByteArray id3v1 = readFile(paths.at(i / 2) + u'.' + QString::number(i)).right(128);
        QCOMPARE(id3v1.mid(3, 30), id3v1Text(QString::fromUtf8(title), codePage));
        QCOMPARE(testaudio::hear(paths.at(i / 2) + u'.' + QString::number(i + 1)).tags.value(QStringLiteral("title")),
                 QString::fromUtf8(title));
    }
}

void AudioEncoderTest::estimatesTheSize_data()
{
    QTest::addColumn<AudioTarget>("target");
    QTest::addColumn<int>("kbps");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");

    const auto row = [](AudioTarget target, int kbps, int seconds, int rate = 44100, int channels = 2) {
        QTest::addRow("%s %d, %d s, %d Hz, %d channels", qPrintable(extensionOf(target)), kbps, seconds, rate, channels)
            << target << kbps << seconds << rate << channels;
    };
    for (const AudioTarget target : {AudioTarget::Mp3, AudioTarget::Wma}) {
        row(target, 128, 10);
        row(target, 128, 180);
        // Quiet mono at 22.05 kHz is quick to make and to encode; the bit
        // rate alone sets the size.
        row(target, 128, 1200, 22050, 1);
    }
    row(AudioTarget::Mp3, 320, 180, 48000);
    row(AudioTarget::Mp3, 64, 180, 22050, 1);
    row(AudioTarget::Wma, 64, 180);
    row(AudioTarget::Wma, 192, 180);
    row(AudioTarget::Wma, 48, 180, 32000, 1);
    row(AudioTarget::Wav, 0, 180, 22050, 1);
}

void AudioEncoderTest::estimatesTheSize()
{
    QFETCH(AudioTarget, target);
    QFETCH(int, kbps);
    QFETCH(int, seconds);
    QFETCH(int, rate);
    QFETCH(int, channels);
    const QString path = made(QStringLiteral("size-%1-%2-%3.flac").arg(seconds).arg(rate).arg(channels),
                              tone({QStringLiteral("flac")}, "flac", rate, 16, QList<int>{440, 660}.first(channels),
                                   seconds));
    QVERIFY(!path.isEmpty());
    const AudioStream stream = encoder_.probe(path).value();
    const EncodingSettings settings{target, kbps > 0 ? kbps : 128, CodePage::systemDefault()};
    const auto size = encoder_.encode(path, path + u'.' + extensionOf(target), settings, {});
    QVERIFY(size);
    const double error = double(estimatedSize(stream, settings) - *size) / double(*size);
    qInfo("%lld bytes, estimated %+.2f%%", *size, error * 100);
    QVERIFY(qAbs(error) < 0.02);
}

QTEST_GUILESS_MAIN(AudioEncoderTest)
#include "tst_audio_encoder.moc"
