#include "engine/music/music_plan.h"

#include "engine/device_rules.h"
#include "engine/folder_index.h"
#include "engine/formats/audio_kinds.h"
#include "engine/music/card_playlists.h"
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

namespace {

// FAT keeps a file's time to two seconds.
constexpr qint64 kFatTimeMs = 2000;

// How a file the run puts on the card is made: copied or encoded, and from what.
struct Making
{
    CardAction::Kind kind = CardAction::Kind::Copy;
    AudioStream stream;
};

// Every file below `folder` on the card, its names below the card's root.
void filesBelow(FolderIndex &card, const QStringList &folder, QList<QStringList> &found)
{
    const std::optional<QString> path = card.locate(folder);
    if (!path)
        return;
    for (const FolderIndex::Entry &entry : card.entriesOf(*path)) {
        QStringList names = folder;
        names.append(entry.name);
        if (entry.folder && !entry.link)
            filesBelow(card, names, found);
        else if (!entry.folder)
            found.append(names);
    }
}

} // namespace

MusicPlan planMusic(const QString &card, const QList<CardEntry> &entries, const ConversionRequest &request)
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
    plan.mediaFolder = request.mediaFolder;

    LocalMusic local(musicSourceFolder(request));
    FolderIndex onCard(plan.card);
    QList<CardAction> replacing;
    QList<CardAction> putting;
    // Each place on the card once, letter case ignored: the action there (in
    // `putting`), -1 where there is none; and the places where an encoding
    // stands that a file playing as it is may take.
    QHash<QString, qsizetype> planned;
    QSet<QString> encodedOnly;
    // How a source becomes the file the entry names: `kind` the entry's
    // name's own (kAudioKinds), where the run encodes.
    const auto making = [&](const CardEntry &entry, const QString &source, int kind) -> Result<Making, AudioFault> {
        if (!transcode)
            return Making{};
        std::optional<AudioStream> stream = entry.stream;
        if (!stream) {
            Result<AudioStream, AudioFault> probed = request.encoder->probe(source);
            if (!probed)
                return failed(probed.error());
            stream = *probed;
        }
        if (playsAsKind(*stream, kind))
            return Making{};
        return Making{CardAction::Kind::Encode, *stream};
    };

    for (const CardEntry &entry : entries) {
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
        if (entry.present && !request.sync) {
            planned.insert(key, -1);
            continue;
        }

        const std::optional<QString> source = entry.source.isEmpty() ? local.find(entry) : std::optional(entry.source);
        if (!source) {
            if (!entry.present)
                skip(MusicPlan::LeftOut::NotOnComputer);
            planned.insert(key, -1);
            continue;
        }
        const QFileInfo file(*source);
        if (!file.isFile() || (!transcode && !file.fileName().endsWith(type, Qt::CaseInsensitive))) {
            if (!entry.present)
                skip(MusicPlan::LeftOut::NotRegular);
            planned.insert(key, -1);
            continue;
        }
        const int kind = audioKindOf(entry.onCard.toUtf8());
        const qint64 modifiedMs = file.lastModified().toMSecsSinceEpoch();

        if (entry.present) {
            // Kept in step: made again where its source changed, never where
            // the card's file is the newer.
            planned.insert(key, -1);
            const FolderIndex::Entry &there = entry.onCardFile;
            const bool sameTime = qAbs(there.modifiedMs - modifiedMs) <= kFatTimeMs;
            if ((there.size == file.size() && sameTime) || there.modifiedMs > modifiedMs + kFatTimeMs)
                continue;
            // Of another kind than its name (a FLAC written as an MP3): an
            // encoding, known without asking the file.
            const int sourceKind = audioKindOf(source->toUtf8());
            const bool renamed = sourceKind != kind || (sourceKind >= 0 && !kAudioKinds[std::size_t(sourceKind)].deviceKind);
            CardAction action{CardAction::Kind::Copy, *source, onCard.spelled(names).join(u'/'), entry.onCard,
                              file.size(), file.lastModified()};
            action.replaces = true;
            action.replacedBytes = there.size;
            // Whether the card's file is an encoding: its name's kind tells
            // where it is not the source's, or is one the device never
            // plays; else the source's stream does.
            bool encoded = false;
            std::optional<AudioStream> stream = entry.stream;
            if (transcode && renamed) {
                encoded = true;
            } else if (transcode) {
                const Result<Making, AudioFault> made = making(entry, *source, kind);
                if (!made) {
                    skip(MusicPlan::LeftOut::Undecodable, *source, made.error().reason);
                    continue;
                }
                encoded = made->kind == CardAction::Kind::Encode;
                stream = made->stream;
            }
            if (!encoded) {
                // A copy: made again where the size differs or the source is newer.
                if (there.size == file.size() && modifiedMs <= there.modifiedMs + kFatTimeMs)
                    continue;
            } else {
                // An encoding is what this run asks for where its source's time
                // is the one it was given and it was made alike.
                const EncodedWith asked{*target, *target == AudioTarget::Wav ? 0 : request.bitrateKbps};
                if (sameTime && request.encoder->encodedWith(plan.card + u'/' + action.target) == asked)
                    continue;
                if (!stream) {
                    const Result<AudioStream, AudioFault> probed = request.encoder->probe(*source);
                    if (!probed) {
                        skip(MusicPlan::LeftOut::Undecodable, *source, probed.error().reason);
                        continue;
                    }
                    stream = *probed;
                }
                action.kind = CardAction::Kind::Encode;
                action.stream = *stream;
                action.bytes = estimatedSize(*stream, plan.encoding);
            }
            if (plan.fat && action.bytes > kFatLargestFile) {
                skip(MusicPlan::LeftOut::TooLargeForFat);
                continue;
            }
            plan.bytes += action.bytes;
            plan.freed += action.replacedBytes;
            plan.largestReplaced = qMax(plan.largestReplaced, action.replacedBytes);
            replacing.append(std::move(action));
            continue;
        }

        // What the card lacks: copied where it plays as it is under the name
        // it has on the card, else encoded.
        CardAction action{CardAction::Kind::Copy, *source, {}, entry.onCard, file.size(), file.lastModified()};
        const Result<Making, AudioFault> made = making(entry, *source, kind);
        if (!made) {
            skip(MusicPlan::LeftOut::Undecodable, *source, made.error().reason);
            continue;
        }
        if (made->kind == CardAction::Kind::Encode) {
            action.kind = CardAction::Kind::Encode;
            action.stream = made->stream;
            action.bytes = estimatedSize(made->stream, plan.encoding);
        }
        // A file that plays as it is takes the place of an encoding planned there.
        if (const qsizetype earlier = planned.value(key, -1); earlier >= 0) {
            if (action.kind == CardAction::Kind::Encode)
                continue;
            plan.bytes += action.bytes - putting[earlier].bytes;
            action.target = putting[earlier].target;
            putting[earlier] = action;
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
        planned.insert(key, putting.size());
        if (action.kind == CardAction::Kind::Encode)
            encodedOnly.insert(key);
        plan.bytes += action.bytes;
        putting.append(std::move(action));
    }

    // The music no playlist on the card names, where the card holds any.
    QList<CardAction> removing;
    if (request.tidy) {
        plan.tidy = true;
        const CardPlaylists playlists = playlistsOnCard(plan.card, request.codePage);
        plan.cardPlaylists = playlists.playlists;
        QStringList mediaFolder = request.mediaFolder.split(u'\\', Qt::SkipEmptyParts);
        if (playlists.playlists > 0 && mediaFolder.size() >= 2) {
            mediaFolder.removeFirst(); // the card itself
            QList<QStringList> files;
            filesBelow(onCard, onCard.spelled(mediaFolder + QStringList{QString()}).mid(0, mediaFolder.size()), files);
            for (const QStringList &names : std::as_const(files)) {
                const QString place = names.join(u'\\');
                const int kind = audioKindOf(names.last().toUtf8());
                if (kind < 0 || !kAudioKinds[std::size_t(kind)].deviceKind || planned.contains(foldedName(place))
                    || playlists.named.contains(foldedName(place)))
                    continue;
                const std::optional<FolderIndex::Entry> there = onCard.entry(names);
                CardAction action{CardAction::Kind::Remove, {}, names.join(u'/'), place, there ? there->size : 0,
                                  {}};
                plan.freed += action.bytes;
                removing.append(std::move(action));
            }
        }
    }
    plan.actions = removing + replacing + putting;
    return plan;
}

