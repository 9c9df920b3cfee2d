#include "engine/asx_document.h"

#include "engine/device_rules.h"
#include "engine/utf8_text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

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

// The longest reference the device opens, in bytes of a code page of single
// bytes (characters); see WrittenEntry::plain.
constexpr qsizetype kLongestPlain = kDevicePathLimit;

// What the writer does with each byte of a path's UTF-8 text, in one walk
// that also tells whether the device reads the reference back plainly. The
// first three stand for themselves.
enum ByteClass : std::uint8_t {
    Copy,        // printable ASCII that a FAT name holds
    SpaceOrDot,  // stands for itself; a name must not end in it
    NotInName,   // '*', ':', '?', '|': stands for itself, but no FAT name holds it
    Slash,       // "/": a plain path's separator, written "\"
    Backslash,   // "\": the device's separator
    Ampersand,   // starts an entity, or stands for itself
    Markup,      // '"', '<', '>': written as entities
    Control,     // below 0x20: the code page's (a '?' for most)
    High,        // 0x80 and more: a character the code page encodes
};

// Made from the device's rules for names, so that the writer's quick look
// and the card check cannot disagree.
constexpr std::array<ByteClass, 256> kByteClasses = [] {
    std::array<ByteClass, 256> classes{};
    for (int byte = 0; byte < 256; ++byte) {
        ByteClass c = High;
        if (byte == '&') {
            c = Ampersand;
        } else if (byte == '"' || byte == '<' || byte == '>') {
            c = Markup;
        } else if (byte < 0x20) {
            c = Control;
        } else if (byte < 0x80) {
            switch (kAsciiInName[byte]) {
            case AsciiInName::Held:
                c = Copy;
                break;
            case AsciiInName::SpaceOrDot:
                c = SpaceOrDot;
                break;
            case AsciiInName::Forbidden:
                c = NotInName;
                break;
            case AsciiInName::Separator:
                c = byte == '/' ? Slash : Backslash;
                break;
            }
        }
        classes[byte] = c;
    }
    return classes;
}();

bool isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

// Whether bytes already in the code page (the media folder, written as it
// stands) are read back plainly; see WrittenEntry::plain.
bool plainBytes(QByteArrayView bytes, bool doubleByte)
{
    char previous = '\\';
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        switch (kByteClasses[std::uint8_t(c)]) {
        case Copy:
        case SpaceOrDot:
        case Slash:
            break;
        case High:
            if (doubleByte)
                return false;
            break;
        case Ampersand:
            if (!bytes.sliced(i).startsWith("&amp;") && !bytes.sliced(i).startsWith("&apos;"))
                return false;
            break;
        case Backslash:
            if (previous == ' ' || previous == '.')
                return false;
            break;
        case NotInName:
        case Markup:
        case Control:
            return false;
        }
        previous = c;
    }
    return true;
}

// Writes the document piece by piece.
class DocumentWriter final
{
public:
    DocumentWriter(QIODevice &device, QStringView mediaFolder, CodePage codePage, ProgressCheck progress,
                   ConversionProgress &state, qint64 textSize)
        : device_(device), codePage_(codePage), doubleByte_(isDoubleByte(codePage.number())),
          progress_(std::move(progress)), state_(state)
    {
        folderLost_ = codePage_.encodeInto(mediaFolder, folder_);
        folderPlain_ = folderLost_ == 0 && plainBytes(folder_, doubleByte_);
        // A piece's worth, or as much as a small playlist's document takes.
        reserve(qMin<qint64>(kPiece, 2 * textSize) + 4096);
        stats_.codePage = codePage_.number();
        append(QByteArrayView(kHeader, sizeof kHeader - 1));
    }

    // Told each reference as written, while set.
    EntryWritten written;

