#include "engine/formats/audio_kinds.h"

#include <bit>
#include <string>

namespace velandry {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool isAlphanumeric(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Each kind's extension's length, for the scan that asks at every full stop.
constexpr auto kLengths = [] {
    std::array<qsizetype, kAudioKinds.size()> lengths{};
    for (std::size_t kind = 0; kind < kAudioKinds.size(); ++kind)
        lengths[kind] = qsizetype(std::char_traits<char>::length(kAudioKinds[kind].extension));
    return lengths;
}();

// The kinds whose extension starts with each byte, either letter case: most
// full stops in a playlist are followed by none.
constexpr auto kStartingWith = [] {
    std::array<AudioKinds, 256> starting{};
    for (std::size_t kind = 0; kind < kAudioKinds.size(); ++kind) {
        const auto first = static_cast<unsigned char>(kAudioKinds[kind].extension[0]);
        starting[first] |= AudioKinds(1) << kind;
        starting[first - ('a' - 'A')] |= AudioKinds(1) << kind;
    }
    return starting;
}();

} // namespace

int audioKindAt(QByteArrayView text)
{
    if (text.isEmpty())
        return -1;
    AudioKinds candidates = kStartingWith[static_cast<unsigned char>(text.front())];
    int found = -1;
    qsizetype longest = 0;
    while (candidates) {
        const int kind = std::countr_zero(candidates);
        candidates &= candidates - 1;
        const char *extension = kAudioKinds[std::size_t(kind)].extension;
        const qsizetype length = kLengths[std::size_t(kind)];
        if (length <= longest || text.size() < length)
            continue;
        qsizetype i = 1;
        while (i < length && lower(text[i]) == extension[i])
            ++i;
        if (i == length && (text.size() == length || !isAlphanumeric(text[length]))) {
            found = kind;
            longest = length;
        }
    }
    return found;
}

int audioKindOf(QByteArrayView name)
{
    const qsizetype dot = name.lastIndexOf('.');
    if (dot < 0)
        return -1;
    const QByteArrayView extension = name.sliced(dot + 1);
    const int kind = audioKindAt(extension);
    return kind >= 0 && kLengths[std::size_t(kind)] == extension.size() ? kind : -1;
}

QStringList audioKindNames(AudioKinds kinds)
{
    QStringList names;
    for (std::size_t kind = 0; kind < kAudioKinds.size(); ++kind) {
        if (kinds & (AudioKinds(1) << kind))
            names.append(QString::fromLatin1(kAudioKinds[kind].extension).toUpper());
    }
    return names;
}

} // namespace velandry
