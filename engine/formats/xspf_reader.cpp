#include "engine/formats/entry_cut.h"
#include "engine/formats/entry_reader.h"
#include "engine/formats/text_lines.h"
#include "engine/formats/xml_text.h"

#include <QList>
#include <QUrl>

#include <cstring>

namespace velandry {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// "http:", "file:": a scheme of two letters or more. A single letter is a
// drive ("C:/Music/x.mp3"), which a playlist made on Windows may hold.
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

// Reads the XSPF markup with a scanner of its own: the elements' nesting, the
// track's first location and xml:base; a text whose markup does not close
// (cut short, a tag or quote never ended, an end tag that does not match) is
// refused with the line. The XML reader of Qt would check every rule of XML
// too, at a quarter of the speed; what it refuses beyond this does not stop a
// player either.
class XspfReader final : public EntryReader
{
public:
    XspfReader(QByteArrayView utf8, const QString &documentFolder)
        : text_(utf8), document_(QUrl::fromLocalFile(documentFolder.endsWith(u'/') ? documentFolder
                                                                                    : documentFolder + u'/'))
    {
    }

    Step next(QByteArrayView &found, qsizetype budget) override
    {
        const qsizetype stop = at_ + budget;
        while (at_ < text_.size()) {
            const auto *open = static_cast<const char *>(std::memchr(text_.data() + at_, '<', size_t(text_.size() - at_)));
            const qsizetype tagAt = open ? open - text_.data() : text_.size();
            if (inLocation_)
                appendXmlText(location_, text_.sliced(at_, tagAt - at_), XmlText::Content);
            if (!open) {
                at_ = text_.size();
                break;
            }
            at_ = tagAt;
            if (!markup())
                return Step::Failed;
            if (!found_.isNull()) {
                found = std::exchange(found_, QByteArrayView());
                return Step::Found;
            }
            if (at_ >= stop && at_ < text_.size())
                return Step::Paused;
        }
        if (!elements_.isEmpty() || !seenRoot_) {
            fault_ = {ReadFault::What::EndedEarly, lineAt(text_, text_.size())};
            return Step::Failed;
        }
        return Step::Ended;
    }

    qsizetype bytesRead() const override { return at_; }
    ReadFault fault() const override { return fault_; }

private:
    struct Element
    {
        QByteArrayView name;
        QUrl base;
    };

    bool fail(qsizetype at, ReadFault::What what)
    {
        fault_ = {what, lineAt(text_, at)};
        return false;
    }

    // Past what ends at `end`, from `from`; false where it never ends.
    bool skipPast(qsizetype from, QByteArrayView end)
    {
        const qsizetype found = text_.indexOf(end, from);
        if (found < 0)
            return false;
        at_ = found + end.size();
        return true;
    }

    // The markup at `at_` (a '<'). found_ is set where it ends a location.
    bool markup()
    {
        const qsizetype tagAt = at_;
        const QByteArrayView rest = text_.sliced(at_);
        const char second = rest.size() > 1 ? rest[1] : '\0';
        if (second != '!' && second != '?')
            return tag();
        if (rest.startsWith("<!--"))
            return skipPast(at_ + 4, "-->") || fail(tagAt, ReadFault::What::CommentNotClosed);
        if (rest.startsWith("<![CDATA[")) {
            const qsizetype end = text_.indexOf("]]>", at_ + 9);
            if (end < 0)
                return fail(tagAt, ReadFault::What::CdataNotClosed);
            if (inLocation_)
                appendXmlText(location_, text_.sliced(at_ + 9, end - at_ - 9), XmlText::CdataSection);
            at_ = end + 3;
            return true;
        }
        if (rest.startsWith("<?"))
            return skipPast(at_ + 2, "?>") || fail(tagAt, ReadFault::What::InstructionNotClosed);
        if (rest.startsWith("<!"))
            return skipPast(at_ + 2, ">") || fail(tagAt, ReadFault::What::DeclarationNotClosed);
        return true;
    }

