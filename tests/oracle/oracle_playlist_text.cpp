#include "tests/oracle/oracle_playlist_text.h"

#include <QStringDecoder>

namespace velandry::oracle {

PlaylistText decodePlaylist(const QByteArray &bytes, CodePage codePage)
{
    const auto bom = QStringConverter::encodingForData(bytes);
    if (bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE) {
        // The decoder drops the mark; a trailing odd byte decodes as U+FFFD.
        QStringDecoder decoder(*bom, QStringConverter::Flag::Stateless);
        return {decoder.decode(bytes), PlaylistEncoding::Utf16};
    }

    // Stateless, so that a sequence cut off at the end of the file counts as an error.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return {std::move(text), PlaylistEncoding::Utf8};
    // A UTF-8 byte-order mark is no text in the code page either.
    const qsizetype mark = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return {codePage.decode(QByteArrayView(bytes).sliced(mark)), PlaylistEncoding::Ansi};
}

} // namespace velandry::oracle
