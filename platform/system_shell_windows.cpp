#include "platform/system_shell.h"

#include <QDir>
#include <QWidget>

#include <qt_windows.h>
#include <shlobj.h>

namespace velandry {

namespace {

// Opens the chooser at the start folder once it is on screen.
int CALLBACK selectStart(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED)
        SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

} // namespace

std::optional<QString> SystemShell::openChooser(QWidget *owner, const QString &title, const QString &startFolder)
{
    const std::wstring heading = title.toStdWString();
    const std::wstring start = QDir::toNativeSeparators(startFolder).toStdWString();
    BROWSEINFOW info{};
    info.hwndOwner = owner ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
    info.lpszTitle = heading.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = selectStart;
    info.lParam = reinterpret_cast<LPARAM>(start.c_str());

    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    std::optional<QString> chosen;
    if (PIDLIST_ABSOLUTE items = SHBrowseForFolderW(&info)) {
        wchar_t path[MAX_PATH] = {};
        if (SHGetPathFromIDListW(items, path))
            chosen = QString::fromWCharArray(path);
        CoTaskMemFree(items);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return chosen;
}

bool SystemShell::holdsOrdinaryFile(const QString &folder)
{
    // The first entry with normal attributes is enough.
    const std::wstring pattern = QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("*"))).toStdWString();
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    constexpr DWORD notOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    bool found = false;
    do {
        found = (entry.dwFileAttributes & notOrdinary) == 0;
    } while (!found && FindNextFileW(search, &entry));
    FindClose(search);
    return found;
}

} // namespace velandry
