#pragma once

#include "engine/card_check.h"
#include "engine/folder_index.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace velandry {

// Where this computer has the file an entry names: first as the playlist
// names it, then below the music root; letter case ignored, name by name,
// where the exact name is not there. Each folder is listed once.
class LocalMusic final
{
public:
    // `root` may be empty: then only what the playlists name is found.
    explicit LocalMusic(const QString &root);

    std::optional<QString> find(const CardEntry &entry);

private:
    std::optional<QString> absolute(QString path);
    std::optional<QString> below(const QString &folder, const QStringList &names);

    QString root_;
    QHash<QString, std::shared_ptr<FolderIndex>> folders_; // by the folder the names start in
};

} // namespace velandry
