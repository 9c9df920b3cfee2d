#include "music_copy.h"

#include "safe_write.h"
#include "system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStorageInfo>

namespace velandry {

namespace {

// A file of 4 GiB or more has no place on FAT.
constexpr qint64 kFatLargest = (qint64(1) << 32) - 1;

// Pieces of the copy: a stop is heard within one.
constexpr qint64 kCopyPiece = qint64(4) << 20;

// FAT as the system names it: the kernel's drivers, FUSE's over a FAT image,
// and Windows' names.
bool isFat(const QStorageInfo &volume)
{
    const QString type = QString::fromLatin1(volume.fileSystemType()).toLower();
    return type == u"vfat" || type == u"msdos" || type == u"fat" || type == u"fat12" || type == u"fat16"
           || type == u"fat32" || type == u"fuseblk" || type.contains(u"fusefat");
}

// "My Music\A\x.mp3" as the names it holds.
QStringList namesOf(const QString &devicePath)
{
    return devicePath.split(u'\\', Qt::SkipEmptyParts);
}

// The folder that holds `path` and everything below it, as the system names
// it once links are followed.
bool isInside(const QString &path, const QString &folder)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return !canonical.isEmpty() && (canonical == folder || canonical.startsWith(folder + u'/'));
}

// Where this computer has the file an entry names.
class LocalMusic final
{
public:
    explicit LocalMusic(const MusicSources &sources)
        : root_(sources.musicRoot.isEmpty() || !QFileInfo(sources.musicRoot).isDir() ? QString()
                                                                                        : QDir::cleanPath(sources.musicRoot)),
          type_(sources.mediaType.isEmpty() ? QString() : u'.' + sources.mediaType)
    {
    }

    // The file, first as the playlist names it, then below the music root;
    // nothing where neither is here.
    std::optional<QString> find(const MissingEntry &entry)
    {
        if (std::optional<QString> named = absolute(entry.localPath))
            return named;
        if (root_.isEmpty())
            return std::nullopt;
        return below(root_, entry.belowMediaFolder.split(u'\\', Qt::SkipEmptyParts));
    }

    bool hasType(const QString &file) const { return type_.isEmpty() || file.endsWith(type_, Qt::CaseInsensitive); }

private:
    // A path the playlist gave, where it is absolute on this system.
    std::optional<QString> absolute(QString path)
    {
        if (path.isEmpty())
            return std::nullopt;
#ifndef Q_OS_WIN
        path.replace(u'\\', u'/');
#endif
        path = QDir::cleanPath(QDir::fromNativeSeparators(path));
        if (!QDir::isAbsolutePath(path))
            return std::nullopt;
        if (QFileInfo::exists(path))
            return path;
        // Letter case ignored: from the root, name by name.
        const qsizetype rootEnd = path.indexOf(u'/') + 1;
        return below(path.first(rootEnd), path.sliced(rootEnd).split(u'/', Qt::SkipEmptyParts));
    }

    std::optional<QString> below(const QString &folder, const QStringList &names)
    {
        if (names.isEmpty())
            return std::nullopt;
        const QString exact = folder + u'/' + names.join(u'/');
        if (QFileInfo::exists(exact))
            return exact;
        auto known = folders_.find(folder);
        if (known == folders_.end())
            known = folders_.insert(folder, std::make_shared<CardFolders>(folder));
        return (*known)->locate(names);
    }

    QString root_;
    QString type_;
    QHash<QString, std::shared_ptr<CardFolders>> folders_; // listings, each made once
};

// The card's folders as copying finds and makes them: each listed once, and
// kept up to date with the folders made.
class CardTree final
{
public:
    explicit CardTree(QString root) : root_(std::move(root)) { }

    // The folder that `names` lead to, made where missing; an existing folder
    // of another letter case is taken as it is. Empty where it cannot be made.
    QString folder(const QStringList &names)
    {
        QString at = root_;
        for (const QString &name : names) {
            QHash<QString, QString> &children = listingOf(at);
            const auto found = children.constFind(name.toCaseFolded());
            if (found != children.cend()) {
                at = at + u'/' + *found;
                continue;
            }
            if (!QDir(at).mkdir(name))
                return {};
            children.insert(name.toCaseFolded(), name);
            at = at + u'/' + name;
            listings_.insert(at, {});
        }
        return at;
    }

