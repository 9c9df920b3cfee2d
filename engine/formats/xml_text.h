#pragma once

// Character data of XML markup, read once: the XML playlists' readers decode
// their entries with it, and the card check reads a written entry back with
// it as the device does.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace velandry {

inline bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// How character data is read: as written, as an element's content (line ends
// as LF), as a CDATA section's (line ends as LF, nothing else decoded), or as
// an attribute's value (each white-space character a space), as XML reads them.
enum class XmlText { AsWritten, Content, CdataSection, AttributeValue };

// Appends `data` with the five entities and numeric character references
// decoded (but in a CDATA section); any other "&" stands for itself, as loose
// playlists mean it.
void appendXmlText(QByteArray &out, QByteArrayView data, XmlText kind);

// The same for text already decoded from its bytes (a written entry read back).
QString decodedXmlText(const QString &text);

// The encoding that an XML declaration at the start of `text` names
// ("windows-1252", "ISO-8859-15", "Shift_JIS"), as written; empty where
// there is no declaration or it names none.
QByteArray xmlDeclaredEncoding(QByteArrayView text);

} // namespace velandry
