#include "qt_shell_services.h"

#include "system_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace velandry {

namespace {

// Where the chooser opens: `startFolder` when it names a folder, else home.
QString chooserStartFolder(const QString &startFolder)
{
    const QFileInfo folder(startFolder);
    return !startFolder.isEmpty() && folder.isDir() ? folder.absoluteFilePath() : QDir::homePath();
}

} // namespace

QString chosenFolderPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    QString clean = QDir::cleanPath(path); // keeps "/" and "D:/" as they are
    if (!QDir(clean).isRoot() && clean.endsWith(u'/'))
        clean.chop(1);
    return QDir::toNativeSeparators(clean);
}

QString QtShellServices::SpecialFolderPath(int csidl)
{
    if (csidl != CSIDL_PERSONAL)
        return {};
    return chosenFolderPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::optional<QString> QtShellServices::BrowseForFolder(QWidget *owner, const QString &title,
                                                        const QString &startFolder)
{
    const std::optional<QString> folder = chooseFolder(owner, title, chooserStartFolder(startFolder));
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return chosenFolderPath(*folder);
}

void QtShellServices::ShellOpen(const QString &verb, const QString &target, const QString &parameters,
                                const QString &directory, int showCommand)
{
    // The desktop's default handler opens the target; the other arguments have
    // no counterpart here.
    Q_UNUSED(parameters);
    Q_UNUSED(directory);
    Q_UNUSED(showCommand);
    if (verb == QStringLiteral("open"))
        QDesktopServices::openUrl(QUrl(target));
}

} // namespace velandry
