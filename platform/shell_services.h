#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace velandry {

// The shell services the windows call. main() hands the windows the Qt
// implementation; tests hand them a fake.
class ShellServices
{
public:
    static constexpr int CSIDL_PERSONAL = 5; // the user's documents folder
    static constexpr int SW_SHOWNORMAL = 1;

    virtual ~ShellServices() = default;

    // The path of a special folder, without a trailing separator; empty when it
    // cannot be found. Only CSIDL_PERSONAL is known.
    virtual QString SpecialFolderPath(int csidl) = 0;

    // A folder chosen in a chooser modal to `owner`, in native separators, with
    // a trailing separator only for a drive (or file system) root; nothing on
    // Cancel. The chooser opens at `startFolder` when that folder exists, else
    // at the home folder.
    virtual std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title,
                                                   const QString &startFolder) = 0;

    // Opens `target` with `verb`; the outcome is not reported.
    virtual void ShellOpen(const QString &verb, const QString &target, const QString &parameters,
                           const QString &directory, int showCommand) = 0;
};

} // namespace velandry
