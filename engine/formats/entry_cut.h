#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace velandry {

// What an entry of a playlist (other than WPL) is cut down with.
struct EntryRules
{
    QString mediaType;      // an empty type keeps every entry
    QString playlistFolder; // where relative entries start
    QString musicRoot;      // the music folder as the user names it; empty for none
    QString musicFolder;    // the user's music folder on this system
    // Every music file is kept, whatever its kind (kAudioKinds), not only
    // those of the media type.
    bool everyAudioKind = false;
};

// Cuts each entry down to its place below the music folder, as the card
// mirrors the desktop's music tree. Works on the entry's UTF-8 bytes in one
// walk where it can: an absolute path with nothing to fold is compared and
// cut where it stands, and only other entries are copied to be resolved.
//
// "/" and "\" both separate folders. An entry is absolute when it starts with
// a drive ("C:\"), a UNC name ("\\server\") or a separator, on every system;
// a relative one is resolved by joining it to the playlist's folder; then "."
// and ".." are folded away. The first rule that applies cuts it:
//  1. under the music root (letter case ignored): the part below it;
//  2. holding "My Music\" (this case exactly): the part after its last one;
//  3. under the user's music folder: the part below it;
//  4. under the playlist's folder: the part below it;
//  5. as written, holding "..\": the part after its last one.
// An entry no rule cuts is left out. A "file:" URL is read as the path it
// names; any other address with a scheme of two letters or more is a web
// address, which a storage card cannot hold.
class EntryCutter final
{
public:
    explicit EntryCutter(const EntryRules &rules);

    enum class Outcome { Kept, OtherType, OtherAudio, WebAddress, OutsideMusicFolder };

    // On Kept, `below` is the part of the entry below the music folder, as
    // plain text with "/" or "\" between folders; it stays valid until the
    // next call.
    Outcome cut(QByteArrayView entry, QByteArrayView &below);

    // The entry last cut, where it named a file of the type, as a path on this
    // computer: absolute, folded, "/" or "\" between folders.
    QByteArrayView localPath() const { return resolved_; }

    // Whether `entry` names a file (no web address) of the media type.
    bool isFileOfType(QByteArrayView entry) const;

    // With OtherAudio, the kind of the entry (kAudioKinds).
    int lastAudioKind() const { return lastAudioKind_; }

private:
    // A folder that entries are cut below, in the form they are compared in:
    // resolved, folded and ending in "\"; and with "/" for "\", as most
    // entries written on this system stand.
    struct Folder
    {
        QByteArray form;
        QByteArray withSlashes;
        explicit Folder(const QString &folder);
        // How many bytes of `path` the folder takes, letter case ignored; -1
        // where the path is not below it.
        qsizetype matchIn(QByteArrayView path) const;
    };

    bool hasType(QByteArrayView path) const;

    QByteArray key_; // "." and the media type
    bool everyType_ = false;
    bool everyAudioKind_ = false;
    int lastAudioKind_ = -1;
    Folder musicRoot_;
    Folder musicFolder_;
    Folder playlistFolder_;
    QByteArray fromUrl_;     // the path a file: URL names
    QByteArray resolving_;   // an entry joined and folded
    QByteArrayView resolved_;
};

// Helpers of the rules, for the readers and the tests.
namespace entry_paths {

// "http:", "mms:", ...: a scheme of two letters or more.
bool isWebAddress(QByteArrayView entry);

// The path a "file:" URL names, percent-decoded, in `out`; `url` must start
// with "file:". A host names a share ("file://server/share/x" is
// "//server/share/x"), as do the extra slashes of "file://///server/share/x".
void pathOfFileUrl(QByteArrayView url, QByteArray &out);
QByteArray pathOfFileUrl(QByteArrayView url);

// Appends `text` percent-decoded to `out`, byte for byte as
// QByteArray::fromPercentEncoding() decodes it.
void appendPercentDecoded(QByteArrayView text, QByteArray &out);

// `path` with "/" as "\", joined to `folder` (already in that form, ending in
// "\") where it is relative, with "." and ".." folded away.
void resolve(QByteArrayView path, QByteArrayView folder, QByteArray &out);

// A folder of this system in the form entries are compared in and resolved
// against: absolute, "\" between folders, folded, ending in "\"; empty for
// an empty text.
QByteArray folderForm(const QString &folder);

} // namespace entry_paths

} // namespace velandry
