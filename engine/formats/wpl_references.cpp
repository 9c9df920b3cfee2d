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
        if (!keyMatchesAt(at, end))
            continue;
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
    : utf8_(utf8), mediaType_(mediaType.toString()), playlistFolder_(entry_paths::folderForm(playlistFolder))
{
    rewind();
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
    switch (scanner_->next(path, budget)) {
    case ReferenceScanner::Step::Found:
        lastEnd_ = path.end.afterHighHalf ? -1 : path.end.byte;
        return Step::Found;
    case ReferenceScanner::Step::Paused:
        return Step::Paused;
    case ReferenceScanner::Step::Ended:
        break;
    }
    return Step::Ended;
}

} // namespace velandry
