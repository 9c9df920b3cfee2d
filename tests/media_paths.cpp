#include "tests/media_paths.h"

#include "engine/utf8_text.h"
#include "engine/formats/wpl_references.h"

#include <QBuffer>

namespace velandry {

namespace {

const std::uint8_t *bytesOf(QByteArrayView text)
{
    return reinterpret_cast<const std::uint8_t *>(text.data());
}

// The path of `reference` as UTF-16 text.
QString pathOf(QByteArrayView text, const Reference &reference)
{
    if (reference.isEmpty())
        return {};
    const std::uint8_t *const data = bytesOf(text);
    const std::uint8_t *const end = data + text.size();
    QString path;
    qsizetype from = reference.begin.byte;
    if (reference.begin.afterHighHalf) {
        const detail::Utf8Character pair = detail::decodeUtf8(data + from, end);
        path.append(QChar(QChar::lowSurrogate(pair.codePoint)));
        from += pair.length;
    }
    if (from < reference.end.byte)
        path.append(detail::fromWtf8(text.sliced(from, reference.end.byte - from)));
    if (reference.end.afterHighHalf)
        path.append(QChar(QChar::highSurrogate(detail::decodeUtf8(data + reference.end.byte, end).codePoint)));
    return path;
}

// The slots of a list as a document's entries.
class ListedPaths final : public EntrySource
{
public:
    explicit ListedPaths(const MediaPaths &paths)
    {
        for (qsizetype i = 1; i <= paths.highestIndex(); ++i)
            paths_.append(detail::toWtf8(paths.slot(i)));
    }

    Step next(QByteArrayView &text, Reference &path, qsizetype) override
    {
        if (next_ >= paths_.size())
            return Step::Ended;
        text = paths_[next_++];
        path = Reference{{0, false}, {text.size(), false}};
        return Step::Found;
    }
    qsizetype bytesScanned() const override { return next_; }
    void rewind() override { next_ = 0; }
    EntryText entryText() const override { return EntryText::AsMarkup; }

private:
    QList<QByteArray> paths_;
    qsizetype next_ = 0;
};

} // namespace

QStringList MediaPaths::toStringList() const
{
    return slots_.isEmpty() ? QStringList{QString()} : slots_;
}

MediaPaths extractMediaPaths(const QString &playlistText, QStringView mediaType)
{
    MediaPaths paths;
    const QByteArray text = detail::toWtf8(playlistText);
    ReferenceScanner scanner(text, mediaType);
    Reference reference;
    for (;;) {
        const ReferenceScanner::Step step = scanner.next(reference);
        if (step == ReferenceScanner::Step::Ended)
            break;
        if (step == ReferenceScanner::Step::Found)
            paths.slots_.append(pathOf(text, reference));
    }
    return paths;
}

QByteArray asxDocument(const MediaPaths &paths, QStringView mediaFolder, CodePage codePage, AsxStats *stats)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ListedPaths listed(paths);
    writeAsxDocument(buffer, listed, 0, mediaFolder, codePage, stats);
    return bytes;
}

WriteOutcome writeAsxDocument(QIODevice &device, QByteArrayView utf8, QStringView mediaType, QStringView mediaFolder,
                              CodePage codePage, AsxStats *stats, const ProgressCheck &progress)
{
    WplReferences references(utf8, mediaType);
    return writeAsxDocument(device, references, utf8.size(), mediaFolder, codePage, stats, progress);
}

} // namespace velandry
