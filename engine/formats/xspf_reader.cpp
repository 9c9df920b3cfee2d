#include "entry_reader.h"
#include "text_lines.h"

#include <QList>
#include <QUrl>
#include <QXmlStreamReader>

namespace velandry {

namespace {

constexpr qsizetype kPiece = qsizetype(1) << 20;

// "http:", "file:": a scheme of two letters or more. A single letter is a
// drive ("C:/Music/x.mp3"), which a playlist made on Windows may hold.
bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool hasScheme(QStringView text)
{
    if (text.isEmpty() || !isAsciiLetter(text[0]))
        return false;
    qsizetype at = 1;
    while (at < text.size()
           && (isAsciiLetter(text[at]) || (text[at] >= u'0' && text[at] <= u'9') || text[at] == u'+'
               || text[at] == u'-' || text[at] == u'.'))
        ++at;
    return at >= 2 && at < text.size() && text[at] == u':';
}

// Fed to the XML reader a piece at a time, as it asks for more, so that it
// holds no more than a piece of the text.
class XspfReader final : public EntryReader
{
public:
    explicit XspfReader(QByteArrayView utf8) : text_(utf8)
    {
        xml_.setNamespaceProcessing(true);
        // The text is UTF-8, whatever its declaration says: where the file was
        // not, it has been converted.
        xml_.addData(QString());
    }

    Step next(QByteArray &entry, qsizetype budget) override
    {
        const qsizetype stop = fed_ + budget;
        for (;;) {
            switch (xml_.readNext()) {
            case QXmlStreamReader::StartElement:
                started();
                break;
            case QXmlStreamReader::EndElement:
                if (ended(entry))
                    return Step::Found;
                break;
            case QXmlStreamReader::Characters:
                if (inLocation_)
                    location_ += xml_.text();
                break;
            case QXmlStreamReader::EndDocument:
                return Step::Ended;
            case QXmlStreamReader::Invalid:
                if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError && fed_ < text_.size()) {
                    if (fed_ >= stop)
                        return Step::Paused;
                    const qsizetype piece = qMin(kPiece, text_.size() - fed_);
                    xml_.addData(QByteArray::fromRawData(text_.data() + fed_, piece));
                    fed_ += piece;
                    break;
                }
                fault_ = {ReadFault::What::NotXml, xml_.lineNumber(), xml_.errorString()};
                return Step::Failed;
            default:
                break;
            }
        }
    }

    qsizetype bytesRead() const override { return fed_; }
    ReadFault fault() const override { return fault_; }

private:
    void started()
    {
        const QXmlStreamAttributes attributes = xml_.attributes();
        const QStringView base = attributes.value(QStringLiteral("http://www.w3.org/XML/1998/namespace"), QStringLiteral("base"));
        // Each element's base: its parent's, or its own resolved against it.
        QUrl here = bases_.isEmpty() ? QUrl() : bases_.constLast();
        if (!base.isEmpty())
            here = here.isEmpty() ? QUrl(base.toString()) : here.resolved(QUrl(base.toString()));
        bases_.append(here);
        const qsizetype depth = bases_.size();
        const QStringView name = xml_.name();
        if (name == u"track" && trackDepth_ == 0) {
            trackDepth_ = depth;
            locationTaken_ = false;
        } else if (name == u"location" && depth == trackDepth_ + 1 && trackDepth_ > 0 && !locationTaken_) {
            inLocation_ = true;
            location_.clear();
        }
    }

    bool ended(QByteArray &entry)
    {
        const qsizetype depth = bases_.size();
        const QUrl base = bases_.isEmpty() ? QUrl() : bases_.takeLast();
        if (depth == trackDepth_)
            trackDepth_ = 0;
        if (!inLocation_ || depth != trackDepth_ + 1)
            return false;
        inLocation_ = false;
        locationTaken_ = true;
        const QString location = location_.trimmed();
        if (location.isEmpty())
            return false;
        const bool drive = location.size() > 2 && isAsciiLetter(location[0]) && location[1] == u':'
                           && (location[2] == u'/' || location[2] == u'\\');
        QString resolved = location;
        if (!base.isEmpty() && !drive)
            resolved = base.resolved(QUrl(location)).toString(QUrl::FullyEncoded);
        // A location that is still relative names a file beside the playlist.
        if (drive || hasScheme(resolved))
            entry = resolved.toUtf8();
        else
            entry = QByteArray::fromPercentEncoding(resolved.toUtf8());
        return true;
    }

    QByteArrayView text_;
    QXmlStreamReader xml_;
    qsizetype fed_ = 0;
    QList<QUrl> bases_; // one per open element
    qsizetype trackDepth_ = 0;
    bool locationTaken_ = false;
    bool inLocation_ = false;
    QString location_;
    ReadFault fault_;
};

} // namespace

std::unique_ptr<EntryReader> readXspf(QByteArrayView utf8)
{
    return std::make_unique<XspfReader>(utf8);
}

} // namespace velandry
