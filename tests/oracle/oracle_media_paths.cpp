#include "tests/oracle/oracle_media_paths.h"

namespace velandry::oracle {

namespace {

constexpr QStringView kMyMusic = u"My Music\\";
constexpr QStringView kParent = u"..\\";

// Walks the occurrences of one marker from left to right and answers "where does
// the last occurrence that ends at or before `limit` start?" for limits that
// never decrease. Each occurrence is looked at once over the whole scan.
class MarkerCursor final
{
public:
    MarkerCursor(QStringView text, QStringView marker)
        : text_(text), marker_(marker), next_(text.indexOf(marker))
    {
    }

    // `limit` is an exclusive end; returns -1 when no such occurrence exists.
    qsizetype lastEndingBy(qsizetype limit)
    {
        while (next_ >= 0 && next_ + marker_.size() <= limit) {
            last_ = next_;
            next_ = text_.indexOf(marker_, next_ + 1);
        }
        return last_;
    }

private:
    QStringView text_;
    QStringView marker_;
    qsizetype next_;
    qsizetype last_ = -1;
};

bool keyMatchesAt(QStringView text, qsizetype at, QStringView lowerKey)
{
    if (at + lowerKey.size() > text.size())
        return false;
    for (qsizetype i = 1; i < lowerKey.size(); ++i) {
        if (lowerUnit(text[at + i].unicode()) != lowerKey[i].unicode())
            return false;
    }
    return true;
}

} // namespace

QStringView MediaPaths::slot(qsizetype index) const
{
    if (index < 1 || index > spans_.size())
        return {};
    const Span &span = spans_[index - 1];
    return QStringView(text_).sliced(span.start, span.length);
}

QStringList MediaPaths::toStringList() const
{
    QStringList list;
    list.reserve(highestIndex());
    for (qsizetype i = 1; i <= highestIndex(); ++i)
        list.append(slot(i).toString());
    return list;
}

MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType)
{
    MediaPaths paths;
    paths.text_ = playlistText;
    const QStringView text(paths.text_);

    QString lowerKey(mediaType.size() + 1, Qt::Uninitialized);
    lowerKey[0] = u'.';
    for (qsizetype i = 0; i < mediaType.size(); ++i)
        lowerKey[i + 1] = QChar(lowerUnit(mediaType[i].unicode()));

    MarkerCursor myMusic(text, kMyMusic);
    MarkerCursor parent(text, kParent);

    // Every key starts with '.', which lower-casing leaves alone, so the search
    // only stops at full stops.
    for (qsizetype at = text.indexOf(u'.'); at >= 0; at = text.indexOf(u'.', at + 1)) {
        if (!keyMatchesAt(text, at, lowerKey))
            continue;
        const qsizetype keyEnd = at + lowerKey.size();
        // A marker must lie wholly within the text up to and including the
        // first character of the match.
        qsizetype start;
        if (const qsizetype m = myMusic.lastEndingBy(at + 1); m >= 0)
            start = m + kMyMusic.size();
        else if (const qsizetype p = parent.lastEndingBy(at + 1); p >= 0)
            start = p + kParent.size();
        else
            start = kParent.size() - 1; // no marker: the cut falls at the third character
        // Only possible with an empty type and a text that starts with '.'.
        const qsizetype length = qMax<qsizetype>(0, keyEnd - start);
        paths.spans_.append({qMin(start, text.size()), length});
        paths.totalLength_ += length;
    }
    return paths;
}

} // namespace velandry::oracle