MusicPlan chosenOf(const MusicPlan &plan, bool replacements, bool removals)
{
    MusicPlan chosen = plan;
    chosen.actions.clear();
    chosen.bytes = chosen.freed = chosen.largestReplaced = 0;
    for (const CardAction &action : plan.actions) {
        if ((action.kind == CardAction::Kind::Remove && !removals) || (action.replaces && !replacements))
            continue;
        if (action.kind == CardAction::Kind::Remove) {
            chosen.freed += action.bytes;
        } else {
            chosen.bytes += action.bytes;
            chosen.freed += action.replacedBytes;
            chosen.largestReplaced = qMax(chosen.largestReplaced, action.replacedBytes);
        }
        chosen.actions.append(action);
    }
    return chosen;
}

QList<MusicPlan> mergedPlans(const QList<MusicPlan> &earlier, const QList<MusicPlan> &later)
{
    QList<MusicPlan> merged = later;
    for (const MusicPlan &plan : earlier) {
        auto same = std::find_if(merged.begin(), merged.end(), [&](const MusicPlan &other) { return other.card == plan.card; });
        if (same == merged.end()) {
            merged.append(plan);
            continue;
        }
        QSet<QString> placed;
        for (const CardAction &action : std::as_const(same->actions))
            placed.insert(foldedName(action.onCard));
        for (const MusicPlan::Skipped &skipped : std::as_const(same->skipped))
            placed.insert(foldedName(skipped.onCard));
        for (const CardAction &action : plan.actions) {
            if (!placed.contains(foldedName(action.onCard))) {
                same->actions.append(action);
                if (action.kind == CardAction::Kind::Remove)
                    same->freed += action.bytes;
                else
                    same->bytes += action.bytes;
            }
        }
        for (const MusicPlan::Skipped &skipped : plan.skipped) {
            if (!placed.contains(foldedName(skipped.onCard)))
                same->skipped.append(skipped);
        }
    }
    return merged;
}

} // namespace velandry
