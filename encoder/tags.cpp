#include "encoder/tags.h"

#include <asffile.h>
#include <asftag.h>
#include <id3v1tag.h>
#include <id3v2tag.h>
#include <textidentificationframe.h>
#include <tbytevectorstream.h>
#include <tpropertymap.h>
#include <tstring.h>

#include <QFile>

#include <algorithm>
#include <mutex>

namespace velandry::encoder {

namespace {

TagLib::String toTagLib(const QString &text)
{
    return TagLib::String(text.toUtf8().constData(), TagLib::String::UTF8);
}

QString fromTagLib(const TagLib::String &text)
{
    return QString::fromUtf8(text.toCString(true));
}

// ID3v1 text in a Windows code page: whole characters only, at most the 30
// bytes of a field (TagLib cuts the bytes, which could halve a double-byte
// character).
class CodePageHandler final : public TagLib::ID3v1::StringHandler
{
public:
    explicit CodePageHandler(const CodePage &codePage) : codePage_(codePage) { }

    TagLib::String parse(const TagLib::ByteVector &data) const override
    {
        QByteArrayView bytes(data.data(), data.size());
        if (const qsizetype end = bytes.indexOf('\0'); end >= 0)
            bytes.truncate(end);
        return toTagLib(codePage_.decode(bytes));
    }

