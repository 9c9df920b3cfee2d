#include "tests/oracle/oracle_asx_document.h"

namespace velandry::oracle {

namespace {

constexpr char kHeader[] = "<ASX version = \"3.0\">\r\n"
                           "        <PARAM NAME = \"Custom Playlist Version\" VALUE = \"V1.0 WMP8 for CE\" />\r\n";
constexpr char kEntryOpen[] = "    <ENTRY>\r\n"
                              "        <ref href = \"";
constexpr char kEntryClose[] = "\" />\r\n"
                               "    </ENTRY>\r\n";
constexpr char kFooter[] = "</ASX>\r\n";

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

QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage, AsxStats *stats)
{
    AsxStats local;
    local.codePage = codePage.number();
    QByteArray folder;
    const qsizetype folderLost = codePage.encodeInto(mediaFolder, folder);
    QByteArray out = kHeader;
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
    }
    out.append(kFooter);
    if (stats)
        *stats = local;
    return out;
}

} // namespace velandry::oracle
