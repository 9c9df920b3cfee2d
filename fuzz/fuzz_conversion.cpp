// libFuzzer target: bytes of a playlist through decoding, extraction, the
// document writer and the code page, with the media type taken from the input.
// Besides the sanitizers it checks the invariants of the output, that the code
// page reads and writes the text exactly as Windows does (its answers in
// tests/data/code-pages) and, for small texts, that the fast scan agrees with
// the literal one.
#include "asx_document.h"
#include "media_paths.h"
#include "playlist_text.h"
#include "reference_scan.h"
#include "windows_tables.h"

#include <QByteArray>
#include <QMap>

#include <cstdint>
#include <cstdlib>

using namespace velandry;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

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

    const PlaylistText decoded = decodePlaylist(bytes, codePage);
    const detail::CodePageTables &windows = windowsTables(codePage.number());
    if (decoded.encoding == PlaylistEncoding::Ansi)
        check(decoded.text == windows::referenceDecode(windows, bytes));
    {
        QByteArray written;
        qsizetype lost = 0;
        qsizetype windowsLost = 0;
        lost = codePage.encodeInto(decoded.text, written);
        check(written == windows::referenceEncode(windows, decoded.text, &windowsLost));
        check(lost == windowsLost);
    }
    const MediaPaths paths = extractMediaPaths(decoded.text, mediaType);
    check(paths.highestIndex() >= 1);
    if (decoded.text.size() <= 600)
        check(paths.toStringList() == reference::referenceExtract(decoded.text, mediaType));

    AsxStats stats;
    const QByteArray document = asxDocument(paths, u"\\CF-Card\\My Music\\", codePage, &stats);
    check(stats.entries == paths.highestIndex());
    check(document.startsWith("<ASX version = \"3.0\">\r\n"));
    check(document.endsWith("    </ENTRY>\r\n</ASX>\r\n"));
    // The paths cannot add markup: one element a line, as written. (No trail
    // byte of a double-byte code page lies below 0x40.)
    check(document.count("<ENTRY>") == stats.entries);
    check(document.count('<') == 3 + 3 * stats.entries);
    check(document.count('"') == 6 + 2 * stats.entries);
    for (const char byte : document)
        check(static_cast<unsigned char>(byte) >= 0x20 || byte == '\t' || byte == '\r' || byte == '\n');
    return 0;
}
