#include "engine/music/transcoded_entries.h"

#include "engine/formats/xml_text.h"

#include <cstring>

namespace velandry {

namespace {

// A reference past any path a file system holds is not looked for.
constexpr qsizetype kLongestLookedFor = qsizetype(32) << 10;

} // namespace

bool playsAsKind(const AudioStream &stream, int kind)
{
    if (kind < 0 || !devicePlays(stream))
        return false;
    const QByteArrayView extension(kAudioKinds[std::size_t(kind)].extension);
    return (extension == "mp3" && stream.codec == AudioStream::Codec::Mp3)
           || (extension == "wma" && stream.codec == AudioStream::Codec::WmaStandard)
           || (extension == "wav" && stream.codec == AudioStream::Codec::Pcm);
}

TranscodedEntries::TranscodedEntries(EntrySource &entries, AudioTarget target, const AudioEncoder &encoder,
                                     LocalMusic &local)
    : entries_(entries), targetExtension_('.' + extensionOf(target).toLatin1()), encoder_(encoder),
      local_(local)
{
}

std::optional<AudioStream> TranscodedEntries::probed(const QString &file)
{
    if (const auto known = probed_.constFind(file); known != probed_.cend())
        return *known;
    const Result<AudioStream, AudioFault> stream = encoder_.probe(file);
    return *probed_.insert(file, stream ? std::optional(*stream) : std::nullopt);
}

EntrySource::Step TranscodedEntries::next(QByteArrayView &text, Reference &path, qsizetype budget)
{
    const Step step = entries_.next(text, path, budget);
    if (step != Step::Found)
        return step;
    source_.clear();
    stream_.reset();
    if (path.isEmpty() || path.end.afterHighHalf)
        return step;
    const QByteArrayView entry = text.sliced(path.begin.byte, path.end.byte - path.begin.byte);
    const int kind = audioKindOf(entry);
    if (kind < 0)
        return step;
    const bool deviceKind = kAudioKinds[std::size_t(kind)].deviceKind;
    if (entry.size() <= kLongestLookedFor) {
        // Where this computer has it: as the playlist names it, or below the
        // music root as its place below the music folder says.
        below_.resize(0);
        if (entries_.entryText() == EntryText::AsMarkup)
            appendXmlText(below_, entry, XmlText::AttributeValue);
        else
            below_.append(entry.data(), entry.size());
        below_.replace('/', '\\');
        CardEntry wanted;
        wanted.belowMediaFolder = QString::fromUtf8(below_);
        wanted.localPath = QString::fromUtf8(entries_.localPath());
        source_ = local_.find(wanted).value_or(QString());
    }
    const QByteArrayView extension(kAudioKinds[std::size_t(kind)].extension);
    bool asItIs = false;
    if (deviceKind && !source_.isEmpty() && extension != targetExtension_.sliced(1)) {
        // Its name depends on what it holds: a WAV of 16 bits keeps it.
        stream_ = probed(source_);
        asItIs = stream_ && playsAsKind(*stream_, kind);
    } else {
        // A kind the device never plays is encoded; one of the target's own
        // kind keeps its name either way.
        asItIs = deviceKind && (source_.isEmpty() || extension == targetExtension_.sliced(1));
    }
    if (asItIs || extension == targetExtension_.sliced(1))
        return step;
    // The name under the target's extension.
    const qsizetype stem = path.end.byte - qsizetype(std::strlen(kAudioKinds[std::size_t(kind)].extension)) - 1;
    renamed_.resize(0);
    renamed_.append(text.data() + path.begin.byte, stem - path.begin.byte);
    renamed_.append(targetExtension_);
    path = Reference{{0, path.begin.afterHighHalf}, {renamed_.size(), false}};
    text = renamed_;
    return step;
}

} // namespace velandry
