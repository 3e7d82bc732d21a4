#include "basCommonFunc.h"

#include <shellapi.h>
#include <shlobj.h>

#include "app_state.h"
#include "host_dll.h"
#include "text_util.h"

namespace ptr {

void ShellOpen(HWND owner, const std::string &target) {
    ShellExecuteA(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOW);
}

void ActivateWindow(HWND window) {
    const HWND front = GetForegroundWindow();
    App().ActivateWnd = front;
    const DWORD frontThread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
    const DWORD ownThread = GetCurrentThreadId();
    const bool attached = frontThread && frontThread != ownThread && AttachThreadInput(ownThread, frontThread, TRUE);
    DWORD lockTimeout = 0;
    SystemParametersInfoA(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &lockTimeout, 0);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
    SetForegroundWindow(window);
    SystemParametersInfoA(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void *>(static_cast<UINT_PTR>(lockTimeout)), 0);
    if (attached) AttachThreadInput(ownThread, frontThread, FALSE);
    // Some systems hand the foreground back to the other thread's input when it detaches.
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
}

std::string GetSpecialFolder(HWND owner, int csidl) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items) return "";
    char path[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    return ok ? TrimAtNull(path, sizeof path) : "";
}

std::string GetFavoritesFolder() { return GetSpecialFolder(nullptr, CSIDL_FAVORITES); }

void TrayIconControl(int32_t command, const std::string &text, INT_PTR value1, INT_PTR value2) {
    HostDll &host = HostDll::Get();
    switch (command) {
    case KX_TRAY_ADD:
    case KX_TRAY_DELETE:
        host.NotifyIconControl(command, 0, 0);
        break;
    case KX_TRAY_BALLOON_TITLE:
    case KX_TRAY_BALLOON_TEXT:
    case KX_TRAY_TIP: {
        // The host DLL keeps only so many bytes of each text; cut at a whole character.
        const size_t limit = command == KX_TRAY_BALLOON_TITLE ? 63 : command == KX_TRAY_TIP ? 127 : 255;
        const std::string kept(CutAtCharBoundary(text, limit));
        host.NotifyIconControl(command, reinterpret_cast<INT_PTR>(kept.c_str()), 0);
        break;
    }
    case KX_TRAY_ICON:
        host.NotifyIconControl(command, value1, value2);
        break;
    case KX_TRAY_BALLOON_TIMEOUT:
    case KX_TRAY_BALLOON_WANTED:
    case 6:
    case KX_TRAY_BALLOON_ICON:
    case 10:
        host.NotifyIconControl(command, value1, 0);
        break;
    default:
        break;
    }
}

void ShowBalloon(const std::string &title, const std::string &text, bool warning) {
    TrayIconControl(KX_TRAY_BALLOON_TITLE, title);
    TrayIconControl(KX_TRAY_BALLOON_TEXT, text);
    TrayIconControl(KX_TRAY_BALLOON_ICON, "", warning ? NIIF_WARNING : NIIF_INFO);
    HostDll::Get().NotifyIconControl(KX_TRAY_BALLOON_SHOW, 0, 0);
}

int GetComboItemData(HWND box) {
    char className[32] = {};
    GetClassNameA(box, className, sizeof className);
    const bool combo = EqualsNoCase(TrimAtNull(className, sizeof className), "ComboBox");
    const LRESULT index = SendMessageA(box, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    if (index < 0) return -1;
    const LRESULT data = SendMessageA(box, combo ? CB_GETITEMDATA : LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return static_cast<int32_t>(data);
}

}  // namespace ptr
