// The engine as it was before it streamed, whole texts in memory: the oracle
// that the fuzzer and the differential tests hold the streaming engine against.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velandry::oracle {

// The media references of one playlist, each cut down to the part below
// "My Music\" (or the nearest "..\"). Slots are numbered from 1; slot 0 exists
// and is never filled. There are always at least slots 0 and 1, so a playlist
// without references still yields one (empty) slot to write.
//
// The slots are views into the playlist text, which this object keeps alive:
// a crafted playlist can make the references overlap heavily, and copying
// them would then cost memory quadratic in the size of the text.
class MediaPaths final
{
public:
    MediaPaths() = default;

    qsizetype highestIndex() const { return qMax<qsizetype>(1, spans_.size()); }
    qsizetype referenceCount() const { return spans_.size(); }
    QStringView slot(qsizetype index) const;

    // Slots 1..highestIndex() as strings, for callers that want copies.
    QStringList toStringList() const;

    // Sum of the lengths of slots 1..highestIndex().
    qsizetype totalLength() const { return totalLength_; }

private:
    friend MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);

    struct Span
    {
        qsizetype start;
        qsizetype length;
    };

    QString text_;
    QList<Span> spans_;
    qsizetype totalLength_ = 0;
};

// Finds every occurrence of "." + mediaType (ignoring case, per UTF-16 unit)
// and stores the text from just after the nearest preceding "My Music\" (exact
// case) or, failing that, "..\" through the end of the match. Linear in the
// length of the text.
MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType);

// Lower-casing used for the case-insensitive match: one UTF-16 unit at a time,
// so the length of the text never changes.
inline char16_t lowerUnit(char16_t unit)
{
    if (unit < 0x80)
        return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + 0x20) : unit;
    return QChar::isSurrogate(unit) ? unit : QChar::toLower(unit);
}

} // namespace velandry::oracle
