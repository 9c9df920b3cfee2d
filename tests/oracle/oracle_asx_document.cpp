#include "oracle_asx_document.h"

#include <QBuffer>

namespace velandry::oracle {

namespace {

constexpr char kHeader[] = "<ASX version = \"3.0\">\r\n"
                           "        <PARAM NAME = \"Custom Playlist Version\" VALUE = \"V1.0 WMP8 for CE\" />\r\n";
constexpr char kEntryOpen[] = "    <ENTRY>\r\n"
                              "        <ref href = \"";
constexpr char kEntryClose[] = "\" />\r\n"
                               "    </ENTRY>\r\n";
constexpr char kFooter[] = "</ASX>\r\n";

constexpr qsizetype kFlushThreshold = qsizetype(1) << 20;

// Appends one path, with "&apos;" replaced and markup characters escaped.
// Returns true when the path held markup.
bool appendPath(QStringView path, QByteArray &out, qsizetype &lost, const CodePage &codePage)
{
    bool heldMarkup = false;
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype upTo) {
        lost += codePage.encodeInto(path.sliced(runStart, upTo - runStart), out);
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        const char *replacement = nullptr;
        qsizetype consumed = 1;
        switch (unit) {
        case u'&':
            if (path.sliced(i).startsWith(u"&apos;")) {
                replacement = "'";
                consumed = 6;
            }
            break;
        case u'"':
            replacement = "&quot;";
            break;
        case u'<':
            replacement = "&lt;";
            break;
        case u'>':
            replacement = "&gt;";
            break;
        default:
            break;
        }
        if (!replacement)
            continue;
        heldMarkup = heldMarkup || consumed == 1;
        flushRun(i);
        out.append(replacement);
        i += consumed - 1;
        runStart = i + 1;
    }
    flushRun(path.size());
    return heldMarkup;
}

} // namespace

WriteOutcome writeAsxDocument(QIODevice &device, const MediaPaths &paths, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats, const WriteProgress &progress)
{
    AsxStats local;
    local.codePage = codePage.number();
    QByteArray out;
    out.reserve(kFlushThreshold + 4096);
    qint64 written = 0;
    auto flush = [&] {
        if (device.write(out) != out.size())
            return WriteOutcome::DeviceFailed;
        written += out.size();
        out.resize(0); // keeps the capacity
        if (progress && !progress(written))
            return WriteOutcome::Stopped;
        return WriteOutcome::Written;
    };

    QByteArray folder;
    const qsizetype folderLost = codePage.encodeInto(mediaFolder, folder);

    out.append(kHeader);
    for (qsizetype i = 1; i <= paths.highestIndex(); ++i) {
        out.append(kEntryOpen);
        out.append(folder);
        qsizetype lost = folderLost;
        if (appendPath(paths.slot(i), out, lost, codePage))
            ++local.cutAcrossMarkup;
        local.lostCharacters += lost;
        local.entriesWithLostCharacters += lost > 0 ? 1 : 0;
        out.append(kEntryClose);
        ++local.entries;
        if (out.size() >= kFlushThreshold) {
            if (const WriteOutcome outcome = flush(); outcome != WriteOutcome::Written)
                return outcome;
        }
    }
    out.append(kFooter);
    if (const WriteOutcome outcome = flush(); outcome != WriteOutcome::Written)
        return outcome;
    if (stats)
        *stats = local;
    return WriteOutcome::Written;
}

QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage, AsxStats *stats)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeAsxDocument(buffer, paths, mediaFolder, codePage, stats);
    return bytes;
}

qint64 expectedAsxSize(const MediaPaths &paths, QStringView mediaFolder)
{
    const qint64 perEntry = qint64(sizeof kEntryOpen - 1 + sizeof kEntryClose - 1) + mediaFolder.size();
    return qint64(sizeof kHeader - 1 + sizeof kFooter - 1) + perEntry * paths.highestIndex() + paths.totalLength();
}

} // namespace velandry::oracle