    // Whether `folder` holds `name` in any letter case.
    bool holds(const QString &folder, const QString &name) { return listingOf(folder).contains(name.toCaseFolded()); }

private:
    QHash<QString, QString> &listingOf(const QString &folder)
    {
        auto known = listings_.find(folder);
        if (known != listings_.end())
            return *known;
        QHash<QString, QString> children;
        for (const QString &name : QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
            children.insert(name.toCaseFolded(), name);
        return *listings_.insert(folder, children);
    }

    QString root_;
    QHash<QString, QHash<QString, QString>> listings_; // a folder's names, case-folded: as written
};

} // namespace

MusicPlan planMusicCopy(const QString &card, const QList<MissingEntry> &missing, const MusicSources &sources)
{
    MusicPlan plan;
    plan.card = QDir::cleanPath(card);
    const QStorageInfo volume(plan.card);
    plan.fat = isFat(volume);
    // Some file systems (FUSE's of a FAT32 image, say) tell no size at all:
    // then only the copying itself finds a full card.
    if (volume.isValid() && volume.bytesTotal() > 0)
        plan.free = volume.bytesAvailable();
    const QString cardCanonical = QFileInfo(plan.card).canonicalFilePath();

    LocalMusic local(sources);
    CardFolders onCard(plan.card);
    QSet<QString> planned; // each place on the card once, letter case ignored
    for (const MissingEntry &entry : missing) {
        const QStringList names = namesOf(entry.onCard);
        if (names.isEmpty())
            continue;
        const QString key = entry.onCard.toCaseFolded();
        if (planned.contains(key))
            continue;
        planned.insert(key);
        const auto skip = [&](MusicPlan::LeftOut reason) { plan.skipped.append({reason, entry.onCard}); };

        const std::optional<QString> source = local.find(entry);
        if (!source) {
            skip(MusicPlan::LeftOut::NotOnComputer);
            continue;
        }
        const QFileInfo file(*source);
        if (!file.isFile() || !local.hasType(file.fileName())) {
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
        if (onCard.find(names, 0) == CardFolders::Found::Yes)
            continue; // there after all
        if (plan.fat && file.size() > kFatLargest) {
            skip(MusicPlan::LeftOut::TooLargeForFat);
            continue;
        }
        plan.files.append({*source, names.join(u'/'), entry.onCard, file.size(), file.lastModified()});
        plan.bytes += file.size();
    }
    return plan;
}

CopyReport copyMusic(const MusicPlan &plan, const CopyProgressCheck &progress)
{
    CopyReport report;
    if (!plan.fits()) {
        report.status = CopyReport::Status::DoesNotFit;
        return report;
    }
    CardTree tree(plan.card);
    CopyProgress state;
    state.files = plan.files.size();
    state.bytes = plan.bytes;
    const auto fail = [&](const MusicPlan::File &file, const QString &reason, bool reading) {
        report.status = CopyReport::Status::Failed;
        report.failedFile = file.onCard;
        report.systemError = reason;
        report.whileReading = reading;
        return report;
    };
    for (qsizetype i = 0; i < plan.files.size(); ++i) {
        const MusicPlan::File &file = plan.files[i];
        state.file = i;
        state.onCard = file.onCard;
        if (progress && !progress(state)) {
            report.status = CopyReport::Status::Cancelled;
            return report;
        }
        const QStringList names = file.target.split(u'/');
        const QString folder = tree.folder(names.first(names.size() - 1));
        if (folder.isEmpty())
            return fail(file, {}, false);
        if (tree.holds(folder, names.last()))
            continue; // put there since it was planned
        QFile source;
        if (const QString refused = detail::openForReading(source, file.source); !refused.isEmpty())
            return fail(file, refused, true);
        QFile temporary;
        QString temporaryPath;
        if (const QString refused = createTemporaryFile(folder, temporary, temporaryPath); !refused.isEmpty())
            return fail(file, refused, false);
        // From here on, a failure or a stop takes the temporary file away.
        const auto discard = [&] {
            temporary.close();
            detail::removeFile(temporaryPath);
        };
        const qint64 before = state.bytesCopied;
        bool stopped = false;
        bool reading = false;
        qint64 copied = 0;
        const QString copyError = detail::copyFileData(source, temporary, kCopyPiece, [&](qint64 soFar) {
            state.bytesCopied = before + soFar;
            return !progress || progress(state);
        }, stopped, reading, copied);
        if (stopped) {
            discard();
            report.status = CopyReport::Status::Cancelled;
            return report;
        }
        // A write that failed (a full card answers EPERM on some file
        // systems), or a source that ended early, fails the file.
        if (!copyError.isEmpty()) {
            discard();
            return fail(file, copyError, reading);
        }
        // A source that changed size while it was copied is no whole copy.
        if (copied != file.size) {
            discard();
            return fail(file, {}, true);
        }
        if (!detail::syncFile(temporary)) {
            const QString why = systemErrorOf(temporary);
            discard();
            return fail(file, why, false);
        }
        temporary.close();
        if (temporary.error() != QFileDevice::NoError) {
            const QString why = systemErrorOf(temporary);
            detail::removeFile(temporaryPath);
            return fail(file, why, false);
        }
        detail::setModificationTime(temporaryPath, file.modified);
        const QString target = folder + u'/' + names.last();
        if (const QString refused = detail::renameWithoutReplacing(temporaryPath, target); !refused.isEmpty()) {
            detail::removeFile(temporaryPath);
            return fail(file, refused, false);
        }
        // Some file systems give a renamed file the time of the rename.
        detail::setModificationTime(target, file.modified);
        state.bytesCopied = before + file.size;
        ++report.copied;
        report.bytesCopied = state.bytesCopied;
    }
    state.file = plan.files.size();
    if (progress)
        progress(state);
    return report;
}

} // namespace velandry
