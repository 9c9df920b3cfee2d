#pragma once

// The kinds of music file that entries name, by their extension: the ones
// the device plays, and the ones a run encodes for it.

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace velandry {

struct AudioKind
{
    const char *extension; // lower case, without the full stop
    bool deviceKind;       // a kind the device plays (when its stream is one it plays)
};

inline constexpr std::array kAudioKinds{
    AudioKind{"mp3", true},   AudioKind{"wma", true},  AudioKind{"wav", true},  AudioKind{"flac", false},
    AudioKind{"m4a", false},  AudioKind{"mp4", false}, AudioKind{"aac", false}, AudioKind{"ogg", false},
    AudioKind{"oga", false},  AudioKind{"opus", false}, AudioKind{"wv", false}, AudioKind{"ape", false},
    AudioKind{"aif", false},  AudioKind{"aiff", false}, AudioKind{"mpc", false},
};

// A set of kinds, one bit each, in the order of kAudioKinds.
using AudioKinds = std::uint32_t;

// The kind whose extension `name` ends in (after its last full stop, letter
// case ignored); -1 for none.
int audioKindOf(QByteArrayView name);

// The kind whose extension starts `text` (just after a full stop) and is not
// followed by a letter or digit, the longest where two would; -1 for none.
int audioKindAt(QByteArrayView text);

// "FLAC", "M4A": the kinds of a set, as people name them.
QStringList audioKindNames(AudioKinds kinds);

} // namespace velandry
