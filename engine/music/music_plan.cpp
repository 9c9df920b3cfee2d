#include "engine/music/music_plan.h"

#include "engine/device_rules.h"
#include "engine/folder_index.h"
#include "engine/formats/audio_kinds.h"
#include "engine/music/local_music.h"
#include "engine/music/transcoded_entries.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
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
    const std::optional<AudioTarget> target = audioTargetOfType(request.mediaType);
    const bool transcode = request.transcode && request.encoder && target;
    if (target)
        plan.encoding = {*target, request.bitrateKbps, request.codePage};

    LocalMusic local(musicSourceFolder(request));
    FolderIndex onCard(plan.card);
    // Each place on the card once, letter case ignored: the action there,
    // and whether it is an encoding that a file playing as it is may take.
    QHash<QString, qsizetype> planned;
    QSet<QString> encodedOnly;
    for (const MissingEntry &entry : missing) {
        const QStringList names = entry.onCard.split(u'\\', Qt::SkipEmptyParts);
        const QString key = foldedName(entry.onCard);
        if (names.isEmpty() || (planned.contains(key) && !encodedOnly.contains(key)))
            continue;
        const auto skip = [&](MusicPlan::LeftOut reason, const QString &source = {}, const QString &why = {}) {
            if (planned.contains(key))
                return; // an encoding is planned there: it stays
            plan.skipped.append({reason, entry.onCard, source, why});
            planned.insert(key, -1);
        };

        const std::optional<QString> source = entry.source.isEmpty() ? local.find(entry) : std::optional(entry.source);
        if (!source) {
            skip(MusicPlan::LeftOut::NotOnComputer);
            continue;
        }
        const QFileInfo file(*source);
        if (!file.isFile() || (!transcode && !file.fileName().endsWith(type, Qt::CaseInsensitive))) {
            skip(MusicPlan::LeftOut::NotRegular);
            continue;
        }
        // Where the run encodes: copied where it plays as it is under the
        // name it has on the card, else encoded.
        CardAction action{CardAction::Kind::Copy, *source, {}, entry.onCard, file.size(), file.lastModified()};
        if (transcode) {
            std::optional<AudioStream> stream = entry.stream;
            if (!stream) {
                const Result<AudioStream, AudioFault> probed = request.encoder->probe(*source);
                if (!probed) {
                    skip(MusicPlan::LeftOut::Undecodable, *source, probed.error().reason);
                    continue;
                }
                stream = *probed;
            }
            if (!playsAsKind(*stream, audioKindOf(entry.onCard.toUtf8()))) {
                action.kind = CardAction::Kind::Encode;
                action.stream = *stream;
                action.bytes = estimatedSize(*stream, plan.encoding);
            }
        }
        // A file that plays as it is takes the place of an encoding planned there.
        if (const qsizetype earlier = planned.value(key, -1); earlier >= 0) {
            if (action.kind == CardAction::Kind::Encode)
                continue;
            plan.bytes -= plan.actions[earlier].bytes;
            plan.bytes += action.bytes;
            action.target = plan.actions[earlier].target;
            plan.actions[earlier] = action;
            encodedOnly.remove(key);
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
        if (onCard.find(names) == FolderIndex::Found::Yes) {
            planned.insert(key, -1);
            encodedOnly.remove(key);
            continue; // there after all
        }
        if (plan.fat && action.bytes > kFatLargestFile) {
            skip(MusicPlan::LeftOut::TooLargeForFat);
            continue;
        }
        action.target = onCard.spelled(names).join(u'/');
        planned.insert(key, plan.actions.size());
        if (action.kind == CardAction::Kind::Encode)
            encodedOnly.insert(key);
        plan.bytes += action.bytes;
        plan.actions.append(std::move(action));
    }
    return plan;
}

} // namespace velandry
