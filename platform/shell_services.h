#pragma once

#include <QString>
#include <QUrl>

#include <optional>

class QWidget;

namespace velandry {

// The shell services the windows call, in what the windows need. main() hands
// the windows the system's own (SystemShell); tests hand them a fake.
class ShellServices
{
public:
    virtual ~ShellServices() = default;

    // The user's documents folder, without a trailing separator; empty when it
    // cannot be found.
    virtual QString SpecialFolderPath() = 0;

    // A folder chosen in a chooser modal to `owner`, in native separators, with
    // a trailing separator only for a drive (or file system) root; nothing on
    // Cancel. The chooser opens at `startFolder` when that folder exists, else
    // at the home folder. It writes nothing: no history, no settings.
    virtual std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title,
                                                   const QString &startFolder) = 0;

    // Opens a web address in the user's browser; the outcome is not reported.
    virtual void ShellOpen(const QUrl &address) = 0;

    // Whether `folder` holds an ordinary file: neither a folder nor hidden nor
    // a system file.
    virtual bool holdsOrdinaryFile(const QString &folder) = 0;
};

} // namespace velandry
