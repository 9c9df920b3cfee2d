#pragma once

// What the handheld and its card allow, in one place: the writer's quick look
// at each reference, the card check and the music written onto the card all
// ask here, so that they cannot disagree.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

namespace velandry {

// The longest path the device opens, in characters.
inline constexpr qsizetype kDevicePathLimit = 259;

// The largest file a FAT file system holds: 4 GiB less one byte.
inline constexpr qint64 kFatLargestFile = (qint64(1) << 32) - 1;

// A character that no FAT long name holds: control characters and
// " * : < > ? |. ("/" and "\" separate the names.)
constexpr bool fatNameForbids(char16_t c)
{
    return c < 0x20 || c == u'"' || c == u'*' || c == u':' || c == u'<' || c == u'>' || c == u'?' || c == u'|';
}

// Whether a FAT long name can be `name`: none of the characters above, and
// not ending in a space or a full stop (Windows drops those, so the device
// never finds the name).
bool fatCannotHold(QStringView name);

// Whether a file system, as the system names it (QStorageInfo's
// fileSystemType(): the kernel's drivers, FUSE's over a FAT image, Windows'
// names), is FAT, which holds no file of 4 GiB.
bool isFatFileSystem(const QByteArray &type);

// A name as the card and the device compare it: letter case ignored, as FAT
// does. The one way names are folded, on the card and on this computer.
inline QString foldedName(QStringView name)
{
    return name.toString().toCaseFolded();
}

// The ASCII bytes of a path as a FAT name takes them, for the writer's
// byte classes.
enum class AsciiInName : std::uint8_t {
    Held,         // stands in a name as it is
    SpaceOrDot,   // stands in a name, but none ends in it
    Forbidden,    // no FAT name holds it
    Separator,    // "/" or "\"
};
constexpr std::array<AsciiInName, 128> kAsciiInName = [] {
    std::array<AsciiInName, 128> bytes{};
    for (int c = 0; c < 128; ++c) {
        AsciiInName kind = AsciiInName::Held;
        if (c == '/' || c == '\\')
            kind = AsciiInName::Separator;
        else if (fatNameForbids(char16_t(c)))
            kind = AsciiInName::Forbidden;
        else if (c == ' ' || c == '.')
            kind = AsciiInName::SpaceOrDot;
        bytes[c] = kind;
    }
    return bytes;
}();

} // namespace velandry
