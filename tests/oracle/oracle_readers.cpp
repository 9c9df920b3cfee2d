#include "oracle_readers.h"

#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace velandry::oracle {

namespace {

QList<QByteArray> linesOf(QByteArray text)
{
    text.replace("\r\n", "\n").replace('\r', '\n');
    return text.split('\n');
}

} // namespace

QList<QByteArray> m3uEntries(const QByteArray &text)
{
    QList<QByteArray> entries;
    for (const QByteArray &line : linesOf(text)) {
        const QByteArray entry = line.trimmed();
        if (!entry.isEmpty() && !entry.startsWith('#'))
            entries.append(entry);
    }
    return entries;
}

QList<QByteArray> plsEntries(const QByteArray &text)
{
    QList<std::pair<qint64, QByteArray>> numbered;
    for (const QByteArray &line : linesOf(text)) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.size() < 6 || trimmed.first(4).toLower() != "file")
            continue;
        qsizetype at = 4;
        qint64 number = 0;
        for (; at < trimmed.size() && std::isdigit(static_cast<unsigned char>(trimmed[at])); ++at)
            number = number > (qint64(1) << 59) ? qint64(1) << 60
                                                 : std::min(qint64(1) << 60, number * 10 + (trimmed[at] - '0'));
        if (at == 4)
            continue;
        while (at < trimmed.size() && (trimmed[at] == ' ' || trimmed[at] == '\t'))
            ++at;
        if (at >= trimmed.size() || trimmed[at] != '=')
            continue;
        const QByteArray value = trimmed.sliced(at + 1).trimmed();
        if (!value.isEmpty())
            numbered.append({number, value});
    }
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QByteArray> entries;
    for (const auto &[number, value] : numbered)
        entries.append(value);
    return entries;
}

std::optional<QList<QByteArray>> xspfEntries(const QByteArray &text)
{
    // The whole text as a string: its declaration's encoding does not count.
    QXmlStreamReader xml(QString::fromUtf8(text));
    QList<QUrl> bases;
    QList<QByteArray> entries;
    qsizetype track = 0;
    bool taken = false;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            QUrl base = bases.isEmpty() ? QUrl() : bases.last();
            const QString own = xml.attributes().value(QStringLiteral("http://www.w3.org/XML/1998/namespace"),
                                                       QStringLiteral("base")).toString();
            if (!own.isEmpty())
                base = base.isEmpty() ? QUrl(own) : base.resolved(QUrl(own));
            bases.append(base);
            if (xml.name() == QLatin1String("track") && track == 0) {
                track = bases.size();
                taken = false;
            } else if (xml.name() == QLatin1String("location") && track > 0 && bases.size() == track + 1 && !taken) {
                taken = true;
                const QString location = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                bases.removeLast();
                if (xml.hasError())
                    break;
                if (location.isEmpty())
                    continue;
                static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[/\\\\]"));
                static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
                QString resolved = location;
                if (!base.isEmpty() && !drive.match(location).hasMatch())
                    resolved = base.resolved(QUrl(location)).toString(QUrl::FullyEncoded);
                // A location that resolves to no address at all names nothing.
                if (resolved.isEmpty())
                    continue;
                if (drive.match(location).hasMatch() || scheme.match(resolved).hasMatch())
                    entries.append(resolved.toUtf8());
                else
                    entries.append(QByteArray::fromPercentEncoding(resolved.toUtf8()));
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (bases.size() == track)
                track = 0;
            bases.removeLast();
        }
    }
    if (xml.hasError())
        return std::nullopt;
    return entries;
}

