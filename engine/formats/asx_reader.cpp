#include "engine/formats/entry_reader.h"
#include "engine/formats/text_lines.h"
#include "engine/formats/xml_text.h"

#include <QString>

#include <cstring>

namespace velandry {

namespace {

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
           || c == ':' || c == '.';
}

bool sameName(QByteArrayView name, const char *lower)
{
    const auto length = qsizetype(std::strlen(lower));
    if (name.size() != length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        if (char(name[i] | 0x20) != lower[i])
            return false;
    }
    return true;
}

// Reads the markup as a tolerant tag scanner, not as XML: ASX files in the wild
// are seldom well-formed.
class AsxReader final : public EntryReader
{
public:
    AsxReader(QByteArrayView utf8, std::function<bool(QByteArrayView)> preferred)
        : text_(utf8), preferred_(std::move(preferred))
    {
    }

    Step next(QByteArrayView &entry, qsizetype budget) override
    {
        const qsizetype stop = at_ + budget;
        while (at_ < text_.size()) {
            const auto *open = static_cast<const char *>(std::memchr(text_.data() + at_, '<', size_t(text_.size() - at_)));
            if (!open) {
                at_ = text_.size();
                break;
            }
            const qsizetype tagAt = open - text_.data();
            const Tag tag = readTag(tagAt);
            if (tag.end < 0) {
                fault_ = {ReadFault::What::TagNotClosed, lineAt(text_, tagAt)};
                return Step::Failed;
            }
            at_ = tag.end;
            if (takeTag(tag) && !chosen_.isNull())
                return hand(chosen_, entry);
            if (at_ >= stop)
                return Step::Paused;
        }
        if (!seenAsx_ && !seenEntry_) {
            fault_ = {ReadFault::What::NoAsxElement, 1};
            return Step::Failed;
        }
        // An ENTRY left open at the end still counts.
        if (inEntry_) {
            inEntry_ = false;
            if (!chosen_.isNull())
                return hand(chosen_, entry);
            if (!first_.isNull())
                return hand(first_, entry);
        }
        return Step::Ended;
    }

    qsizetype bytesRead() const override { return at_; }
    ReadFault fault() const override { return fault_; }

private:
    // Hands out `taken` as the entry found, leaving it null for the next.
    Step hand(QByteArray &taken, QByteArrayView &entry)
    {
        std::swap(handed_, taken);
        taken = QByteArray();
        entry = handed_;
        return Step::Found;
    }

    struct Tag
    {
        qsizetype end = -1; // just after the '>'; -1: it never ends
        bool closing = false;
        QByteArrayView name;
        QByteArrayView href; // the HREF attribute's value as written
        bool hasHref = false;
    };

    // The tag at `at` (which holds '<'). Comments, declarations and
    // processing instructions are passed over whole.
    Tag readTag(qsizetype at) const
    {
        Tag tag;
        const QByteArrayView rest = text_.sliced(at);
        const auto skipTo = [&](QByteArrayView end) {
            const qsizetype found = rest.indexOf(end);
            tag.end = found < 0 ? -1 : at + found + end.size();
            return tag;
        };
        const char second = rest.size() > 1 ? rest[1] : '\0';
        if (second == '!')
            return skipTo(rest.startsWith("<!--") ? QByteArrayView("-->") : QByteArrayView(">"));
        if (second == '?')
            return skipTo("?>");
        qsizetype i = 1;
        if (i < rest.size() && rest[i] == '/') {
            tag.closing = true;
            ++i;
        }
        const qsizetype nameAt = i;
        while (i < rest.size() && isNameCharacter(rest[i]))
            ++i;
        tag.name = rest.sliced(nameAt, i - nameAt);
        if (tag.name.isEmpty()) {
            tag.end = at + 1; // a "<" of the text itself
            return tag;
        }
        // Attributes: a name, spaces and "=" with spaces, a value in either
        // quote or none.
        while (i < rest.size()) {
            while (i < rest.size() && (isXmlSpace(rest[i]) || rest[i] == '/'))
                ++i;
            if (i >= rest.size())
                break;
            if (rest[i] == '>') {
                tag.end = at + i + 1;
                return tag;
            }
            const qsizetype attributeAt = i;
            while (i < rest.size() && !isXmlSpace(rest[i]) && rest[i] != '=' && rest[i] != '>')
                ++i;
            const QByteArrayView attribute = rest.sliced(attributeAt, i - attributeAt);
            while (i < rest.size() && isXmlSpace(rest[i]))
                ++i;
            if (i >= rest.size() || rest[i] != '=')
                continue; // an attribute without a value
            ++i;
            while (i < rest.size() && isXmlSpace(rest[i]))
                ++i;
            if (i >= rest.size())
                break;
            qsizetype valueAt = i;
            qsizetype valueEnd = i;
            if (rest[i] == '"' || rest[i] == '\'') {
                const qsizetype close = rest.indexOf(rest[i], i + 1);
                if (close < 0)
                    break;
                valueAt = i + 1;
                valueEnd = close;
                i = close + 1;
            } else {
                while (i < rest.size() && !isXmlSpace(rest[i]) && rest[i] != '>')
                    ++i;
                valueEnd = i;
            }
            if (sameName(attribute, "href") && !tag.hasHref) {
                tag.href = rest.sliced(valueAt, valueEnd - valueAt);
                tag.hasHref = true;
            }
        }
        return tag; // end stays -1: the text ends inside the tag
    }

    // True when the tag ends an entry.
    bool takeTag(const Tag &tag)
    {
        if (sameName(tag.name, "asx")) {
            seenAsx_ = true;
            return false;
        }
        if (sameName(tag.name, "entry")) {
            seenEntry_ = true;
            // A new ENTRY, or the end of one, ends the one before.
            const bool ending = inEntry_;
            if (ending && chosen_.isNull())
                chosen_ = std::exchange(first_, QByteArray());
            first_ = QByteArray();
            inEntry_ = !tag.closing;
            if (!ending)
                chosen_ = QByteArray();
            return ending;
        }
        if (inEntry_ && !tag.closing && tag.hasHref && sameName(tag.name, "ref") && chosen_.isNull()) {
            QByteArray href;
            appendXmlText(href, tag.href.trimmed(), XmlText::AsWritten);
            if (!href.isEmpty()) {
                if (preferred_(href))
                    chosen_ = std::move(href);
                else if (first_.isNull())
                    first_ = std::move(href);
            }
        }
        return false;
    }

    QByteArrayView text_;
    std::function<bool(QByteArrayView)> preferred_;
    qsizetype at_ = 0;
    bool seenAsx_ = false;
    bool seenEntry_ = false;
    bool inEntry_ = false;
    QByteArray chosen_; // the REF taken for the open ENTRY, null while none
    QByteArray first_;  // its first REF, where none is preferred
    QByteArray handed_; // the entry last found
    ReadFault fault_;
};

} // namespace

std::unique_ptr<EntryReader> readAsx(QByteArrayView utf8, std::function<bool(QByteArrayView)> preferred)
{
    return std::make_unique<AsxReader>(utf8, std::move(preferred));
}

} // namespace velandry
