// libFuzzer target: bytes of a playlist in each format other than WPL through
// its streaming reader, in stretches of every size, held against the small
// whole-text readers of tests/oracle; then through the cut rules and the
// document writer, whose output no entry may add markup or control
// characters to.
#include "asx_document.h"
#include "document_checks.h"
#include "format_entries.h"
#include "oracle_readers.h"
#include "playlist_text.h"

#include <QBuffer>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // First byte: the format, the stretch a call may read and the media type.
    if (size == 0)
        return 0;
    constexpr PlaylistFormat kFormats[] = {PlaylistFormat::M3u, PlaylistFormat::Pls, PlaylistFormat::Xspf,
                                           PlaylistFormat::Asx};
    const PlaylistFormat format = kFormats[data[0] % 4];
    constexpr qsizetype kBudgets[] = {1, 5, 64, qsizetype(1) << 20};
    const qsizetype budget = kBudgets[(data[0] / 4) % 4];
    const QString type = (data[0] / 16) % 2 ? QStringLiteral("mp3") : QString();
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const CodePage codePage = *CodePage::fromNumber(1252);
    const std::optional<PlaylistText> read = readPlaylistText(bytes, codePage);
    check(read.has_value());
    const QByteArray text = read->utf8().toByteArray();

    const EntryRules rules{type, QStringLiteral("/lists"), QStringLiteral("D:\\Music"), QStringLiteral("/home/ana/Music")};
    EntryCutter cutter(rules);
    std::unique_ptr<EntryReader> reader;
    std::optional<QList<QByteArray>> expected;
    switch (format) {
    case PlaylistFormat::Pls:
        reader = readPls(text);
        expected = oracle::plsEntries(text);
        break;
    case PlaylistFormat::Xspf:
        reader = readXspf(text);
        // Held against Qt's XML reader, which reads a string: where a lone
        // surrogate of a UTF-16 file has no UTF-8 form, the two read other
        // texts; the reader reads no DTD; Qt's passes over a NUL, which XML
        // does not allow anyway.
        if (QString::fromUtf8(text).toUtf8() != text || text.contains("<!DOCTYPE") || text.contains('\0'))
            return 0;
        expected = oracle::xspfEntries(text);
        break;
    case PlaylistFormat::Asx: {
        const auto preferred = [&](QByteArrayView href) { return cutter.isFileOfType(href); };
        reader = readAsx(text, preferred);
        expected = oracle::asxEntries(text, [&](const QByteArray &href) { return cutter.isFileOfType(href); });
        break;
    }
    default:
        reader = readM3u(text);
        expected = oracle::m3uEntries(text);
        break;
    }
    QList<QByteArray> entries;
    QByteArray entry;
    bool failed = false;
    for (;;) {
        const qsizetype before = reader->bytesRead();
        const EntryReader::Step step = reader->next(entry, budget);
        check(reader->bytesRead() >= before && reader->bytesRead() <= text.size());
        if (step == EntryReader::Step::Found)
            entries.append(entry);
        else if (step == EntryReader::Step::Failed)
            failed = true;
        if (step == EntryReader::Step::Ended || step == EntryReader::Step::Failed)
            break;
    }
    // The XSPF reader checks the markup's nesting, not every rule of XML: it
    // may read what Qt's XML reader refuses, never the other way round.
    if (format == PlaylistFormat::Xspf && !expected)
        return 0;
    check(failed == !expected.has_value());
    if (failed)
        return 0;
    if (entries != *expected) {
        for (const QByteArray &one : entries)
            std::fprintf(stderr, "read:     %s\n", one.constData());
        for (const QByteArray &one : *expected)
            std::fprintf(stderr, "expected: %s\n", one.constData());
    }
    check(entries == *expected);

    // The whole conversion: one element a line, whatever the entries hold.
    FormatEntries source(format, text, rules);
    QByteArray document;
    QBuffer device(&document);
    device.open(QIODevice::WriteOnly);
    AsxStats stats;
    check(writeAsxDocument(device, source, text.size(), u"\\CF\\", codePage, &stats) == WriteOutcome::Written);
    check(source.counts().read == entries.size());
    check(stats.cutAcrossMarkup == 0);
    checkDocumentShape(document, stats, [](bool condition) { check(condition); });
    return 0;
}
