#pragma once

// The tags carried from a source into what it is encoded to, and their
// writing in each target's own form.

#include "engine/code_page.h"
#include "engine/music/audio_encoder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace velandry::encoder {

struct SongTags
{
    QString title;
    QString artist;
    QString album;
    QString albumArtist;
    QString track; // "3" or "3/12", as the source holds it
    QString disc;
    QString year;  // four digits
    QString genre;
};

// The number a "3/12" starts with; 0 for none.
int leadingNumber(const QString &text);

// An ID3v2.3 tag (Latin-1 where it holds a text, UTF-16 otherwise) to stand
// before the first frame.
QByteArray id3v2Tag(const SongTags &tags);
// The 128 bytes of an ID3v1 tag in `codePage`, the device's own.
QByteArray id3v1Tag(const SongTags &tags, const CodePage &codePage);
// The bytes to leave before an ASF file's header for its tags: enough for
// writeAsfTags() to put them in without moving the data that follow.
qint64 asfTagRoom(const SongTags &tags);
// Puts the tags, as Windows Media names them, into the header of the ASF
// file that `file` holds `room` bytes on (asfTagRoom()), and the header at
// the file's start; what the tags leave of the room is an ASF padding object.
Result<void, AudioFault> writeAsfTags(QFile &file, qint64 room, const SongTags &tags);

} // namespace velandry::encoder
