#pragma once

#include "shell_services.h"

namespace velandry {

class QtShellServices final : public ShellServices
{
public:
    QString SpecialFolderPath(int csidl) override;
    std::optional<QString> BrowseForFolder(QWidget *owner, const QString &title, const QString &startFolder) override;
    void ShellOpen(const QString &verb, const QString &target, const QString &parameters,
                   const QString &directory, int showCommand) override;
};

// How a chooser's answer is handed on: native separators, no trailing separator
// unless the folder is a root.
QString chosenFolderPath(const QString &path);

} // namespace velandry
