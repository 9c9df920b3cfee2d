#include "engine/card_file.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace velandry {

CardFile::CardFile(QString path) : path_(std::move(path)) { }

CardFile::~CardFile()
{
    discard();
}

Result<void, files::Error> CardFile::open()
{
    const QString folder = QFileInfo(path_).absolutePath();
    for (int attempt = 0;; ++attempt) {
        temporaryPath_ = folder
                         + QStringLiteral("/.velandry-%1.tmp")
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        Result<void, files::Error> created = files::createNew(temporary_, temporaryPath_);
        // Only a name that is already taken is worth another try.
        if (created || files::kindOf(temporaryPath_) == files::Kind::Missing || attempt == 16) {
            if (!created)
                temporaryPath_.clear();
            return created;
        }
    }
}

Result<void, files::Error> CardFile::commit(const Commit &how)
{
    const auto fail = [&](QString reason) {
        discard();
        return failed(files::Error{std::move(reason)});
    };
    const auto systemWords = [&] {
        return temporary_.error() == QFileDevice::NoError ? QString() : temporary_.errorString();
    };
    if (!files::sync(temporary_))
        return fail(systemWords());
    if (how.permissions)
        temporary_.setPermissions(*how.permissions);
    temporary_.close();
    if (temporary_.error() != QFileDevice::NoError)
        return fail(systemWords());
    if (how.modified)
        files::setModificationTime(temporaryPath_, *how.modified);
    const Result<void, files::Error> placed = how.replacing == Replacing::Yes
                                                  ? files::replace(temporaryPath_, path_)
                                                  : files::renameWithoutReplacing(temporaryPath_, path_);
    if (!placed)
        return fail(placed.error().reason);
    temporaryPath_.clear();
    // Some file systems give a renamed file the time of the rename.
    if (how.modified)
        files::setModificationTime(path_, *how.modified);
    return {};
}

void CardFile::discard()
{
    if (temporaryPath_.isEmpty())
        return;
    temporary_.close();
    (void)files::remove(temporaryPath_); // a temporary file that is gone already is no matter
    temporaryPath_.clear();
}

} // namespace velandry
