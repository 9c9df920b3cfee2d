#pragma once

// What the shell services do differently per system, in one place: the
// system's own functions on Windows (system_shell_windows.cpp), Qt's portable
// ones elsewhere (system_shell_portable.cpp).

#include <QString>

#include <optional>

class QWidget;

namespace velandry {

// A folder chooser modal to `owner`, showing `title` above the folders and
// opening at `startFolder`; the chosen folder's path, or nothing on Cancel.
// It writes nothing: no history, no settings. (Qt's file dialog keeps a
// history file, so it is not used.)
std::optional<QString> chooseFolder(QWidget *owner, const QString &title, const QString &startFolder);

// Whether `folder` holds an ordinary file: neither a folder nor hidden nor a
// system file.
bool holdsOrdinaryFile(const QString &folder);

} // namespace velandry
