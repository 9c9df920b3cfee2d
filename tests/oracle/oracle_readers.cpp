#include "tests/oracle/oracle_readers.h"

#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>

namespace velandry::oracle {

std::optional<QList<QByteArray>> xspfEntries(const QByteArray &text, const QString &documentFolder)
{
    // XML Base: a relative base is resolved against the document's own place.
    const QUrl document = QUrl::fromLocalFile(documentFolder + u'/');
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
                base = (base.isEmpty() ? document : base).resolved(QUrl(own));
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
                // A Windows network path is no reference relative to any base.
                const bool unc = location.startsWith(QStringLiteral("\\\\"));
                if (!base.isEmpty() && !drive.match(location).hasMatch() && !unc)
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

} // namespace velandry::oracle
