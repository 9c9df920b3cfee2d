// libFuzzer target: bytes of a playlist in each format other than WPL, read
// as a conversion reads them (byte-order mark, declared encoding), through its
// streaming reader in stretches of 1, 5 and 64 bytes, held against the same
// reader reading the whole text at once, and the XSPF reader also against
// Qt's XML reader; then through the cut rules and the document writer, whose
// output no entry may add markup or control characters to, and whose quick
// look at each reference must agree with reading it back.
#include "engine/asx_document.h"
#include "fuzz/document_checks.h"
#include "engine/formats/entry_reader.h"
#include "engine/formats/entry_sources.h"
#include "engine/formats/wpl_references.h"
#include "tests/oracle/oracle_readers.h"
#include "engine/playlist_text.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace velandry;

namespace {

// Names the check that failed, for the report.
void check(bool condition, int line)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz_readers.cpp:%d: check failed\n", line);
    std::abort();
}
#define check(condition) check(condition, __LINE__)

struct Reading
{
    QList<QByteArray> entries;
    bool failed = false;
    ReadFault fault;

    bool operator==(const Reading &other) const
    {
        return entries == other.entries && failed == other.failed
               && (!failed || (fault.what == other.fault.what && fault.line == other.fault.line));
    }
};

Reading readAll(EntryReader &reader, qsizetype budget, qsizetype textSize)
{
    Reading reading;
    for (;;) {
        const qsizetype before = reader.bytesRead();
        QByteArrayView entry;
        const EntryReader::Step step = reader.next(entry, budget);
        check(reader.bytesRead() >= before && reader.bytesRead() <= textSize);
        if (step == EntryReader::Step::Found)
            reading.entries.append(entry.toByteArray());
        if (step == EntryReader::Step::Failed) {
            reading.failed = true;
            reading.fault = reader.fault();
        }
        if (step == EntryReader::Step::Ended || step == EntryReader::Step::Failed)
            return reading;
    }
}

