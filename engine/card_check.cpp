#include "engine/card_check.h"

#include "engine/device_rules.h"
#include "engine/formats/xml_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

#include <array>

namespace velandry {

namespace {

// Named as a line of text can show it: a control character as "?", a name
// longer than a line by its ends.
void note(qsizetype &count, QStringList &names, QString name)
{
    if (++count > CardReport::kNamesShown)
        return;
    constexpr qsizetype kLongest = 80;
    if (name.size() > kLongest)
        name = name.first(kLongest - 20) + u'\u2026' + name.last(19);
    for (QChar &c : name) {
        if (c.unicode() < 0x20)
            c = u'?';
    }
    names.append(name);
}

} // namespace

CardCheck::CardCheck(std::shared_ptr<FolderIndex> card, CodePage codePage, const QString &mediaFolder)
    : card_(std::move(card)), codePage_(codePage)
{
    if (card_)
        report_.card = card_->root();
    QByteArray written;
    codePage_.encodeInto(mediaFolder, written);
    mediaFolder_ = decodedXmlText(codePage_.decode(written));
}

CardCheck::Verdict CardCheck::entry(const WrittenEntry &written)
{
    ++report_.entries;
    if (!card_ && written.plain)
        return Verdict::Playable;
    const QByteArrayView reference = written.reference;
    const bool tooLong = written.tooLong;
    // More bytes than two for each character the device opens: too long,
    // whatever they read as; only the start is read, to name it.
    constexpr qsizetype kLongestReference = 2 * kDevicePathLimit + 32;
    if (!tooLong && reference.size() > kLongestReference) {
        QString start = decodedXmlText(codePage_.decode(reference.first(kLongestReference)));
        const qsizetype card = start.indexOf(u'\\', 1);
        note(report_.neverPlay, report_.neverPlayNames,
             (card > 0 ? start.sliced(card + 1) : start).left(70) + QStringLiteral("\u2026"));
        return Verdict::NeverPlay;
    }
    const QString path = tooLong ? QString() : decodedXmlText(codePage_.decode(reference));
    // "\CF-Card\My Music\A\x.mp3": the card, then what is on it.
    const QStringList components = path.split(u'\\', Qt::SkipEmptyParts);
    QString onCard = components.size() > 1 ? components.mid(1).join(u'\\') : path;
    if (tooLong || path.size() > kDevicePathLimit
        || std::any_of(components.cbegin(), components.cend(), [](const QString &name) { return fatCannotHold(name); })) {
        if (tooLong && report_.neverPlay < CardReport::kNamesShown)
            report_.tooLongBytes.append(written.bytes);
        note(report_.neverPlay, report_.neverPlayNames, tooLong ? QString() : onCard);
        return Verdict::NeverPlay;
    }
    if (!card_)
        return Verdict::Playable;
    if (report_.unreadable || components.size() < 2)
        return Verdict::CardUnreadable;
    const FolderIndex::Found found = card_->find(components, 1);
    if (found != FolderIndex::Found::Unreadable) {
        lastPath_ = path;
        lastOnCard_ = onCard;
        lastPresent_ = found == FolderIndex::Found::Yes;
    }
    switch (found) {
    case FolderIndex::Found::Yes:
        return Verdict::OnCard;
    case FolderIndex::Found::Missing:
        note(report_.notOnCard, report_.notOnCardNames, onCard);
        return Verdict::NotOnCard;
    case FolderIndex::Found::Unreadable:
        report_.unreadable = true;
        break;
    }
    return Verdict::CardUnreadable;
}

CardEntry CardCheck::lastEntry() const
{
    CardEntry entry{lastOnCard_, lastPath_.startsWith(mediaFolder_) ? lastPath_.sliced(mediaFolder_.size()) : lastOnCard_, {}};
    if (lastPresent_) {
        entry.present = true;
        entry.onCardFile = card_->entry(lastOnCard_.split(u'\\', Qt::SkipEmptyParts)).value_or(FolderIndex::Entry{});
    }
    return entry;
}

Cards::Cards(QString card, QString mediaFolder, VolumeRoot volumeRoot)
    : card_(std::move(card)), mediaComponents_(mediaFolder.split(u'\\', Qt::SkipEmptyParts)),
      volumeRoot_(volumeRoot ? std::move(volumeRoot) : VolumeRoot(&Cards::systemVolumeRoot))
{
}

QString Cards::systemVolumeRoot(const QString &folder)
{
    return QStorageInfo(folder).rootPath();
}

std::shared_ptr<FolderIndex> Cards::forOutput(const QString &outputPath)
{
    QString root = card_;
    if (root.isEmpty()) {
        // A media folder of one component names no card.
        if (mediaComponents_.size() < 2)
            return nullptr;
        root = volumeRoot_(QFileInfo(outputPath).absolutePath());
        if (root.isEmpty() || QDir(root) == QDir(QStorageInfo::root().rootPath()))
            return nullptr;
    }
    // Once per volume for the run, whatever number of playlists go to it.
    const QString key = QDir::cleanPath(root);
    if (const auto known = found_.constFind(key); known != found_.cend())
        return *known;
    auto folders = std::make_shared<FolderIndex>(key);
    // Found, not named: it must hold the media folder (less the card's name).
    if (card_.isEmpty() && folders->find(mediaComponents_, 1, true) != FolderIndex::Found::Yes)
        folders = nullptr;
    found_.insert(key, folders);
    return folders;
}

std::shared_ptr<FolderIndex> Cards::listed(const QString &card) const
{
    return found_.value(QDir::cleanPath(card));
}

} // namespace velandry