    TagLib::ByteVector render(const TagLib::String &text) const override
    {
        const QString value = fromTagLib(text);
        QByteArray out;
        for (qsizetype i = 0; i < value.size();) {
            const qsizetype length = value.at(i).isHighSurrogate() && i + 1 < value.size() ? 2 : 1;
            QByteArray one;
            codePage_.encodeInto(QStringView(value).sliced(i, length), one);
            if (out.size() + one.size() > 30)
                break;
            out += one;
            i += length;
        }
        return TagLib::ByteVector(out.constData(), static_cast<unsigned int>(out.size()));
    }

private:
    CodePage codePage_;
};

// TagLib keeps one ID3v1 handler for the whole process.
std::mutex id3v1HandlerLock;

} // namespace

int leadingNumber(const QString &text)
{
    int number = 0;
    for (const QChar c : text.trimmed()) {
        if (!c.isDigit() || number > 100000)
            break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

QByteArray id3v2Tag(const SongTags &tags)
{
    TagLib::PropertyMap properties;
    const auto put = [&](const char *key, const QString &value) {
        if (!value.isEmpty())
            properties.insert(key, TagLib::StringList(toTagLib(value)));
    };
    put("TITLE", tags.title);
    put("ARTIST", tags.artist);
    put("ALBUM", tags.album);
    put("ALBUMARTIST", tags.albumArtist);
    put("TRACKNUMBER", tags.track);
    put("DISCNUMBER", tags.disc);
    put("DATE", tags.year);
    put("GENRE", tags.genre);
    if (properties.isEmpty())
        return {};
    TagLib::ID3v2::Tag tag;
    tag.setProperties(properties);
    // TagLib writes UTF-8, which ID3v2.3 lacks, as UTF-16: Latin-1 reads on
    // more players.
    for (TagLib::ID3v2::Frame *frame : tag.frameList()) {
        if (auto *text = dynamic_cast<TagLib::ID3v2::TextIdentificationFrame *>(frame)) {
            const TagLib::StringList fields = text->fieldList();
            const bool latin1 = std::all_of(fields.begin(), fields.end(), [](const TagLib::String &field) {
                return field.isLatin1();
            });
            text->setTextEncoding(latin1 ? TagLib::String::Latin1 : TagLib::String::UTF16);
        }
    }
    const TagLib::ByteVector bytes = tag.render(TagLib::ID3v2::v3);
    return QByteArray(bytes.data(), bytes.size());
}

QByteArray id3v1Tag(const SongTags &tags, const CodePage &codePage)
{
    TagLib::ID3v1::Tag tag;
    const CodePageHandler handler(codePage);
    const std::lock_guard lock(id3v1HandlerLock);
    TagLib::ID3v1::Tag::setStringHandler(&handler);
    tag.setTitle(toTagLib(tags.title));
    tag.setArtist(toTagLib(tags.artist));
    tag.setAlbum(toTagLib(tags.album));
    tag.setGenre(toTagLib(tags.genre));
    tag.setYear(static_cast<unsigned int>(leadingNumber(tags.year)));
    tag.setTrack(static_cast<unsigned int>(qBound(0, leadingNumber(tags.track), 255)));
    const TagLib::ByteVector bytes = tag.render();
    TagLib::ID3v1::Tag::setStringHandler(nullptr);
    return QByteArray(bytes.data(), bytes.size());
}

namespace {

quint64 littleEndian(const QByteArray &bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | uchar(bytes.at(at + i));
    return value;
}

void putLittleEndian(QByteArray &bytes, qsizetype at, int size, quint64 value)
{
    for (int i = 0; i < size; ++i, value >>= 8)
        bytes[at + i] = char(value & 0xff);
}

// The ASF objects' sizes: a GUID and a 64-bit size open each; the header
// object adds its children's count and two reserved bytes.
constexpr int kObjectHead = 24;
constexpr int kHeaderHead = 30;
constexpr int kDataHead = 50;

} // namespace

qint64 asfTagRoom(const SongTags &tags)
{
    // UTF-16 with its end, and each attribute's name and fields.
    qint64 room = 1024;
    for (const QString *text : {&tags.title, &tags.artist, &tags.album, &tags.albumArtist, &tags.track, &tags.disc,
                                &tags.year, &tags.genre})
        room += 2 * (text->size() + 1) + 64;
    return room;
}

Result<void, AudioFault> writeAsfTags(QFile &file, qint64 room, const SongTags &tags)
{
    const auto writeFault = [&] { return failed(AudioFault{AudioFault::Kind::WriteFailed, file.errorString()}); };
    if (!file.seek(room))
        return writeFault();
    QByteArray header = file.read(kHeaderHead);
    if (header.size() < kHeaderHead)
        return writeFault();
    const qint64 headerSize = qint64(littleEndian(header, 16, 8));
    if (headerSize < kHeaderHead || headerSize > (16 << 20))
        return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
    header += file.read(headerSize - kHeaderHead + kDataHead);
    if (header.size() != headerSize + kDataHead)
        return writeFault();

    // TagLib writes the tags into the header as it is in memory; the data
    // stay where the muxer put them.
    TagLib::ByteVectorStream stream(TagLib::ByteVector(header.constData(), unsigned(header.size())));
    {
        TagLib::ASF::File asf(&stream, false);
        // TagLib gives no words of its own for why.
        if (!asf.isValid() || !asf.tag())
            return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
        TagLib::ASF::Tag &tag = *asf.tag();
        tag.setTitle(toTagLib(tags.title));
        tag.setArtist(toTagLib(tags.artist));
        const auto put = [&](const char *attribute, const QString &value) {
            if (!value.isEmpty())
                tag.setAttribute(attribute, TagLib::ASF::Attribute(toTagLib(value)));
        };
        put("WM/AlbumTitle", tags.album);
        put("WM/AlbumArtist", tags.albumArtist);
        put("WM/PartOfSet", tags.disc);
        put("WM/Year", tags.year);
        put("WM/Genre", tags.genre);
        if (const int track = leadingNumber(tags.track); track > 0)
            tag.setAttribute("WM/TrackNumber", TagLib::ASF::Attribute(static_cast<unsigned int>(track)));
        if (!asf.save())
            return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
    }
    const TagLib::ByteVector &saved = *stream.data();
    QByteArray tagged(saved.data(), saved.size());
    const qint64 taggedSize = qint64(littleEndian(tagged, 16, 8));
    const qint64 padding = room + headerSize - taggedSize;
    if (taggedSize + kDataHead != tagged.size() || (padding != 0 && padding < kObjectHead))
        return failed(AudioFault{AudioFault::Kind::WriteFailed, {}});
    tagged.truncate(taggedSize);
    if (padding > 0) {
        // The padding object, one more child of the header.
        tagged += QByteArray::fromHex("74d40618dfca0945a4ba9aabcb96aae8");
        QByteArray size(8, '\0');
        putLittleEndian(size, 0, 8, quint64(padding));
        tagged += size + QByteArray(padding - kObjectHead, '\0');
        putLittleEndian(tagged, 16, 8, quint64(tagged.size()));
        putLittleEndian(tagged, 24, 4, littleEndian(tagged, 24, 4) + 1);
    }
    // The file properties' size of the file, which the muxer wrote without
    // the room.
    static const QByteArray fileProperties = QByteArray::fromHex("a1dcab8c47a9cf118ee400c00c205365");
    for (qsizetype at = kHeaderHead; at + kObjectHead <= tagged.size();) {
        const qint64 size = qint64(littleEndian(tagged, at + 16, 8));
        if (size < kObjectHead)
            break;
        if (QByteArrayView(tagged).sliced(at, 16) == fileProperties && size >= 48) {
            putLittleEndian(tagged, at + 40, 8, quint64(file.size()));
            break;
        }
        at += size;
    }
    if (!file.seek(0) || file.write(tagged) != tagged.size() || !file.flush())
        return writeFault();
    return {};
}

} // namespace velandry::encoder
