#include "platform/system_shell.h"

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

QString SystemShell::SpecialFolderPath()
{
    return chosenFolderPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::optional<QString> SystemShell::BrowseForFolder(QWidget *owner, const QString &title, const QString &startFolder)
{
    const std::optional<QString> folder = openChooser(owner, title, chooserStartFolder(startFolder));
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return chosenFolderPath(*folder);
}

void SystemShell::ShellOpen(const QUrl &address)
{
    QDesktopServices::openUrl(address);
}

} // namespace velandry
