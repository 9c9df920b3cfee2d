#include "engine/formats/wpl_references.h"

#include "engine/formats/entry_cut.h"
#include "engine/formats/xml_text.h"
#include "engine/utf8_text.h"

#include <cstring>

namespace velandry {

namespace {

const std::uint8_t *bytesOf(QByteArrayView text)
{
    return reinterpret_cast<const std::uint8_t *>(text.data());
}

// Where the text's third UTF-16 unit starts: a path without a marker starts
// there, as cutting after the length of "..\" from position 0 does.
TextPosition thirdUnitOf(QByteArrayView text)
{
    const std::uint8_t *const data = bytesOf(text);
    qsizetype at = 0;
    int units = 0;
    while (units < 2 && at < text.size()) {
        const detail::Utf8Character character = detail::decodeUtf8(data + at, data + text.size());
        if (character.codePoint >= 0x10000) {
            if (units == 1)
                return {at, true};
            ++units;
        }
        ++units;
        at += character.length;
    }
    return {at, false};
}

} // namespace

ReferenceScanner::ReferenceScanner(QByteArrayView utf8, QStringView mediaType)
    : text_(utf8), lowerKey_(mediaType.size() + 1, Qt::Uninitialized), thirdUnit_(thirdUnitOf(utf8))
{
    lowerKey_[0] = u'.';
    for (qsizetype i = 0; i < mediaType.size(); ++i)
        lowerKey_[i + 1] = QChar(lowerUnit(mediaType[i].unicode()));
}

bool ReferenceScanner::keyMatchesAt(qsizetype at, TextPosition &end) const
{
    const std::uint8_t *const data = bytesOf(text_);
    const std::uint8_t *const textEnd = data + text_.size();
    const qsizetype keyLength = lowerKey_.size();
    qsizetype next = at + 1;
    for (qsizetype i = 1; i < keyLength;) {
        if (next >= text_.size())
            return false;
        if (data[next] < 0x80) {
            if (lowerUnit(data[next]) != lowerKey_[i].unicode())
                return false;
            ++next;
            ++i;
            continue;
        }
        const detail::Utf8Character character = detail::decodeUtf8(data + next, textEnd);
        if (character.codePoint < 0x10000) {
            if (lowerUnit(char16_t(character.codePoint)) != lowerKey_[i].unicode())
                return false;
        } else {
            // Two units; the key may end between them.
            if (QChar::highSurrogate(character.codePoint) != lowerKey_[i].unicode())
                return false;
            if (++i == keyLength) {
                end = {next, true};
                return true;
            }
            if (QChar::lowSurrogate(character.codePoint) != lowerKey_[i].unicode())
                return false;
        }
        next += character.length;
        ++i;
    }
    end = {next, false};
    return true;
}

void ReferenceScanner::takeMarkersBefore(qsizetype limit)
{
    // Both markers end in a backslash: a marker counts for a match when its
    // backslash stands before the match's full stop.
    const std::uint8_t *const data = bytesOf(text_);
    while (backslash_ < limit) {
        const void *hit = std::memchr(data + backslash_, '\\', std::size_t(limit - backslash_));
        if (!hit) {
            backslash_ = limit;
            break;
        }
        const qsizetype at = static_cast<const std::uint8_t *>(hit) - data;
        backslash_ = at + 1;
        if (at >= 8 && std::memcmp(data + at - 8, "My Music", 8) == 0)
            myMusicEnd_ = at + 1;
        if (at >= 2 && data[at - 1] == '.' && data[at - 2] == '.')
            parentEnd_ = at + 1;
    }
}

ReferenceScanner::Step ReferenceScanner::next(Reference &reference, qsizetype budget)
{
    const std::uint8_t *const data = bytesOf(text_);
    const qsizetype stop = qMin(text_.size(), dot_ + qMax<qsizetype>(1, budget));
    while (dot_ < stop) {
        const void *hit = std::memchr(data + dot_, '.', std::size_t(stop - dot_));
        if (!hit) {
            dot_ = stop;
            break;
        }
        const qsizetype at = static_cast<const std::uint8_t *>(hit) - data;
        dot_ = at + 1;
        TextPosition end;
        if (!keyMatchesAt(at, end)) {
            if (countOtherAudio_) {
                const int kind = audioKindAt(text_.sliced(at + 1).first(qMin<qsizetype>(6, text_.size() - at - 1)));
                if (kind >= 0 && !kAudioKinds[std::size_t(kind)].deviceKind) {
                    ++otherAudio_;
                    otherAudioKinds_ |= AudioKinds(1) << kind;
                }
            }
            continue;
        }
        takeMarkersBefore(at);
        if (myMusicEnd_ >= 0)
            reference.begin = {myMusicEnd_, false};
        else if (parentEnd_ >= 0)
            reference.begin = {parentEnd_, false};
        else
            reference.begin = thirdUnit_;
        reference.end = end;
        ++found_;
        return Step::Found;
    }
    takeMarkersBefore(dot_);
    return dot_ >= text_.size() ? Step::Ended : Step::Paused;
}

WplReferences::WplReferences(QByteArrayView utf8, QStringView mediaType, const QString &playlistFolder)
    : WplReferences(utf8, QStringList{mediaType.toString()}, playlistFolder)
{
}

WplReferences::WplReferences(QByteArrayView utf8, const QStringList &mediaTypes, const QString &playlistFolder)
    : utf8_(utf8), mediaTypes_(mediaTypes), playlistFolder_(entry_paths::folderForm(playlistFolder))
{
    rewind();
}

void WplReferences::rewind()
{
    scans_.clear();
    for (const QString &type : std::as_const(mediaTypes_))
        scans_.push_back({ReferenceScanner(utf8_, type), type.size() + 1});
    // Music of another kind is worth telling where encoding could take it:
    // the one media type is one the device plays.
    if (scans_.size() == 1) {
        const int kind = audioKindOf(QByteArray("x.") + mediaTypes_.front().toUtf8());
        scans_.front().scanner.countOtherAudio(kind >= 0 && kAudioKinds[std::size_t(kind)].deviceKind);
    }
}

qsizetype WplReferences::bytesScanned() const
{
    qsizetype least = utf8_.size();
    for (const Scan &scan : scans_) {
        if (!scan.ended || scan.ahead)
            least = qMin(least, scan.scanner.bytesScanned());
    }
    return least;
}

EntryCounts WplReferences::counts() const
{
    EntryCounts counts;
    if (scans_.size() == 1) {
        counts.otherAudio = scans_.front().scanner.otherAudio();
        counts.otherAudioKinds = scans_.front().scanner.otherAudioKinds();
    }
    return counts;
}

QByteArrayView WplReferences::localPath() const
{
    if (lastEnd_ < 0 || playlistFolder_.isEmpty())
        return {};
    // The value the reference stands in: back to its opening quote, within
    // one tag and a path's worth of bytes.
    constexpr qsizetype kLongestValue = qsizetype(32) << 10;
    const qsizetype floor = qMax<qsizetype>(0, lastEnd_ - kLongestValue);
    qsizetype quote = lastEnd_ - 1;
    while (quote >= floor && utf8_[quote] != '"' && utf8_[quote] != '\'' && utf8_[quote] != '<'
           && utf8_[quote] != '>' && utf8_[quote] != '\n')
        --quote;
    if (quote < floor || (utf8_[quote] != '"' && utf8_[quote] != '\''))
        return {};
    value_.resize(0);
    appendXmlText(value_, utf8_.sliced(quote + 1, lastEnd_ - quote - 1), XmlText::AttributeValue);
    if (entry_paths::isWebAddress(value_))
        return {};
    if (value_.startsWith("file:")) {
        QByteArray url = value_;
        entry_paths::pathOfFileUrl(url, value_);
    }
    entry_paths::resolve(value_, playlistFolder_, local_);
    return local_;
}

EntrySource::Step WplReferences::next(QByteArrayView &text, Reference &path, qsizetype budget)
{
    text = utf8_;
    // Each scan one reference ahead; a scan that pauses pauses them all.
    for (Scan &scan : scans_) {
        if (scan.ended || scan.ahead)
            continue;
        Reference found;
        switch (scan.scanner.next(found, budget)) {
        case ReferenceScanner::Step::Found:
            scan.ahead = found;
            break;
        case ReferenceScanner::Step::Paused:
            return Step::Paused;
        case ReferenceScanner::Step::Ended:
            scan.ended = true;
            break;
        }
    }
    // The first in the text: the one whose full stop comes first, the longer
    // one at the same full stop (keys are ASCII: a byte a unit).
    Scan *first = nullptr;
    const auto dotOf = [](const Scan &scan) { return scan.ahead->end.byte - scan.keyLength; };
    for (Scan &scan : scans_) {
        if (scan.ahead && (!first || dotOf(scan) < dotOf(*first)
                           || (dotOf(scan) == dotOf(*first) && scan.keyLength > first->keyLength)))
            first = &scan;
    }
    if (!first)
        return Step::Ended;
    for (Scan &scan : scans_) {
        if (&scan != first && scan.ahead && dotOf(scan) == dotOf(*first))
            scan.ahead.reset();
    }
    path = *first->ahead;
    first->ahead.reset();
    lastEnd_ = path.end.afterHighHalf ? -1 : path.end.byte;
    return Step::Found;
}

} // namespace velandry
