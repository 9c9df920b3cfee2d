#include "engine/formats/playlist_format.h"

namespace velandry {

namespace {

struct Extension
{
    QStringView text;
    PlaylistFormat format;
};

constexpr Extension kExtensions[] = {
    {u".wpl", PlaylistFormat::Wpl},   {u".zpl", PlaylistFormat::Wpl},  {u".m3u", PlaylistFormat::M3u},
    {u".m3u8", PlaylistFormat::M3u8}, {u".pls", PlaylistFormat::Pls},  {u".xspf", PlaylistFormat::Xspf},
    {u".asx", PlaylistFormat::Asx},   {u".wax", PlaylistFormat::Asx},  {u".wvx", PlaylistFormat::Asx},
};

const Extension *extensionOf(QStringView fileName)
{
    for (const Extension &extension : kExtensions) {
        if (fileName.endsWith(extension.text, Qt::CaseInsensitive))
            return &extension;
    }
    return nullptr;
}

} // namespace

std::optional<PlaylistFormat> formatOfName(QStringView fileName)
{
    const Extension *extension = extensionOf(fileName);
    return extension ? std::optional(extension->format) : std::nullopt;
}

QStringView playlistExtension(QStringView fileName)
{
    const Extension *extension = extensionOf(fileName);
    return extension ? fileName.last(extension->text.size()) : QStringView();
}

const QStringList &playlistNamePatterns()
{
    static const QStringList patterns = [] {
        QStringList all;
        for (const Extension &extension : kExtensions)
            all.append(u'*' + extension.text.toString());
        return all;
    }();
    return patterns;
}

} // namespace velandry
