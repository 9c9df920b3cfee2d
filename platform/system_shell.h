#pragma once

// The system's own shell services. What differs per system is in one place:
// the system's functions on Windows (system_shell_windows.cpp), Qt's portable
// ones elsewhere (system_shell_posix.cpp); the rest is common
// (system_shell.cpp).

#include "platform/shell_services.h"

namespace velandry {

class SystemShell final : public ShellServices
{
public:
    QString SpecialFolderPath() override;
    std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override;
    void ShellOpen(const QUrl &address) override;
    bool holdsOrdinaryFile(const QString &folder) override;

private:
    // The system's folder chooser, opening at `startFolder` (a folder that exists).
    static std::optional<QString> openChooser(QWidget *owner, const QString &title, const QString &startFolder);
};

// How a chooser's answer is handed on: native separators, no trailing separator
// unless the folder is a root.
QString chosenFolderPath(const QString &path);

} // namespace velandry