    // One entry, for the path `path` of `text`, standing as `form`.
    WriteOutcome entry(QByteArrayView text, const Reference &path, EntryText form)
    {
        append(QByteArrayView(kEntryOpen, sizeof kEntryOpen - 1));
        qsizetype referenceAt = used_;
        qint64 referenceFlushed = 0; // of a reference that goes out in pieces
        const qint64 flushedBefore = state_.bytesWritten;
        append(folder_);
        qsizetype lost = folderLost_;
        bool heldMarkup = false;
        bool plain = folderPlain_;
        if (!path.isEmpty()) {
            const auto *const data = reinterpret_cast<const std::uint8_t *>(text.data());
            const auto *const textEnd = data + text.size();
            qsizetype from = path.begin.byte;
            if (path.begin.afterHighHalf) {
                append("?"); // the low half of a pair alone
                ++lost;
                from += detail::decodeUtf8(data + from, textEnd).length;
            }
            const qsizetype to = path.end.byte;
            while (from < to) {
                qsizetype limit = qMin(to, from + kPiece);
                while (limit < to && limit > from + 1 && (data[limit] & 0xC0) == 0x80)
                    --limit; // never inside a character
                writePiece(text, from, limit, form, lost, heldMarkup, plain);
                from = limit;
                // Only a path of a megabyte or more goes out in pieces.
                if (used_ - referenceAt >= kPiece) {
                    referenceFlushed += used_ - referenceAt;
                    if (const WriteOutcome outcome = flush(); outcome != WriteOutcome::Written)
                        return outcome;
                    referenceAt = 0;
                }
            }
            if (path.end.afterHighHalf) {
                append("?"); // the high half of a pair alone
                ++lost;
            }
        }
        if (written) {
            // A reference that went out in pieces is past any path a device opens.
            const bool whole = state_.bytesWritten == flushedBefore;
            const QByteArrayView reference =
                whole ? QByteArrayView(buffer_.get() + referenceAt, used_ - referenceAt) : QByteArrayView();
            plain = plain && whole && lost == 0 && reference.size() <= kLongestPlain
                    && (reference.isEmpty() || (reference.back() != ' ' && reference.back() != '.'));
            written({reference, !whole, plain, referenceFlushed + used_ - referenceAt});
        }
        append(QByteArrayView(kEntryClose, sizeof kEntryClose - 1));
        ++stats_.entries;
        stats_.lostCharacters += lost;
        stats_.entriesWithLostCharacters += lost > 0 ? 1 : 0;
        stats_.cutAcrossMarkup += heldMarkup ? 1 : 0;
        return used_ >= kPiece ? flush() : WriteOutcome::Written;
    }

