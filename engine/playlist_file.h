#pragma once

#include "engine/system/files.h"
#include "engine/system/mapping_guard.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include <memory>
#include <optional>

namespace velandry {

// A playlist's bytes as a run reads them: mapped where the system allows (its
// pages are read as the scan reaches them and cost no memory of ours), else
// read whole. While it is open, a mapping that another program shortens reads
// zeros past the new end instead of ending the process, and changed() tells
// whether another program wrote, shortened or grew the file since it was
// opened.
class PlaylistFile final
{
public:
    explicit PlaylistFile(QString path) : path_(std::move(path)) { }
    PlaylistFile(const PlaylistFile &) = delete;
    PlaylistFile &operator=(const PlaylistFile &) = delete;

    enum class Opened {
        Yes,
        Missing,         // and its name holds U+FFFD: a name whose bytes are not UTF-8
        IsFolder,
        NotOrdinaryFile, // a pipe, a device: reading it could block for ever
        OutOfMemory,     // it cannot be mapped, and memory cannot hold it
        Failed,          // the system refused: systemError()
    };
    Opened open();

    QByteArrayView bytes() const { return bytes_; }
    // A page of the mapping was found gone: what was read past it is zeros.
    bool shortened() const { return guard_ && guard_->faulted(); }
    bool changed();
    const QString &systemError() const { return systemError_; }

private:
    QString path_;
    QFile file_;
    QByteArray read_; // where it could not be mapped
    QByteArrayView bytes_;
    std::optional<files::Stamp> stamp_;
    std::unique_ptr<MappingGuard> guard_;
    QString systemError_;
};

} // namespace velandry
