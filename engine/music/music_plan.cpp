#include "engine/music/music_plan.h"

#include "engine/device_rules.h"
#include "engine/folder_index.h"
#include "engine/music/local_music.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace velandry {

namespace {

// Whether `path` leads, once links are followed, into `folder` (canonical).
bool isInside(const QString &path, const QString &folder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && (canonical == folder || canonical.startsWith(folder + u'/'));
}

} // namespace

MusicPlan planMusic(const QString &card, const QList<MissingEntry> &missing, const ConversionRequest &request)
{
    MusicPlan plan;
    plan.card = QDir::cleanPath(card);
    const QStorageInfo volume(plan.card);
    plan.fat = isFatFileSystem(volume.fileSystemType());
    // Some file systems (FUSE's of a FAT32 image, say) tell no size at all:
    // then only the writing itself finds a full card.
    if (volume.isValid() && volume.bytesTotal() > 0)
        plan.free = volume.bytesAvailable();
    const QString cardCanonical = QFileInfo(plan.card).canonicalFilePath();
    const QString type = request.mediaType.isEmpty() ? QString() : u'.' + request.mediaType;

    LocalMusic local(musicSourceFolder(request));
    FolderIndex onCard(plan.card);
    QSet<QString> planned; // each place on the card once, letter case ignored
    for (const MissingEntry &entry : missing) {
        const QStringList names = entry.onCard.split(u'\\', Qt::SkipEmptyParts);
        if (names.isEmpty() || planned.contains(foldedName(entry.onCard)))
            continue;
        planned.insert(foldedName(entry.onCard));
        const auto skip = [&](MusicPlan::LeftOut reason) { plan.skipped.append({reason, entry.onCard}); };

        const std::optional<QString> source = local.find(entry);
        if (!source) {
            skip(MusicPlan::LeftOut::NotOnComputer);
            continue;
        }
        const QFileInfo file(*source);
        if (!file.isFile() || !file.fileName().endsWith(type, Qt::CaseInsensitive)) {
            skip(MusicPlan::LeftOut::NotRegular);
            continue;
        }
        // The folders on the way that are already there: none may lead out
        // of the card, and a file in the way is no folder.
        bool leadsOut = false;
        bool taken = false;
        for (qsizetype depth = 1; depth < names.size() && !leadsOut && !taken; ++depth) {
            const std::optional<QString> folder = onCard.locate(names.first(depth));
            if (!folder)
                break;
            const QFileInfo there(*folder);
            leadsOut = there.isSymLink() && !isInside(*folder, cardCanonical);
            taken = !there.isDir();
        }
        if (leadsOut || taken) {
            skip(leadsOut ? MusicPlan::LeftOut::LinkLeadsOut : MusicPlan::LeftOut::NotRegular);
            continue;
        }
        if (onCard.find(names) == FolderIndex::Found::Yes)
            continue; // there after all
        if (plan.fat && file.size() > kFatLargestFile) {
            skip(MusicPlan::LeftOut::TooLargeForFat);
            continue;
        }
        plan.actions.append({CardAction::Kind::Copy, *source, onCard.spelled(names).join(u'/'), entry.onCard,
                             file.size(), file.lastModified()});
        plan.bytes += file.size();
    }
    return plan;
}

} // namespace velandry
