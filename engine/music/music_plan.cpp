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

// FAT keeps a file's time to two seconds.
constexpr qint64 kFatTimeMs = 2000;

// Whether `path` leads, once links are followed, into `folder` (canonical).
bool isInside(const QString &path, const QString &folder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && (canonical == folder || canonical.startsWith(folder + u'/'));
}

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

// How a file the run puts on the card is made: copied or encoded, and from what.
struct Making
{
    CardAction::Kind kind = CardAction::Kind::Copy;
    AudioStream stream;
};

// Plans one card, an entry at a time: what the card lacks is put there,
// what it has is kept in step, then what no playlist names is removed.
class Planner final
{
public:
    Planner(const QString &card, const ConversionRequest &request, std::shared_ptr<FolderIndex> listed)
        : request_(request), local_(musicSourceFolder(request)),
          onCard_(listed ? std::move(listed) : std::make_shared<FolderIndex>(card))
    {
        plan_.card = QDir::cleanPath(card);
        const QStorageInfo volume(plan_.card);
        plan_.fat = isFatFileSystem(volume.fileSystemType());
        // Some file systems (FUSE's of a FAT32 image, say) tell no size at
        // all: then only the writing itself finds a full card.
        if (volume.isValid() && volume.bytesTotal() > 0)
            plan_.free = volume.bytesAvailable();
        cardCanonical_ = QFileInfo(plan_.card).canonicalFilePath();
        type_ = request.mediaType.isEmpty() ? QString() : u'.' + request.mediaType;
        target_ = audioTargetOfType(request.mediaType);
        transcode_ = request.transcode && request.encoder && target_;
        if (target_)
            plan_.encoding = {*target_, request.bitrateKbps, request.codePage};
        plan_.mediaFolder = request.mediaFolder;
    }

    void add(const CardEntry &entry);
    MusicPlan finish();

private:
    // One entry at hand: its place on the card.
    struct Place
    {
        QStringList names;
        QString key; // foldedName()
    };

    void keepInStep(const CardEntry &entry, const Place &place, const QString &source, const QFileInfo &file);
    void putOnCard(const CardEntry &entry, const Place &place, const QString &source, const QFileInfo &file);
    void tidy();
    Result<Making, AudioFault> making(const CardEntry &entry, const QString &source, int kind) const;
    void skip(const CardEntry &entry, const Place &place, MusicPlan::LeftOut reason, const QString &source = {},
              const QString &why = {});
    bool tooLarge(const CardAction &action) const { return plan_.fat && action.bytes > kFatLargestFile; }

    const ConversionRequest &request_;
    MusicPlan plan_;
    LocalMusic local_;
    std::shared_ptr<FolderIndex> onCard_;
    QString cardCanonical_;
    QString type_;
    std::optional<AudioTarget> target_;
    bool transcode_ = false;
    QList<CardAction> replacing_;
    QList<CardAction> putting_;
    QList<CardAction> removing_;
    // Each place on the card once, letter case ignored: the action there (in
    // `putting_`), -1 where there is none; and the places where an encoding
    // stands that a file playing as it is may take.
    QHash<QString, qsizetype> planned_;
    QSet<QString> encodedOnly_;
};

void Planner::skip(const CardEntry &entry, const Place &place, MusicPlan::LeftOut reason, const QString &source,
                   const QString &why)
{
    if (planned_.contains(place.key))
        return; // an encoding is planned there: it stays
    plan_.skipped.append({reason, entry.onCard, source, why});
    planned_.insert(place.key, -1);
}

// How a source becomes the file the entry names: `kind` the entry's name's
// own (kAudioKinds), where the run encodes.
Result<Making, AudioFault> Planner::making(const CardEntry &entry, const QString &source, int kind) const
{
    if (!transcode_)
        return Making{};
    std::optional<AudioStream> stream = entry.stream;
    if (!stream) {
        Result<AudioStream, AudioFault> probed = request_.encoder->probe(source);
        if (!probed)
            return failed(probed.error());
        stream = *probed;
    }
    if (playsAsKind(*stream, kind))
        return Making{};
    return Making{CardAction::Kind::Encode, *stream};
}

