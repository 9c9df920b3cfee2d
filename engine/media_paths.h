#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velandry {

// A place in a playlist's UTF-8 text (see utf8_text.h): a byte offset and,
// where the byte starts a character of two UTF-16 units (a surrogate pair),
// whether the place lies between the two. Positions count UTF-16 units, so a
// cut can fall there.
struct TextPosition
{
    qsizetype byte = 0;
    bool afterHighHalf = false;

    friend bool operator<(TextPosition a, TextPosition b)
    {
        return a.byte < b.byte || (a.byte == b.byte && !a.afterHighHalf && b.afterHighHalf);
    }
};

// One reference's path: the text from just after the nearest preceding
// "My Music\" (exact case) or, failing that, "..\" through the end of the
// match of "." + the media type. Empty where `end` does not lie after `begin`.
struct Reference
{
    TextPosition begin;
    TextPosition end;

    bool isEmpty() const { return !(begin < end); }
};

// Finds the references of one media type in a playlist's text, first to last,
// a bounded stretch of text per call: memory does not grow with the text, and
// the caller can stop between any two calls. Linear in the length of the text.
//
// The match ignores case, one UTF-16 unit at a time (lowerUnit()); the markers
// must match exactly. A reference needs a marker that lies wholly before it;
// without one the path starts at the text's third UTF-16 unit.
class ReferenceScanner final
{
public:
    // `utf8` must outlive the scanner.
    ReferenceScanner(QByteArrayView utf8, QStringView mediaType);

    enum class Step { Found, Paused, Ended };

    // Looks for the next reference within about `budget` more bytes of text:
    // Found (in `reference`), Paused (none in this stretch; call again) or
    // Ended (no more in the text).
    Step next(Reference &reference, qsizetype budget = qsizetype(1) << 20);

    // How far the scan has come, in bytes of the text.
    qsizetype bytesScanned() const { return dot_; }
    qsizetype referencesFound() const { return found_; }

private:
    bool keyMatchesAt(qsizetype at, TextPosition &end) const;
    void takeMarkersBefore(qsizetype limit);

    QByteArrayView text_;
    QString lowerKey_;
    TextPosition thirdUnit_;  // where a path without a marker starts
    qsizetype dot_ = 0;       // where the search for the next "." goes on
    qsizetype backslash_ = 0; // where the search for the next "\" goes on
    qsizetype myMusicEnd_ = -1;
    qsizetype parentEnd_ = -1;
    qsizetype found_ = 0;
};

// The references of one playlist as strings, numbered from 1 as the player's
// own list is: slot 0 exists and is never filled, and there are always at least
// slots 0 and 1, so a playlist without references still yields one (empty)
// slot to write. Holds copies of the paths: for short texts (tests, tools);
// the conversion itself streams (writeAsxDocument()).
class MediaPaths final
{
public:
    qsizetype highestIndex() const { return qMax<qsizetype>(1, slots_.size()); }
    qsizetype referenceCount() const { return slots_.size(); }
    QString slot(qsizetype index) const { return index >= 1 && index <= slots_.size() ? slots_[index - 1] : QString(); }
    // Slots 1..highestIndex().
    QStringList toStringList() const;

private:
    friend MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);
    QStringList slots_;
};

MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);

// Lower-casing used for the case-insensitive match: one UTF-16 unit at a time,
// so the length of the text never changes.
inline char16_t lowerUnit(char16_t unit)
{
    if (unit < 0x80)
        return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 0x20) : unit;
    return QChar::isSurrogate(unit) ? unit : QChar::toLower(unit);
}

} // namespace velandry