std::optional<QList<QByteArray>> asxEntries(const QByteArray &text,
                                            const std::function<bool(const QByteArray &)> &preferred)
{
    const auto isName = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.'; };
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const auto decode = [](const QByteArray &value) {
        QByteArray out;
        for (qsizetype i = 0; i < value.size(); ++i) {
            const qsizetype semicolon = value.indexOf(';', i + 1);
            if (value[i] != '&' || semicolon < 0 || semicolon - i - 1 > 10 || semicolon == i + 1) {
                out.append(value[i]);
                continue;
            }
            const QByteArray name = value.sliced(i + 1, semicolon - i - 1);
            static const QList<std::pair<QByteArray, char>> named{{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
            QByteArray replacement;
            for (const auto &[entity, character] : named) {
                if (name == entity)
                    replacement = QByteArray(1, character);
            }
            if (replacement.isEmpty() && name.size() > 1 && name[0] == '#') {
                bool ok = false;
                const bool hex = name[1] == 'x' || name[1] == 'X';
                const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
                if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                    const char32_t one[1] = {code};
                    replacement = QString::fromUcs4(one, 1).toUtf8();
                }
            }
            if (replacement.isEmpty()) {
                out.append('&');
                continue;
            }
            out.append(replacement);
            i = semicolon;
        }
        return out;
    };

    QList<QByteArray> entries;
    bool asx = false;
    bool entry = false;
    bool anyEntry = false;
    QByteArray chosen;
    QByteArray first;
    const auto close = [&] {
        if (!chosen.isNull())
            entries.append(chosen);
        else if (!first.isNull())
            entries.append(first);
        chosen = first = QByteArray();
    };
    qsizetype i = 0;
    while ((i = text.indexOf('<', i)) >= 0) {
        const qsizetype open = i;
        const auto skipPast = [&](const char *end) {
            const qsizetype at = text.indexOf(end, i);
            return at < 0 ? qsizetype(-1) : at + qsizetype(std::strlen(end));
        };
        if (text.sliced(i).startsWith("<!--") || text.sliced(i).startsWith("<?") || text.sliced(i).startsWith("<!")) {
            i = skipPast(text.sliced(i).startsWith("<!--") ? "-->" : text.sliced(i).startsWith("<?") ? "?>" : ">");
            if (i < 0)
                return std::nullopt;
            continue;
        }
        ++i;
        const bool closing = i < text.size() && text[i] == '/';
        if (closing)
            ++i;
        qsizetype nameEnd = i;
        while (nameEnd < text.size() && isName(text[nameEnd]))
            ++nameEnd;
        const QByteArray name = text.sliced(i, nameEnd - i).toLower();
        if (name.isEmpty())
            continue;
        i = nameEnd;
        // Attributes up to the '>' outside quotes.
        QByteArray href;
        bool hasHref = false;
        bool ended = false;
        while (i < text.size()) {
            if (isSpace(text[i]) || text[i] == '/') {
                ++i;
                continue;
            }
            if (text[i] == '>') {
                ended = true;
                ++i;
                break;
            }
            qsizetype attributeEnd = i;
            while (attributeEnd < text.size() && !isSpace(text[attributeEnd]) && text[attributeEnd] != '=' && text[attributeEnd] != '>')
                ++attributeEnd;
            const QByteArray attribute = text.sliced(i, attributeEnd - i).toLower();
            i = attributeEnd;
            while (i < text.size() && isSpace(text[i]))
                ++i;
            if (i >= text.size() || text[i] != '=')
                continue;
            ++i;
            while (i < text.size() && isSpace(text[i]))
                ++i;
            if (i >= text.size())
                break;
            QByteArray value;
            if (text[i] == '"' || text[i] == '\'') {
                const qsizetype quote = text.indexOf(text[i], i + 1);
                if (quote < 0)
                    break;
                value = text.sliced(i + 1, quote - i - 1);
                i = quote + 1;
            } else {
                const qsizetype start = i;
                while (i < text.size() && !isSpace(text[i]) && text[i] != '>')
                    ++i;
                value = text.sliced(start, i - start);
            }
            if (attribute == "href" && !hasHref) {
                href = value;
                hasHref = true;
            }
        }
        if (!ended)
            return std::nullopt;
        Q_UNUSED(open);
        if (name == "asx") {
            asx = true;
        } else if (name == "entry") {
            anyEntry = true;
            if (entry)
                close();
            entry = !closing;
        } else if (name == "ref" && entry && !closing && hasHref && chosen.isNull()) {
            const QByteArray decoded = decode(href.trimmed());
            if (!decoded.isEmpty()) {
                if (preferred(decoded))
                    chosen = decoded;
                else if (first.isNull())
                    first = decoded;
            }
        }
    }
    if (!asx && !anyEntry)
        return std::nullopt;
    if (entry)
        close();
    return entries;
}

} // namespace velandry::oracle