void Planner::add(const CardEntry &entry)
{
    const Place place{entry.onCard.split(u'\\', Qt::SkipEmptyParts), foldedName(entry.onCard)};
    if (place.names.isEmpty() || (planned_.contains(place.key) && !encodedOnly_.contains(place.key)))
        return;
    if (entry.present && !request_.sync) {
        planned_.insert(place.key, -1);
        return;
    }
    const std::optional<QString> source = entry.source.isEmpty() ? local_.find(entry) : std::optional(entry.source);
    const QFileInfo file(source.value_or(QString()));
    const bool taken = source && file.isFile() && (transcode_ || file.fileName().endsWith(type_, Qt::CaseInsensitive));
    if (!taken) {
        // On the card already, there is nothing to keep in step with.
        if (!entry.present)
            skip(entry, place, source ? MusicPlan::LeftOut::NotRegular : MusicPlan::LeftOut::NotOnComputer);
        planned_.insert(place.key, -1);
        return;
    }
    if (entry.present)
        keepInStep(entry, place, *source, file);
    else
        putOnCard(entry, place, *source, file);
}

void Planner::keepInStep(const CardEntry &entry, const Place &place, const QString &source, const QFileInfo &file)
{
    // Made again where its source changed, never where the card's file is
    // the newer.
    planned_.insert(place.key, -1);
    const FolderIndex::Entry &there = entry.onCardFile;
    const qint64 modifiedMs = file.lastModified().toMSecsSinceEpoch();
    const bool sameTime = qAbs(there.modifiedMs - modifiedMs) <= kFatTimeMs;
    if ((there.size == file.size() && sameTime) || there.modifiedMs > modifiedMs + kFatTimeMs)
        return;
    const int kind = audioKindOf(entry.onCard.toUtf8());
    CardAction action{CardAction::Kind::Copy, source, onCard_->spelled(place.names).join(u'/'), entry.onCard,
                      file.size(), file.lastModified()};
    action.replaces = true;
    action.replacedBytes = there.size;
    // Whether the card's file is an encoding: its name's kind tells where it
    // is not the source's, or is one the device never plays (a FLAC written
    // as an MP3); else the source's stream does.
    const int sourceKind = audioKindOf(source.toUtf8());
    const bool renamed = sourceKind != kind || (sourceKind >= 0 && !kAudioKinds[std::size_t(sourceKind)].deviceKind);
    bool encoded = false;
    std::optional<AudioStream> stream = entry.stream;
    if (transcode_ && renamed) {
        encoded = true;
    } else if (transcode_) {
        const Result<Making, AudioFault> made = making(entry, source, kind);
        if (!made)
            return skip(entry, place, MusicPlan::LeftOut::Undecodable, source, made.error().reason);
        encoded = made->kind == CardAction::Kind::Encode;
        stream = made->stream;
    }
    // A copy is made again: its size differs or its source is newer (above).
    if (encoded) {
        // An encoding is what this run asks for where its source's time is
        // the one it was given and it was made alike.
        const EncodedWith asked{*target_, *target_ == AudioTarget::Wav ? 0 : request_.bitrateKbps};
        if (sameTime && request_.encoder->encodedWith(plan_.card + u'/' + action.target) == asked)
            return;
        if (!stream) {
            const Result<AudioStream, AudioFault> probed = request_.encoder->probe(source);
            if (!probed)
                return skip(entry, place, MusicPlan::LeftOut::Undecodable, source, probed.error().reason);
            stream = *probed;
        }
        action.kind = CardAction::Kind::Encode;
        action.stream = *stream;
        action.bytes = estimatedSize(*stream, plan_.encoding);
    }
    if (tooLarge(action))
        return skip(entry, place, MusicPlan::LeftOut::TooLargeForFat);
    plan_.bytes += action.bytes;
    plan_.freed += action.replacedBytes;
    plan_.largestReplaced = qMax(plan_.largestReplaced, action.replacedBytes);
    replacing_.append(std::move(action));
}

