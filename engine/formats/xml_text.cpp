#include "xml_text.h"

#include <QString>

namespace velandry {

namespace {

// The character `name` (what stands between "&" and ";") stands for; 0 for
// none.
char32_t entity(QByteArrayView name)
{
    if (name == "amp")
        return '&';
    if (name == "lt")
        return '<';
    if (name == "gt")
        return '>';
    if (name == "quot")
        return '"';
    if (name == "apos")
        return '\'';
    if (name.size() < 2 || name[0] != '#')
        return 0;
    bool ok = false;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const uint number = name.sliced(hex ? 2 : 1).toByteArray().toUInt(&ok, hex ? 16 : 10);
    return ok && number > 0 && number <= 0x10FFFF && (number < 0xD800 || number > 0xDFFF) ? number : 0;
}

} // namespace

void appendXmlText(QByteArray &out, QByteArrayView data, XmlText kind)
{
    const bool lineEnds = kind != XmlText::AsWritten;
    const bool attribute = kind == XmlText::AttributeValue;
    const auto special = [&](char c) {
        return c == '&' || (lineEnds && c == '\r') || (attribute && (c == '\n' || c == '\t'));
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
        const char32_t code =
            semicolon > i + 1 && semicolon - i - 1 <= 10 ? entity(data.sliced(i + 1, semicolon - i - 1)) : 0;
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

} // namespace velandry
