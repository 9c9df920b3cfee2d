// libFuzzer target: bytes of a playlist through reading, the reference scan,
// the document writer and the code page, with the media type taken from the
// input. Besides the sanitizers it checks the invariants of the output, that
// the streaming engine writes exactly what the engine that held whole texts
// wrote, and that the code page reads and writes the text exactly as Windows
// does (its answers in tests/data/code-pages). Built twice: fuzz_conversion
// also holds short texts against the literal step-by-step scan, which is slow;
// fuzz_conversion_fast leaves that out, for long runs.
#include "engine/asx_document.h"
#include "tests/media_paths.h"
#include "engine/formats/wpl_references.h"
#include "fuzz/document_checks.h"
#include "tests/oracle/oracle_asx_document.h"
#include "tests/oracle/oracle_media_paths.h"
#include "tests/oracle/oracle_playlist_text.h"
#include "engine/playlist_text.h"
#include "tests/reference_scan.h"
#include "tests/windows_tables/windows_tables.h"

#include <QBuffer>
#include <QByteArray>
#include <QMap>

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
    std::fprintf(stderr, "fuzz_conversion.cpp:%d: check failed\n", line);
    std::abort();
}
#define check(condition) check(condition, __LINE__)

const detail::CodePageTables &windowsTables(int codePage)
{
    static const QMap<int, std::shared_ptr<detail::CodePageTables>> tables = [] {
        QMap<int, std::shared_ptr<detail::CodePageTables>> read;
        for (const int number : CodePage::supported()) {
            read.insert(number, windows::readTables(QStringLiteral(VELANDRY_CODE_PAGE_DATA "/%1.txt").arg(number)));
            check(read.value(number) != nullptr);
        }
        return read;
    }();
    return *tables.value(codePage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // First byte: length of the media type that follows (mod 8), so that empty,
    // odd and multi-byte types are all reached, and the code page (the rest).
    if (size == 0)
        return 0;
    const std::size_t typeLength = std::min<std::size_t>(data[0] % 8, size - 1);
    const QList<int> &codePages = CodePage::supported();
    const CodePage codePage = *CodePage::fromNumber(codePages[(data[0] / 8) % codePages.size()]);
    const QString mediaType = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(typeLength));
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1 + typeLength), qsizetype(size - 1 - typeLength));

    // The engine that held whole texts.
    const oracle::PlaylistText decoded = oracle::decodePlaylist(bytes, codePage);
    const oracle::MediaPaths paths = oracle::extractMediaPaths(decoded.text, mediaType);
#ifdef VELANDRY_FUZZ_LITERAL_SCAN
    if (decoded.text.size() <= 600)
        check(paths.toStringList() == reference::referenceExtract(decoded.text, mediaType));
#endif
    // Overlapping references make documents that grow with the square of the
    // input; past this size only the scan and the code page are checked.
    constexpr qsizetype kLargestDocument = qsizetype(1) << 14;
    const bool bounded = paths.totalLength() <= kLargestDocument;
    oracle::AsxStats expectedStats;
    const QByteArray expected =
        bounded ? oracle::asxDocument(paths, u"\\CF-Card\\My Music\\", codePage, &expectedStats) : QByteArray();

    // The streaming engine.
    const std::optional<PlaylistText> text = readPlaylistText(bytes, codePage);
    check(text && int(text->encoding()) == int(decoded.encoding));
    check(text->toString() == decoded.text);
    if (!bounded) {
        ReferenceScanner scanner(text->utf8(), mediaType);
        Reference reference;
        for (ReferenceScanner::Step step; (step = scanner.next(reference)) != ReferenceScanner::Step::Ended;) { }
        check(scanner.referencesFound() == paths.referenceCount());
        return 0;
    }
    QByteArray document;
    QBuffer device(&document);
    device.open(QIODevice::WriteOnly);
    AsxStats stats;
    check(writeAsxDocument(device, text->utf8(), mediaType, u"\\CF-Card\\My Music\\", codePage, &stats)
          == WriteOutcome::Written);
    check(document == expected);
    check(stats.entries == expectedStats.entries && stats.lostCharacters == expectedStats.lostCharacters
          && stats.entriesWithLostCharacters == expectedStats.entriesWithLostCharacters
          && stats.cutAcrossMarkup == expectedStats.cutAcrossMarkup);
    check(stats.entries == paths.highestIndex());

    // Reading and writing in the code page, as Windows does.
    const detail::CodePageTables &windows = windowsTables(codePage.number());
    // (A UTF-8 byte-order mark is never text, whatever follows it.)
    if (text->encoding() == PlaylistEncoding::Ansi)
        check(decoded.text == windows::referenceDecode(windows, bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes));
    QByteArray written;
    qsizetype windowsLost = 0;
    const qsizetype lost = codePage.encodeInto(decoded.text, written);
    check(written == windows::referenceEncode(windows, decoded.text, &windowsLost) && lost == windowsLost);

    // The paths cannot add markup.
    checkDocumentShape(document, stats, [](bool condition) { check(condition); });
    return 0;
}
