#pragma once

#include "engine/result.h"
#include "engine/system/files.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <optional>

namespace velandry {

// One file written so that nothing is ever half written: into a temporary
// file of a short, unused name in its folder (".velandry-1a2b3c4d.tmp"), then
// flushed to the disk, dated and put in its place, either only where no file
// of its name is there yet or replacing the one that is. A failure, a stop or
// the object going away before commit() removes the temporary file. What
// goes onto the card goes through it, and so do the playlists QSaveFile cannot
// write.
class CardFile final
{
public:
    // The file `path` is to become.
    explicit CardFile(QString path);
    ~CardFile(); // what was not committed is thrown away
    CardFile(const CardFile &) = delete;
    CardFile &operator=(const CardFile &) = delete;

    // Creates the temporary file, open for writing.
    Result<void, files::Error> open();
    QFile &device() { return temporary_; }
    const QString &path() const { return path_; }

    enum class Replacing { No, Yes };
    struct Commit
    {
        Replacing replacing = Replacing::No;
        std::optional<QDateTime> modified = {}; // the time the file takes
        // The permissions the file takes, where it replaces one.
        std::optional<QFileDevice::Permissions> permissions = {};
    };
    // Flushes what was written to the disk and puts it in its place; where
    // it cannot, the temporary file goes and nothing is replaced.
    Result<void, files::Error> commit(const Commit &how);

    // Throws away what was written; a file of its name stays as it was.
    void discard();

private:
    QString path_;
    QString temporaryPath_;
    QFile temporary_;
};

} // namespace velandry
