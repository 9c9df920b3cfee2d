#include "asx_document.h"

#include "utf8_text.h"

#include <QBuffer>

#include <cstring>

namespace velandry {

namespace {

constexpr char kHeader[] = "<ASX version = \"3.0\">\r\n"
                           "        <PARAM NAME = \"Custom Playlist Version\" VALUE = \"V1.0 WMP8 for CE\" />\r\n";
constexpr char kEntryOpen[] = "    <ENTRY>\r\n"
                              "        <ref href = \"";
constexpr char kEntryClose[] = "\" />\r\n"
                               "    </ENTRY>\r\n";
constexpr char kFooter[] = "</ASX>\r\n";

// Output is handed on, and progress asked, about every megabyte; a path is
// encoded at most this much at a time.
constexpr qsizetype kPiece = qsizetype(1) << 20;

bool isSpecial(std::uint8_t byte)
{
    return byte == '&' || byte == '"' || byte == '<' || byte == '>';
}

// Writes the document piece by piece.
class DocumentWriter final
{
public:
    DocumentWriter(QIODevice &device, QStringView mediaFolder, CodePage codePage, ProgressCheck progress,
                   ConversionProgress &state)
        : device_(device), codePage_(codePage), progress_(std::move(progress)), state_(state)
    {
        folderLost_ = codePage_.encodeInto(mediaFolder, folder_);
        out_.reserve(kPiece + 4096);
        stats_.codePage = codePage_.number();
        out_.append(kHeader);
    }

    // Told each reference as written, while set.
    EntryWritten written;

    // One entry, for the path `path` of `text`.
    WriteOutcome entry(QByteArrayView text, const Reference &path)
    {
        out_.append(kEntryOpen);
        qsizetype referenceAt = out_.size();
        const qint64 flushedBefore = state_.bytesWritten;
        out_.append(folder_);
        qsizetype lost = folderLost_;
        bool heldMarkup = false;
        if (!path.isEmpty()) {
            const auto *const data = reinterpret_cast<const std::uint8_t *>(text.data());
            const auto *const textEnd = data + text.size();
            qsizetype from = path.begin.byte;
            if (path.begin.afterHighHalf) {
                out_.append('?'); // the low half of a pair alone
                ++lost;
                from += detail::decodeUtf8(data + from, textEnd).length;
            }
            const qsizetype to = path.end.byte;
            while (from < to) {
                qsizetype limit = qMin(to, from + kPiece);
                while (limit < to && limit > from + 1 && (data[limit] & 0xC0) == 0x80)
                    --limit; // never inside a character
                qsizetype at = from;
                while (at < limit && !isSpecial(data[at]))
                    ++at;
                lost += codePage_.encodeUtf8Into(text.sliced(from, at - from), out_);
                from = at;
                if (at < limit) {
                    const char special = char(data[at]);
                    if (special == '&') {
                        const bool apostrophe = to - at >= 6 && std::memcmp(data + at, "&apos;", 6) == 0;
                        out_.append(apostrophe ? '\'' : '&');
                        from += apostrophe ? 6 : 1;
                    } else {
                        out_.append(special == '"' ? "&quot;" : special == '<' ? "&lt;" : "&gt;");
                        heldMarkup = true;
                        ++from;
                    }
                }
                // Only a path of a megabyte or more goes out in pieces.
                if (out_.size() - referenceAt >= kPiece) {
                    if (const WriteOutcome outcome = flush(); outcome != WriteOutcome::Written)
                        return outcome;
                    referenceAt = 0;
                }
            }
            if (path.end.afterHighHalf) {
                out_.append('?'); // the high half of a pair alone
                ++lost;
            }
        }
        if (written) {
            // A reference that went out in pieces is past any path a device opens.
            const bool whole = state_.bytesWritten == flushedBefore;
            written(whole ? QByteArrayView(out_).sliced(referenceAt) : QByteArrayView(), !whole);
        }
        out_.append(kEntryClose);
        ++stats_.entries;
        stats_.lostCharacters += lost;
        stats_.entriesWithLostCharacters += lost > 0 ? 1 : 0;
        stats_.cutAcrossMarkup += heldMarkup ? 1 : 0;
        return out_.size() >= kPiece ? flush() : WriteOutcome::Written;
    }

    WriteOutcome finish()
    {
        out_.append(kFooter);
        return flush();
    }

    const AsxStats &stats() const { return stats_; }

    // About how many bytes the document takes, for so many entries whose
    // paths hold so many bytes of text.
    qint64 expectedBytes(qsizetype entries, qint64 pathBytes) const
    {
        const qint64 perEntry = qint64(sizeof kEntryOpen - 1 + sizeof kEntryClose - 1) + folder_.size();
        return qint64(sizeof kHeader - 1 + sizeof kFooter - 1) + perEntry * entries + pathBytes;
    }

private:
    WriteOutcome flush()
    {
        if (device_.write(out_) != out_.size())
            return WriteOutcome::DeviceFailed;
        state_.bytesWritten += out_.size();
        out_.resize(0); // keeps the capacity
        if (progress_ && !progress_(state_))
            return WriteOutcome::Stopped;
        return WriteOutcome::Written;
    }

