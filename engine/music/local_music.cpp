#include "engine/music/local_music.h"

#include <QDir>
#include <QFileInfo>

namespace velandry {

LocalMusic::LocalMusic(const QString &root)
    : root_(root.isEmpty() || !QFileInfo(root).isDir() ? QString() : QDir::cleanPath(root))
{
}

std::optional<QString> LocalMusic::find(const CardEntry &entry)
{
    if (std::optional<QString> named = absolute(entry.localPath))
        return named;
    if (root_.isEmpty())
        return std::nullopt;
    return below(root_, entry.belowMediaFolder.split(u'\\', Qt::SkipEmptyParts));
}

std::optional<QString> LocalMusic::absolute(QString path)
{
    if (path.isEmpty())
        return std::nullopt;
    // The readers give "\" between folders, on every system.
    path.replace(u'\\', u'/');
    path = QDir::cleanPath(path);
    if (!QDir::isAbsolutePath(path))
        return std::nullopt;
    if (QFileInfo::exists(path))
        return path;
    // Letter case ignored: from the root, name by name.
    const qsizetype rootEnd = path.indexOf(u'/') + 1;
    return below(path.first(rootEnd), path.sliced(rootEnd).split(u'/', Qt::SkipEmptyParts));
}

std::optional<QString> LocalMusic::below(const QString &folder, const QStringList &names)
{
    if (names.isEmpty())
        return std::nullopt;
    const QString exact = folder + (folder.endsWith(u'/') ? QString() : QStringLiteral("/")) + names.join(u'/');
    if (QFileInfo::exists(exact))
        return exact;
    auto known = folders_.find(folder);
    if (known == folders_.end())
        known = folders_.insert(folder, std::make_shared<FolderIndex>(folder));
    return (*known)->locate(names);
}

} // namespace velandry
