#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace velandry {

inline bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// How character data is read: as written, as an element's content (line ends
// as LF), or as an attribute's value (each white-space character a space), as
// XML reads them.
enum class XmlText { AsWritten, Content, AttributeValue };

// Appends `data` with the five entities and numeric character references
// decoded; any other "&" stands for itself, as loose playlists mean it.
void appendXmlText(QByteArray &out, QByteArrayView data, XmlText kind);

} // namespace velandry
