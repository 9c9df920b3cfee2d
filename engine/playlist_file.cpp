#include "engine/playlist_file.h"

#include <new>

namespace velandry {

PlaylistFile::Opened PlaylistFile::open()
{
    const files::Kind kind = files::kindOf(path_);
    if (kind == files::Kind::Folder)
        return Opened::IsFolder;
    if (kind == files::Kind::Other)
        return Opened::NotOrdinaryFile;
    if (const Result<void, files::Error> opened = files::openForReading(file_, path_); !opened) {
        systemError_ = opened.error().reason;
        // A name whose bytes are not UTF-8 reaches the window with U+FFFD in
        // their place, and no file has that name.
        return kind == files::Kind::Missing && path_.contains(QChar::ReplacementCharacter) ? Opened::Missing
                                                                                           : Opened::Failed;
    }
    // What it was when the reading began, to hold against what it is at the end.
    stamp_ = files::stampOf(file_, path_);
    const qint64 size = file_.size();
    if (size <= 0)
        return Opened::Yes;
    if (const uchar *mapped = file_.map(0, size)) {
        bytes_ = QByteArrayView(mapped, size);
        guard_ = std::make_unique<MappingGuard>(mapped, size);
        return Opened::Yes;
    }
    try {
        read_ = file_.readAll();
    } catch (const std::bad_alloc &) {
        return Opened::OutOfMemory;
    }
    if (file_.error() != QFileDevice::NoError) {
        systemError_ = file_.errorString();
        return Opened::Failed;
    }
    bytes_ = read_;
    return Opened::Yes;
}

bool PlaylistFile::changed()
{
    return shortened() || !stamp_ || files::stampOf(file_, path_) != stamp_;
}

} // namespace velandry