    // A start or end tag at `at_`.
    bool tag()
    {
        const qsizetype tagAt = at_;
        const bool closing = at_ + 1 < text_.size() && text_[at_ + 1] == '/';
        qsizetype i = at_ + (closing ? 2 : 1);
        const qsizetype nameAt = i;
        while (i < text_.size() && !isXmlSpace(text_[i]) && text_[i] != '>' && text_[i] != '/')
            ++i;
        const QByteArrayView name = text_.sliced(nameAt, i - nameAt);
        if (name.isEmpty())
            return fail(tagAt, ReadFault::What::NameExpected);
        QByteArray base;
        bool empty = false;
        for (;;) {
            while (i < text_.size() && isXmlSpace(text_[i]))
                ++i;
            if (i >= text_.size())
                return fail(tagAt, ReadFault::What::EndedEarly);
            if (text_[i] == '>') {
                ++i;
                break;
            }
            if (!closing && text_[i] == '/' && i + 1 < text_.size() && text_[i + 1] == '>') {
                empty = true;
                i += 2;
                break;
            }
            if (closing)
                return fail(tagAt, ReadFault::What::GreaterThanExpected);
            const qsizetype attributeAt = i;
            while (i < text_.size() && !isXmlSpace(text_[i]) && text_[i] != '=' && text_[i] != '>' && text_[i] != '/')
                ++i;
            const QByteArrayView attribute = text_.sliced(attributeAt, i - attributeAt);
            while (i < text_.size() && isXmlSpace(text_[i]))
                ++i;
            if (attribute.isEmpty() || i >= text_.size() || text_[i] != '=')
                return fail(tagAt, ReadFault::What::EqualsExpected);
            ++i;
            while (i < text_.size() && isXmlSpace(text_[i]))
                ++i;
            if (i >= text_.size() || (text_[i] != '"' && text_[i] != '\''))
                return fail(tagAt, ReadFault::What::QuotedValueExpected);
            const qsizetype close = text_.indexOf(text_[i], i + 1);
            if (close < 0)
                return fail(tagAt, ReadFault::What::EndedEarly);
            if (attribute == "xml:base") {
                base.clear();
                appendXmlText(base, text_.sliced(i + 1, close - i - 1), XmlText::AttributeValue);
            }
            i = close + 1;
        }
        at_ = i;
        if (closing) {
            if (elements_.isEmpty() || elements_.constLast().name != name)
                return fail(tagAt, ReadFault::What::TagMismatch);
            ended();
            return true;
        }
        seenRoot_ = true;
        started(name, QString::fromUtf8(base));
        if (empty)
            ended();
        return true;
    }

    // Whether `name`, less any prefix ("xspf:track"), is `local`.
    static bool named(QByteArrayView name, QByteArrayView local)
    {
        return name.endsWith(local) && (name.size() == local.size() || name[name.size() - local.size() - 1] == ':');
    }

    // `base`: its xml:base, empty for none.
    void started(QByteArrayView name, const QString &base)
    {
        // Each element's base: its parent's, or its own resolved against it;
        // the first is resolved against the document's own place.
        QUrl here = elements_.isEmpty() ? QUrl() : elements_.constLast().base;
        if (!base.isEmpty())
            here = (here.isEmpty() ? document_ : here).resolved(QUrl(base));
        elements_.append({name, here});
        const qsizetype depth = elements_.size();
        if (trackDepth_ == 0 && named(name, "track")) {
            trackDepth_ = depth;
            locationTaken_ = false;
        } else if (trackDepth_ > 0 && depth == trackDepth_ + 1 && !locationTaken_ && named(name, "location")) {
            inLocation_ = true;
            location_.clear();
        }
    }

    // Sets found_ where the element ends a track's first location.
    void ended()
    {
        const qsizetype depth = elements_.size();
        const QUrl base = elements_.takeLast().base;
        if (depth == trackDepth_)
            trackDepth_ = 0;
        if (!inLocation_ || depth != trackDepth_ + 1)
            return;
        inLocation_ = false;
        locationTaken_ = true;
        // Most locations are ASCII at both ends and have no base to resolve
        // against: read as bytes, as the rest of this does for them.
        const QByteArrayView bytes = QByteArrayView(location_).trimmed();
        if (base.isEmpty() && !bytes.isEmpty() && uchar(bytes.front()) < 0x80 && uchar(bytes.back()) < 0x80) {
            const QString head = QString::fromLatin1(bytes.first(qMin<qsizetype>(bytes.size(), 64)));
            const bool drive = bytes.size() > 2 && isAsciiLetter(QLatin1Char(bytes[0])) && bytes[1] == ':'
                               && (bytes[2] == '/' || bytes[2] == '\\');
            if (drive || hasScheme(head)) {
                found_ = bytes;
            } else {
                entry_.resize(0);
                entry_paths::appendPercentDecoded(bytes, entry_);
                found_ = entry_;
            }
            return;
        }
        const QString location = QString::fromUtf8(location_).trimmed();
        if (location.isEmpty())
            return;
        const bool drive = location.size() > 2 && isAsciiLetter(location[0]) && location[1] == u':'
                           && (location[2] == u'/' || location[2] == u'\\');
        // A Windows network path names a server's share, whatever the base.
        const bool unc = location.startsWith(QStringLiteral("\\\\"));
        QString resolved = location;
        if (!base.isEmpty() && !drive && !unc)
            resolved = base.resolved(QUrl(location)).toString(QUrl::FullyEncoded);
        // A location that is still relative names a file beside the playlist.
        entry_ = resolved.toUtf8();
        if (!drive && !hasScheme(resolved))
            entry_ = QByteArray::fromPercentEncoding(entry_);
        found_ = entry_;
    }

    QByteArrayView text_;
    qsizetype at_ = 0;
    QList<Element> elements_;
    bool seenRoot_ = false;
    qsizetype trackDepth_ = 0;
    bool locationTaken_ = false;
    bool inLocation_ = false;
    QByteArray location_;
    QByteArray entry_;
    QByteArrayView found_; // the location just ended, null while none
    QUrl document_; // the folder the playlist is in, as a URL ending in "/"
    ReadFault fault_;
};

} // namespace

std::unique_ptr<EntryReader> readXspf(QByteArrayView utf8, const QString &documentFolder)
{
    return std::make_unique<XspfReader>(utf8, documentFolder);
}

} // namespace velandry