// What a FAT name cannot hold, as the device reads a reference back.
bool readsBackPlainly(QByteArrayView reference, CodePage codePage)
{
    const QString path = codePage.decode(reference);
    if (path.size() > 259)
        return false;
    for (const QString &name : path.split(u'\\')) {
        if (name.endsWith(u' ') || name.endsWith(u'.'))
            return false;
        for (const QChar c : name) {
            if (c.unicode() < 0x20 || QStringView(u"\"*:<>?|").contains(c))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // First byte: the format, the stretch a call may read, the media type and
    // the code page.
    if (size == 0)
        return 0;
    constexpr PlaylistFormat kFormats[] = {PlaylistFormat::M3u, PlaylistFormat::Pls, PlaylistFormat::Xspf,
                                           PlaylistFormat::Asx};
    const PlaylistFormat format = kFormats[data[0] % 4];
    constexpr qsizetype kBudgets[] = {1, 5, 64, 5};
    const qsizetype budget = kBudgets[(data[0] / 4) % 4];
    const QString type = (data[0] / 16) % 2 ? QStringLiteral("mp3") : QString();
    const CodePage codePage = *CodePage::fromNumber(data[0] / 32 % 2 ? 932 : 1252);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const DeclaredEncoding declared = declaredEncoding(format, bytes);
    if (!canRead(declared))
        return 0;
    const std::optional<PlaylistText> read = readPlaylistText(bytes, codePage, {}, kReadPiece, declared);
    check(read.has_value());
    const QByteArray text = read->utf8().toByteArray();

    const QString folder = QStringLiteral("/lists/Road");
    const EntryRules rules{type, folder, QStringLiteral("D:\\Music"), QStringLiteral("/home/ana/Music")};
    EntryCutter cutter(rules);
    const auto open = [&]() -> std::unique_ptr<EntryReader> {
        switch (format) {
        case PlaylistFormat::Pls:
            return readPls(text);
        case PlaylistFormat::Xspf:
            return readXspf(text, folder);
        case PlaylistFormat::Asx:
            return readAsx(text, [&](QByteArrayView href) { return cutter.isFileOfType(href); });
        default:
            return readM3u(text);
        }
    };
    // Read in stretches, the reader must find what it finds in the whole text.
    const Reading whole = readAll(*open(), qsizetype(1) << 30, text.size());
    const Reading stretched = readAll(*open(), budget, text.size());
    if (!(stretched == whole)) {
        for (const QByteArray &one : stretched.entries)
            std::fprintf(stderr, "in stretches: %s\n", one.constData());
        for (const QByteArray &one : whole.entries)
            std::fprintf(stderr, "whole:        %s\n", one.constData());
    }
    check(stretched == whole);

    // Where Qt's XML reader reads an XSPF text, this one must read the same
    // entries. It checks the markup's nesting, not every rule of XML: it may
    // read what Qt's refuses, never the other way round. Where a lone
    // surrogate of a UTF-16 file has no UTF-8 form, the two read other texts;
    // the reader reads no DTD; Qt's passes over a NUL, which XML does not
    // allow anyway.
    if (format == PlaylistFormat::Xspf && QString::fromUtf8(text).toUtf8() == text && !text.contains("<!DOCTYPE")
        && !text.contains('\0')) {
        if (const std::optional<QList<QByteArray>> expected = oracle::xspfEntries(text, folder)) {
            check(!whole.failed);
            if (whole.entries != *expected) {
                for (const QByteArray &one : whole.entries)
                    std::fprintf(stderr, "read:     %s\n", one.constData());
                for (const QByteArray &one : *expected)
                    std::fprintf(stderr, "expected: %s\n", one.constData());
            }
            check(whole.entries == *expected);
        }
    }

    // The same text as a WPL whose every kind of music a run takes: the scans
    // of each kind merged in the order of the text, in stretches, as the
    // single scans each find them, the longer kind where two match at one
    // full stop; and where each lies in a quoted value, a local path.
    if (data[0] & 64) {
        QStringList kinds;
        for (const AudioKind &kind : kAudioKinds)
            kinds.append(QString::fromLatin1(kind.extension));
        struct Found
        {
            qsizetype dot;
            qsizetype length;
            Reference reference;
        };
        QList<Found> expected;
        for (const QString &kind : std::as_const(kinds)) {
            ReferenceScanner scanner(text, kind);
            Reference reference;
            while (scanner.next(reference, qsizetype(1) << 30) != ReferenceScanner::Step::Ended)
                expected.append({reference.end.byte - kind.size() - 1, kind.size(), reference});
        }
        std::stable_sort(expected.begin(), expected.end(), [](const Found &a, const Found &b) {
            return a.dot < b.dot || (a.dot == b.dot && a.length > b.length);
        });
        expected.erase(std::unique(expected.begin(), expected.end(), [](const Found &a, const Found &b) { return a.dot == b.dot; }),
                       expected.end());
        WplReferences merged(text, kinds, folder);
        QByteArrayView from;
        Reference reference;
        qsizetype at = 0;
        for (EntrySource::Step step; (step = merged.next(from, reference, budget)) != EntrySource::Step::Ended;) {
            if (step != EntrySource::Step::Found)
                continue;
            check(at < expected.size());
            check(reference.begin.byte == expected[at].reference.begin.byte
                  && reference.end.byte == expected[at].reference.end.byte
                  && reference.begin.afterHighHalf == expected[at].reference.begin.afterHighHalf);
            const QByteArrayView local = merged.localPath();
            check(!local.contains('/'));
            ++at;
        }
        check(at == expected.size());
    }

    // The whole conversion: one element a line, whatever the entries hold,
    // and each reference the writer calls plain reads back plainly.
    const std::unique_ptr<EntrySource> source = openEntrySource(format, text, rules);
    QByteArray document;
    QBuffer device(&document);
    device.open(QIODevice::WriteOnly);
    AsxStats stats;
    const auto written = [&](const WrittenEntry &entry) {
        if (entry.plain)
            check(readsBackPlainly(entry.reference, codePage));
    };
    const WriteOutcome outcome = writeAsxDocument(device, *source, text.size(), u"\\CF\\", codePage, &stats, {}, written);
    check(outcome == (whole.failed ? WriteOutcome::Unreadable : WriteOutcome::Written));
    if (whole.failed)
        return 0;
    check(source->counts().read == whole.entries.size());
    check(stats.cutAcrossMarkup == 0);
    checkDocumentShape(document, stats, [](bool condition) { check(condition); });
    return 0;
}
