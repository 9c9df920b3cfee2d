#include "engine/formats/entry_sources.h"

#include "engine/formats/entry_reader.h"
#include "engine/formats/wpl_references.h"
#include "engine/formats/xml_text.h"

namespace velandry {

namespace {

// The entries of a playlist in a format other than WPL, as its reader finds
// them and the rules cut them: plain text, each written once.
class CutEntries final : public EntrySource
{
public:
    CutEntries(PlaylistFormat format, QByteArrayView utf8, const EntryRules &rules)
        : format_(format), utf8_(utf8), playlistFolder_(rules.playlistFolder), cutter_(rules)
    {
        rewind();
    }

    Step next(QByteArrayView &text, Reference &path, qsizetype budget) override
    {
        const qsizetype stop = reader_->bytesRead() + budget;
        // A reader that hands out what it indexed first reads no further
        // bytes meanwhile: so many entries left out is a pause as well.
        constexpr int kEntriesPerStep = 1 << 14;
        int read = 0;
        QByteArrayView entry;
        for (;;) {
            switch (reader_->next(entry, qMax<qsizetype>(1, stop - reader_->bytesRead()))) {
            case EntryReader::Step::Paused:
                return Step::Paused;
            case EntryReader::Step::Ended:
                return Step::Ended;
            case EntryReader::Step::Failed:
                return Step::Failed;
            case EntryReader::Step::Found:
                break;
            }
            ++counts_.read;
            switch (cutter_.cut(entry, text)) {
            case EntryCutter::Outcome::Kept:
                path = Reference{{0, false}, {text.size(), false}};
                return Step::Found;
            case EntryCutter::Outcome::WebAddress:
                ++counts_.webAddresses;
                break;
            case EntryCutter::Outcome::OutsideMusicFolder:
                ++counts_.outsideMusicFolder;
                break;
            case EntryCutter::Outcome::OtherType:
                ++counts_.otherType;
                break;
            case EntryCutter::Outcome::OtherAudio:
                ++counts_.otherAudio;
                counts_.otherAudioKinds |= AudioKinds(1) << cutter_.lastAudioKind();
                break;
            }
            if (reader_->bytesRead() >= stop || ++read >= kEntriesPerStep)
                return Step::Paused;
        }
    }

    qsizetype bytesScanned() const override { return reader_->bytesRead(); }

    void rewind() override
    {
        switch (format_) {
        case PlaylistFormat::M3u:
        case PlaylistFormat::M3u8:
            reader_ = readM3u(utf8_);
            break;
        case PlaylistFormat::Pls:
            reader_ = readPls(utf8_);
            break;
        case PlaylistFormat::Xspf:
            reader_ = readXspf(utf8_, playlistFolder_);
            break;
        case PlaylistFormat::Asx:
        case PlaylistFormat::Wpl: // the plain scan's; never here
            reader_ = readAsx(utf8_, [this](QByteArrayView href) { return cutter_.isFileOfType(href); });
            break;
        }
        counts_ = {};
    }

    EntryText entryText() const override { return EntryText::Plain; }
    QByteArrayView localPath() const override { return cutter_.localPath(); }
    EntryCounts counts() const override { return counts_; }
    ReadFault fault() const override { return reader_->fault(); }

private:
    PlaylistFormat format_;
    QByteArrayView utf8_;
    QString playlistFolder_;
    EntryCutter cutter_;
    std::unique_ptr<EntryReader> reader_;
    EntryCounts counts_;
};

} // namespace

DeclaredEncoding declaredEncoding(PlaylistFormat format, QByteArrayView bytes)
{
    switch (format) {
    case PlaylistFormat::M3u8:
        return {DeclaredEncoding::Kind::Utf8, {}};
    case PlaylistFormat::Xspf:
    case PlaylistFormat::Asx:
        if (QByteArray name = xmlDeclaredEncoding(bytes); !name.isEmpty())
            return DeclaredEncoding::named(std::move(name));
        break;
    case PlaylistFormat::Wpl:
    case PlaylistFormat::M3u:
    case PlaylistFormat::Pls:
        break;
    }
    return {};
}

std::unique_ptr<EntrySource> openEntrySource(PlaylistFormat format, QByteArrayView utf8, const EntryRules &rules)
{
    if (format == PlaylistFormat::Wpl && rules.everyAudioKind) {
        QStringList kinds;
        for (const AudioKind &kind : kAudioKinds)
            kinds.append(QString::fromLatin1(kind.extension));
        return std::make_unique<WplReferences>(utf8, kinds, rules.playlistFolder);
    }
    if (format == PlaylistFormat::Wpl)
        return std::make_unique<WplReferences>(utf8, rules.mediaType, rules.playlistFolder);
    return std::make_unique<CutEntries>(format, utf8, rules);
}

bool readAsxEntries(QByteArrayView utf8, const std::function<void(QByteArrayView entry)> &found)
{
    const std::unique_ptr<EntryReader> reader = readAsx(utf8, [](QByteArrayView) { return true; });
    QByteArrayView entry;
    for (;;) {
        switch (reader->next(entry, qsizetype(1) << 20)) {
        case EntryReader::Step::Found:
            found(entry);
            break;
        case EntryReader::Step::Paused:
            break;
        case EntryReader::Step::Ended:
            return true;
        case EntryReader::Step::Failed:
            return false;
        }
    }
}

} // namespace velandry
