#include "engine/music/card_playlists.h"

#include "engine/device_rules.h"
#include "engine/formats/entry_sources.h"
#include "engine/playlist_file.h"
#include "engine/playlist_text.h"

#include <QDir>
#include <QDirIterator>

namespace velandry {

namespace {

// "\CF-Card\My Music\A\x.mp3" as the card names it: "My Music\A\x.mp3"; a
// relative reference from `folder`, the playlist's place on the card.
QString placeOnCard(QString reference, const QStringList &folder)
{
    reference.replace(u'/', u'\\');
    QStringList names = reference.split(u'\\', Qt::SkipEmptyParts);
    if (reference.startsWith(u'\\')) {
        if (names.size() < 2)
            return {};
        names.removeFirst(); // the card itself
    } else {
        names = folder + names;
    }
    // "." and ".." folded away, as the device follows them.
    QStringList place;
    for (const QString &name : std::as_const(names)) {
        if (name == u"..")
            place.isEmpty() ? void() : place.removeLast();
        else if (name != u".")
            place.append(name);
    }
    return place.join(u'\\');
}

} // namespace

CardPlaylists playlistsOnCard(const QString &card, CodePage codePage)
{
    CardPlaylists found;
    const QDir root(card);
    QDirIterator files(card, {QStringLiteral("*.asx"), QStringLiteral("*.ASX")}, QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    QSet<QString> seen;
    while (files.hasNext()) {
        const QString path = files.next();
        if (seen.contains(path) || files.fileInfo().suffix().compare(u"asx", Qt::CaseInsensitive) != 0)
            continue;
        seen.insert(path);
        ++found.playlists;
        PlaylistFile playlist(path);
        if (playlist.open() != PlaylistFile::Opened::Yes)
            continue;
        const std::optional<PlaylistText> text = readPlaylistText(playlist.bytes(), codePage);
        if (!text)
            continue;
        QString relative = root.relativeFilePath(files.fileInfo().path());
        if (relative == u".")
            relative.clear();
        const QStringList folder = relative.split(u'/', Qt::SkipEmptyParts);
        readAsxEntries(text->utf8(), [&](QByteArrayView entry) {
            if (const QString place = placeOnCard(QString::fromUtf8(entry.trimmed()), folder); !place.isEmpty())
                found.named.insert(foldedName(place));
        });
    }
    return found;
}

} // namespace velandry