void Planner::putOnCard(const CardEntry &entry, const Place &place, const QString &source, const QFileInfo &file)
{
    // Copied where it plays as it is under the name it has on the card, else
    // encoded.
    CardAction action{CardAction::Kind::Copy, source, {}, entry.onCard, file.size(), file.lastModified()};
    const Result<Making, AudioFault> made = making(entry, source, audioKindOf(entry.onCard.toUtf8()));
    if (!made)
        return skip(entry, place, MusicPlan::LeftOut::Undecodable, source, made.error().reason);
    if (made->kind == CardAction::Kind::Encode) {
        action.kind = CardAction::Kind::Encode;
        action.stream = made->stream;
        action.bytes = estimatedSize(made->stream, plan_.encoding);
    }
    // A file that plays as it is takes the place of an encoding planned there.
    if (const qsizetype earlier = planned_.value(place.key, -1); earlier >= 0) {
        if (action.kind == CardAction::Kind::Encode)
            return;
        plan_.bytes += action.bytes - putting_[earlier].bytes;
        action.target = putting_[earlier].target;
        putting_[earlier] = action;
        encodedOnly_.remove(place.key);
        return;
    }
    // The folders on the way that are already there: none may lead out of
    // the card, and a file in the way is no folder.
    bool leadsOut = false;
    bool taken = false;
    for (qsizetype depth = 1; depth < place.names.size() && !leadsOut && !taken; ++depth) {
        const QStringList names = place.names.first(depth);
        const std::optional<FolderIndex::Entry> there = onCard_->entry(names);
        if (!there)
            break;
        leadsOut = there->link && !isInside(*onCard_->locate(names), cardCanonical_);
        taken = !there->folder;
    }
    if (leadsOut || taken)
        return skip(entry, place, leadsOut ? MusicPlan::LeftOut::LinkLeadsOut : MusicPlan::LeftOut::NotRegular);
    if (onCard_->find(place.names) == FolderIndex::Found::Yes) {
        planned_.insert(place.key, -1);
        encodedOnly_.remove(place.key);
        return; // there after all
    }
    if (tooLarge(action))
        return skip(entry, place, MusicPlan::LeftOut::TooLargeForFat);
    action.target = onCard_->spelled(place.names).join(u'/');
    planned_.insert(place.key, putting_.size());
    if (action.kind == CardAction::Kind::Encode)
        encodedOnly_.insert(place.key);
    plan_.bytes += action.bytes;
    putting_.append(std::move(action));
}

void Planner::tidy()
{
    // The music no playlist on the card names, where the card holds any.
    plan_.tidy = true;
    const CardPlaylists playlists = playlistsOnCard(plan_.card, request_.codePage);
    plan_.cardPlaylists = playlists.playlists;
    QStringList mediaFolder = request_.mediaFolder.split(u'\\', Qt::SkipEmptyParts);
    if (playlists.playlists == 0 || mediaFolder.size() < 2)
        return;
    mediaFolder.removeFirst(); // the card itself
    QList<QStringList> files;
    filesBelow(*onCard_, onCard_->spelled(mediaFolder + QStringList{QString()}).mid(0, mediaFolder.size()), files);
    for (const QStringList &names : std::as_const(files)) {
        const QString place = names.join(u'\\');
        const int kind = audioKindOf(names.last().toUtf8());
        if (kind < 0 || !kAudioKinds[std::size_t(kind)].deviceKind || planned_.contains(foldedName(place))
            || playlists.named.contains(foldedName(place)))
            continue;
        const std::optional<FolderIndex::Entry> there = onCard_->entry(names);
        CardAction action{CardAction::Kind::Remove, {}, names.join(u'/'), place, there ? there->size : 0, {}};
        plan_.freed += action.bytes;
        removing_.append(std::move(action));
    }
}

MusicPlan Planner::finish()
{
    if (request_.tidy)
        tidy();
    plan_.actions = removing_ + replacing_ + putting_;
    return std::move(plan_);
}

} // namespace

MusicPlan planMusic(const QString &card, const QList<CardEntry> &entries, const ConversionRequest &request,
                    std::shared_ptr<FolderIndex> listed)
{
    Planner planner(card, request, std::move(listed));
    for (const CardEntry &entry : entries)
        planner.add(entry);
    return planner.finish();
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
