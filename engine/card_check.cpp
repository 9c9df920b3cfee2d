#include "card_check.h"

#include "xml_text.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStorageInfo>

#include <array>

namespace velandry {

namespace {

// A name that a FAT long name cannot hold: the device never finds it.
bool notInFatName(char16_t c)
{
    return c < 0x20 || c == u'"' || c == u'*' || c == u':' || c == u'<' || c == u'>' || c == u'?' || c == u'|';
}

bool fatCannotHold(QStringView name)
{
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return true;
    return std::any_of(name.begin(), name.end(), [](QChar c) { return notInFatName(c.unicode()); });
}

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

CardFolders::CardFolders(QString root) : root_(std::move(root)) { }

const CardFolders::Listing &CardFolders::listingOf(const QString &folder)
{
    if (const auto known = listings_.constFind(folder); known != listings_.cend())
        return *known;
    Listing listing;
    const QFileInfo info(folder);
    listing.readable = info.isDir() && info.isReadable();
    if (listing.readable) {
        QDirIterator entries(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        while (entries.hasNext()) {
            entries.next();
            const QFileInfo entry = entries.fileInfo();
            listing.names.insert(entry.fileName().toCaseFolded(), {entry.fileName(), entry.isDir()});
        }
    }
    return *listings_.insert(folder, std::move(listing));
}

CardFolders::Found CardFolders::find(const QStringList &components, qsizetype from, bool folder)
{
    QString at = root_;
    for (qsizetype i = from; i < components.size(); ++i) {
        const Listing &listing = listingOf(at);
        if (!listing.readable) {
            // A folder that is there but cannot be read, or a card that is
            // gone: nothing can be said. A folder that is gone is missing.
            return at == root_ || QFileInfo::exists(at) || !QFileInfo::exists(root_) ? Found::Unreadable
                                                                                     : Found::Missing;
        }
        const auto name = listing.names.constFind(components[i].toCaseFolded());
        const bool last = i == components.size() - 1;
        if (name == listing.names.cend() || name->second != (!last || folder))
            return Found::Missing;
        at = QDir(at).filePath(name->first);
    }
    return Found::Yes;
}

std::optional<QString> CardFolders::locate(const QStringList &components, qsizetype from)
{
    QString at = root_;
    for (qsizetype i = from; i < components.size(); ++i) {
        const Listing &listing = listingOf(at);
        const auto name = listing.names.constFind(components[i].toCaseFolded());
        if (!listing.readable || name == listing.names.cend())
            return std::nullopt;
        at = QDir(at).filePath(name->first);
    }
    return at;
}

CardCheck::CardCheck(std::shared_ptr<CardFolders> card, CodePage codePage, const QString &mediaFolder)
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
    switch (card_->find(components, 1)) {
    case CardFolders::Found::Yes:
        return Verdict::OnCard;
    case CardFolders::Found::Missing:
        note(report_.notOnCard, report_.notOnCardNames, onCard);
        missing_.onCard = onCard;
        missing_.belowMediaFolder = path.startsWith(mediaFolder_) ? path.sliced(mediaFolder_.size()) : onCard;
        return Verdict::NotOnCard;
    case CardFolders::Found::Unreadable:
        report_.unreadable = true;
        break;
    }
    return Verdict::CardUnreadable;
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

std::shared_ptr<CardFolders> Cards::forOutput(const QString &outputPath)
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
    auto folders = std::make_shared<CardFolders>(key);
    // Found, not named: it must hold the media folder (less the card's name).
    if (card_.isEmpty() && folders->find(mediaComponents_, 1, true) != CardFolders::Found::Yes)
        folders = nullptr;
    found_.insert(key, folders);
    return folders;
}

} // namespace velandry