    QIODevice &device_;
    CodePage codePage_;
    ProgressCheck progress_;
    ConversionProgress &state_;
    QByteArray folder_;
    qsizetype folderLost_ = 0;
    QByteArray out_;
    AsxStats stats_;
};

// How a walk over the entries tells its progress: as the text read (the
// measure), as the document written (the writing that follows it), or as the
// document written with its size foreseen from the share of the text read
// (the one walk that writes as it reads).
enum class Walk { Measure, Write, WriteAsRead };

// Walks the entries of `entries` from the first, handing each to `found`
// (which may stop the walk with an outcome other than Written), and asks
// `progress` at every megabyte of text and every so many entries between
// them.
template <typename Found>
WriteOutcome forEachEntry(EntrySource &entries, const ProgressCheck &progress, ConversionProgress &state, Walk walk,
                          Found &&found)
{
    constexpr qsizetype kEntriesBetweenAsks = 1 << 16;
    entries.rewind();
    QByteArrayView text;
    Reference path;
    qint64 asked = 0;
    qsizetype foundSinceAsked = 0;
    for (;;) {
        const EntrySource::Step step = entries.next(text, path, kPiece);
        if (step == EntrySource::Step::Ended)
            return WriteOutcome::Written;
        if (step == EntrySource::Step::Failed)
            return WriteOutcome::Unreadable;
        if (step == EntrySource::Step::Found) {
            if (const WriteOutcome outcome = found(text, path); outcome != WriteOutcome::Written)
                return outcome;
            ++foundSinceAsked;
        }
        if (entries.bytesScanned() - asked >= kPiece || foundSinceAsked >= kEntriesBetweenAsks) {
            asked = entries.bytesScanned();
            foundSinceAsked = 0;
            if (walk == Walk::Measure)
                state.bytesRead = asked;
            else if (walk == Walk::WriteAsRead && asked > 0)
                state.bytesExpected = qMax(state.bytesWritten + 1, state.bytesWritten * state.bytesToRead / asked);
            if (progress && !progress(state))
                return WriteOutcome::Stopped;
        }
    }
}

// A playlist without references still has one entry: the folder alone.
WriteOutcome finishDocument(DocumentWriter &writer, WriteOutcome outcome, qsizetype references, AsxStats *stats)
{
    writer.written = nullptr;
    if (outcome == WriteOutcome::Written && references == 0)
        outcome = writer.entry({}, Reference{});
    if (outcome == WriteOutcome::Written)
        outcome = writer.finish();
    if (outcome == WriteOutcome::Written && stats)
        *stats = writer.stats();
    return outcome;
}

} // namespace

EntrySource::Step WplReferences::next(QByteArrayView &text, Reference &path, qsizetype budget)
{
    text = utf8_;
    switch (scanner_->next(path, budget)) {
    case ReferenceScanner::Step::Found:
        return Step::Found;
    case ReferenceScanner::Step::Paused:
        return Step::Paused;
    case ReferenceScanner::Step::Ended:
        break;
    }
    return Step::Ended;
}

WriteOutcome writeAsxDocument(QIODevice &device, QByteArrayView utf8, QStringView mediaType, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats, const ProgressCheck &progress)
{
    WplReferences references(utf8, mediaType);
    return writeAsxDocument(device, references, utf8.size(), mediaFolder, codePage, stats, progress);
}

WriteOutcome writeAsxDocument(QIODevice &device, EntrySource &entries, qint64 textSize, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats, const ProgressCheck &progress,
                              const EntryWritten &written)
{
    ConversionProgress state;
    state.bytesToRead = textSize;
    DocumentWriter writer(device, mediaFolder, codePage, progress, state);

    qsizetype references = 0;
    qint64 pathBytes = 0;
    const auto measure = [&](const Reference &reference) {
        ++references;
        if (!reference.isEmpty())
            pathBytes += reference.end.byte - reference.begin.byte + 1;
        return pathBytes > kMaxDocumentPathBytes ? WriteOutcome::TooLarge : WriteOutcome::Written;
    };
    writer.written = written;
    if (!entries.measuredFirst()) {
        state.bytesRead = textSize;
        state.bytesExpected = 1;
        WriteOutcome outcome =
            forEachEntry(entries, progress, state, Walk::WriteAsRead, [&](QByteArrayView text, const Reference &reference) {
                const WriteOutcome measured = measure(reference);
                return measured == WriteOutcome::Written ? writer.entry(text, reference) : measured;
            });
        return finishDocument(writer, outcome, references, stats);
    }

    // First the measure: how many references, and how long their paths are.
    WriteOutcome outcome = forEachEntry(entries, progress, state, Walk::Measure,
                                        [&](QByteArrayView, const Reference &reference) { return measure(reference); });
    if (outcome != WriteOutcome::Written)
        return outcome;
    state.bytesRead = textSize;
    state.bytesExpected = writer.expectedBytes(qMax<qsizetype>(1, references), pathBytes);
    if (progress && !progress(state))
        return WriteOutcome::Stopped;

    // Then the writing, which also asks at every megabyte it hands on.
    outcome = forEachEntry(entries, progress, state, Walk::Write,
                           [&](QByteArrayView text, const Reference &reference) { return writer.entry(text, reference); });
    return finishDocument(writer, outcome, references, stats);
}

QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage, AsxStats *stats)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ConversionProgress state;
    DocumentWriter writer(buffer, mediaFolder, codePage, {}, state);
    for (qsizetype i = 1; i <= paths.highestIndex(); ++i) {
        const QByteArray path = detail::toWtf8(paths.slot(i));
        writer.entry(path, Reference{{0, false}, {path.size(), false}});
    }
    writer.finish();
    if (stats)
        *stats = writer.stats();
    return bytes;
}

} // namespace velandry
