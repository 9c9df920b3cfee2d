#include "engine/formats/audio_kinds.h"

#include <cstring>

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

// Whether `text` starts with `extension`, letter case ignored.
bool startsWith(QByteArrayView text, const char *extension)
{
    const auto length = qsizetype(std::strlen(extension));
    if (text.size() < length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        if (lower(text[i]) != extension[i])
            return false;
    }
    return true;
}

} // namespace

int audioKindAt(QByteArrayView text)
{
    int found = -1;
    qsizetype longest = 0;
    for (int kind = 0; kind < int(kAudioKinds.size()); ++kind) {
        const char *extension = kAudioKinds[std::size_t(kind)].extension;
        const auto length = qsizetype(std::strlen(extension));
        if (length > longest && startsWith(text, extension) && (text.size() == length || !isAlphanumeric(text[length]))) {
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
    return kind >= 0 && qsizetype(std::strlen(kAudioKinds[std::size_t(kind)].extension)) == extension.size() ? kind : -1;
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
