#include "engine/formats/xml_text.h"

#include <cstdint>
#include <cstring>

namespace velandry {

namespace {

char16_t unitAt(QByteArrayView text, qsizetype at)
{
    return std::uint8_t(text[at]);
}

char16_t unitAt(QStringView text, qsizetype at)
{
    return text[at].unicode();
}

// The character `name` (what stands between "&" and ";") stands for; 0 for
// none.
template <typename Text>
char32_t entity(Text name)
{
    const auto is = [&](const char *word) {
        qsizetype i = 0;
        for (; word[i]; ++i) {
            if (i >= name.size() || unitAt(name, i) != char16_t(word[i]))
                return false;
        }
        return i == name.size();
    };
    if (is("amp"))
        return '&';
    if (is("lt"))
        return '<';
    if (is("gt"))
        return '>';
    if (is("quot"))
        return '"';
    if (is("apos"))
        return '\'';
    if (name.size() < 2 || unitAt(name, 0) != u'#')
        return 0;
    const bool hex = unitAt(name, 1) == u'x' || unitAt(name, 1) == u'X';
    qsizetype at = hex ? 2 : 1;
    if (at >= name.size())
        return 0;
    char32_t number = 0;
    for (; at < name.size(); ++at) {
        const char16_t c = unitAt(name, at);
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return 0;
        number = number * (hex ? 16 : 10) + char32_t(digit);
        if (number > 0x10FFFF)
            return 0;
    }
    return number > 0 && (number < 0xD800 || number > 0xDFFF) ? number : 0;
}

// An entity's name is short: "&" with no ";" this close stands for itself.
constexpr qsizetype kLongestEntity = 10;

} // namespace

void appendXmlText(QByteArray &out, QByteArrayView data, XmlText kind)
{
    const bool lineEnds = kind != XmlText::AsWritten;
    const bool attribute = kind == XmlText::AttributeValue;
    const bool references = kind != XmlText::CdataSection;
    // Most text holds nothing to decode: taken whole.
    const auto holds = [&](char c) { return std::memchr(data.data(), c, size_t(data.size())) != nullptr; };
    if ((!references || !holds('&')) && (!lineEnds || !holds('\r'))
        && (!attribute || (!holds('\n') && !holds('\t')))) {
        out.append(data.data(), data.size());
        return;
    }
    const auto special = [&](char c) {
        return (references && c == '&') || (lineEnds && c == '\r') || (attribute && (c == '\n' || c == '\t'));
    };
    for (qsizetype i = 0; i < data.size(); ++i) {
        // Runs of plain characters in one step.
        qsizetype plain = i;
        while (plain < data.size() && !special(data[plain]))
            ++plain;
        if (plain > i) {
            out.append(data.data() + i, plain - i);
            i = plain - 1;
            continue;
        }
        const char c = data[i];
        if (c == '\r') {
            if (i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            out.append(attribute ? ' ' : '\n');
            continue;
        }
        if (c != '&') {
            out.append(' ');
            continue;
        }
        const qsizetype semicolon = data.indexOf(';', i + 1);
        const char32_t code = semicolon > i + 1 && semicolon - i - 1 <= kLongestEntity
                                  ? entity(data.sliced(i + 1, semicolon - i - 1))
                                  : 0;
        if (code == 0) {
            out.append('&');
            continue;
        }
        if (code < 0x80) {
            out.append(char(code));
        } else {
            const char32_t one[1] = {code};
            out.append(QString::fromUcs4(one, 1).toUtf8());
        }
        i = semicolon;
    }
}

QString decodedXmlText(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype semicolon = text[i] == u'&' ? text.indexOf(u';', i + 1) : -1;
        const char32_t code = semicolon > i + 1 && semicolon - i - 1 <= kLongestEntity
                                  ? entity(QStringView(text).sliced(i + 1, semicolon - i - 1))
                                  : 0;
        if (code == 0) {
            out.append(text[i]);
            continue;
        }
        const char32_t one[1] = {code};
        out.append(QString::fromUcs4(one, 1));
        i = semicolon;
    }
    return out;
}

QByteArray xmlDeclaredEncoding(QByteArrayView text)
{
    const QByteArrayView head = text.first(qMin<qsizetype>(text.size(), 512));
    if (!head.startsWith("<?xml"))
        return {};
    const qsizetype end = head.indexOf("?>");
    const qsizetype at = head.indexOf("encoding");
    if (at < 0 || (end >= 0 && at > end))
        return {};
    qsizetype quote = at + 8;
    while (quote < head.size() && (isXmlSpace(head[quote]) || head[quote] == '='))
        ++quote;
    if (quote >= head.size() || (head[quote] != '"' && head[quote] != '\''))
        return {};
    const qsizetype close = head.indexOf(head[quote], quote + 1);
    if (close < 0)
        return {};
    return head.sliced(quote + 1, close - quote - 1).trimmed().toByteArray();
}

} // namespace velandry