    WriteOutcome finish()
    {
        append(QByteArrayView(kFooter, sizeof kFooter - 1));
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
    // Room for `bytes` more bytes at the end of the output; done() says where
    // what was written there ends.
    char *grow(qsizetype bytes)
    {
        if (used_ + bytes > capacity_)
            reserve(qMax(used_ + bytes, 2 * capacity_));
        return buffer_.get() + used_;
    }
    void done(const char *end) { used_ = end - buffer_.get(); }
    void reserve(qsizetype capacity)
    {
        auto larger = std::make_unique_for_overwrite<char[]>(size_t(capacity));
        if (used_ > 0)
            std::memcpy(larger.get(), buffer_.get(), size_t(used_));
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }

    void append(QByteArrayView bytes)
    {
        char *const at = grow(bytes.size());
        std::memcpy(at, bytes.data(), size_t(bytes.size()));
        done(at + bytes.size());
    }

    // Writes the bytes [from, limit) of a path in one walk: runs of bytes that
    // stand for themselves in one step, each other byte as its class says.
    void writePiece(QByteArrayView text, qsizetype from, qsizetype limit, EntryText form, qsizetype &lost,
                    bool &heldMarkup, bool &plain)
    {
        const auto *const data = reinterpret_cast<const std::uint8_t *>(text.data());
        const bool asMarkup = form == EntryText::AsMarkup;
        // An entity takes at most six bytes for one.
        char *out = grow(6 * (limit - from));
        const char *const start = buffer_.get();
        const auto endsName = [&] { return out > start && (out[-1] == ' ' || out[-1] == '.'); };
        qsizetype at = from;
        while (at < limit) {
            qsizetype run = at;
            int seen = 0;
            while (run < limit && kByteClasses[data[run]] <= NotInName)
                seen |= 1 << kByteClasses[data[run++]];
            if (run > at) {
                std::memcpy(out, data + at, size_t(run - at));
                out += run - at;
                plain = plain && !(seen & (1 << NotInName));
                at = run;
                if (at == limit)
                    break;
            }
            switch (kByteClasses[data[at]]) {
            case Slash:
                if (asMarkup) {
                    *out++ = '/';
                    break;
                }
                [[fallthrough]];
            case Backslash:
                if (endsName())
                    plain = false;
                *out++ = '\\';
                break;
            case Ampersand:
                if (!asMarkup) {
                    out = put(out, "&amp;");
                } else if (limit - at >= 6 && std::memcmp(data + at, "&apos;", 6) == 0) {
                    *out++ = '\'';
                    at += 5;
                } else {
                    *out++ = '&';
                    plain = plain && limit - at >= 5 && std::memcmp(data + at, "&amp;", 5) == 0;
                }
                break;
            case Markup: {
                const std::uint8_t c = data[at];
                out = put(out, c == '"' ? "&quot;" : c == '<' ? "&lt;" : "&gt;");
                heldMarkup = heldMarkup || asMarkup;
                plain = false;
                break;
            }
            case Control:
                out = codePage_.encodeUtf8To(text.sliced(at, 1), out, lost);
                plain = false;
                break;
            case High: {
                qsizetype end = at + 1;
                while (end < limit && data[end] >= 0x80)
                    ++end;
                out = codePage_.encodeUtf8To(text.sliced(at, end - at), out, lost);
                plain = plain && !doubleByte_;
                at = end;
                continue;
            }
            case Copy:
            case SpaceOrDot:
            case NotInName:
                break;
            }
            ++at;
        }
        done(out);
    }

    static char *put(char *out, const char *text)
    {
        const size_t length = std::strlen(text);
        std::memcpy(out, text, length);
        return out + length;
    }

    WriteOutcome flush()
    {
        if (device_.write(buffer_.get(), used_) != used_)
            return WriteOutcome::DeviceFailed;
        state_.bytesWritten += used_;
        used_ = 0; // the capacity stays
        if (progress_ && !progress_(state_))
            return WriteOutcome::Stopped;
        return WriteOutcome::Written;
    }

    QIODevice &device_;
    CodePage codePage_;
    bool doubleByte_;
    ProgressCheck progress_;
    ConversionProgress &state_;
    QByteArray folder_;
    qsizetype folderLost_ = 0;
    bool folderPlain_ = false;
    // The output not yet handed on, in a buffer of its own: the walk writes
    // through a pointer.
    std::unique_ptr<char[]> buffer_;
    qsizetype used_ = 0;
    qsizetype capacity_ = 0;
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
        // A source pauses after a budget's worth of its text, or of entries
        // it left out.
        if (step == EntrySource::Step::Paused || entries.bytesScanned() - asked >= kPiece
            || foundSinceAsked >= kEntriesBetweenAsks) {
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
        outcome = writer.entry({}, Reference{}, EntryText::Plain);
    if (outcome == WriteOutcome::Written)
        outcome = writer.finish();
    if (outcome == WriteOutcome::Written && stats)
        *stats = writer.stats();
    return outcome;
}

} // namespace

WriteOutcome writeAsxDocument(QIODevice &device, EntrySource &entries, qint64 textSize, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats, const ProgressCheck &progress,
                              const EntryWritten &written)
{
    ConversionProgress state;
    state.bytesToRead = textSize;
    DocumentWriter writer(device, mediaFolder, codePage, progress, state, textSize);
    const EntryText form = entries.entryText();

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
                return measured == WriteOutcome::Written ? writer.entry(text, reference, form) : measured;
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
                           [&](QByteArrayView text, const Reference &reference) { return writer.entry(text, reference, form); });
    return finishDocument(writer, outcome, references, stats);
}

} // namespace velandry
