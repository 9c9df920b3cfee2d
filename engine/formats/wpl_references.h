#pragma once

#include "engine/formats/audio_kinds.h"
#include "engine/formats/entry_source.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

namespace velandry {

// Finds the references of one media type in a WPL's text, first to last, a
// bounded stretch of text per call: memory does not grow with the text, and
// the caller can stop between any two calls. Linear in the length of the
// text. The text is not read as XML: a reference is any place that holds "."
// and the media type.
//
// A reference's path runs from just after the nearest preceding "My Music\"
// (exact case) or, failing that, "..\" through the end of the match. The
// match ignores case, one UTF-16 unit at a time (lowerUnit()); the markers
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

    // The names of music of a kind the device never plays (kAudioKinds: a
    // full stop, the extension, no letter or digit after it) that the scan
    // passed on its way, where asked to count them.
    void countOtherAudio(bool count) { countOtherAudio_ = count; }
    qsizetype otherAudio() const { return otherAudio_; }
    AudioKinds otherAudioKinds() const { return otherAudioKinds_; }

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
    bool countOtherAudio_ = false;
    qsizetype otherAudio_ = 0;
    AudioKinds otherAudioKinds_ = 0;
};

// The references of a WPL (or ZPL) as a document's entries. Each stands as
// the playlist's markup holds it; they may overlap, so the document is
// measured before it is written. Where a reference lies in a quoted value
// (a media element's src), that value, read as XML reads it and resolved
// against `playlistFolder`, is where the playlist names the entry's file.
//
// Given several media types (every kind of music, for a run that encodes),
// the scan is made once for each, and their references handed on in the
// order of the text; where two types match at one full stop ("aif" and
// "aiff"), the longer one's reference is the entry.
class WplReferences final : public EntrySource
{
public:
    WplReferences(QByteArrayView utf8, QStringView mediaType, const QString &playlistFolder = {});
    WplReferences(QByteArrayView utf8, const QStringList &mediaTypes, const QString &playlistFolder);

    Step next(QByteArrayView &text, Reference &path, qsizetype budget) override;
    qsizetype bytesScanned() const override;
    void rewind() override;
    EntryText entryText() const override { return EntryText::AsMarkup; }
    bool measuredFirst() const override { return true; }
    QByteArrayView localPath() const override;
    EntryCounts counts() const override;

private:
    // One scan, and the reference it found that is not handed on yet.
    struct Scan
    {
        ReferenceScanner scanner;
        qsizetype keyLength;
        std::optional<Reference> ahead = {};
        bool ended = false;
    };

    QByteArrayView utf8_;
    QStringList mediaTypes_;
    QByteArray playlistFolder_; // in the form entries are resolved against
    std::vector<Scan> scans_;
    qsizetype lastEnd_ = -1; // where the reference last found ends
    mutable QByteArray value_;
    mutable QByteArray local_;
};

} // namespace velandry
