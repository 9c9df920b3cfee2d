#include "qt_shell_services.h"

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

std::optional<QString> chooseFolder(QWidget *owner, const QString &title, const QString &startFolder)
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

} // namespace velandry
