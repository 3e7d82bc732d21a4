#include "tray_icon.h"

#include <cstdio>
#include <shellapi.h>

#include "kxdll.h"
#include "registered_messages.h"
#include "copy_text.h"
#include "screen_dpi.h"

namespace kx {

namespace {

struct TrayState {
    bool newShell = false;    // the shell understands the block with balloon fields
    HWND window = nullptr;
    UINT id = 0;              // the atom
    HICON icon = nullptr;
    bool iconOwned = false;   // loaded by us, not the shared system icon
    UINT balloonTimeout = 3;
    char balloonTitle[64] = {};
    bool balloonWanted = false;
    char balloonText[256] = {};
    DWORD balloonIconFlags = 0;
    char tip[128] = {};
};

TrayState g_tray;

bool IsNewShell() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return false;
    return (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion == 4) ||
           (version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion >= 5);
}

template <size_t N>
void SetText(char (&field)[N], INT_PTR value) {
    CopySjisTruncated(field, N, reinterpret_cast<const char *>(value));
}

BOOL SendIcon(DWORD message) {
    NOTIFYICONDATAA data = {};
    data.cbSize = g_tray.newShell ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = g_tray.window;
    data.uID = g_tray.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = RegisteredMessage(Message::TrayCallback);
    data.hIcon = g_tray.icon;
    lstrcpynA(data.szTip, g_tray.tip, sizeof data.szTip);
    if (g_tray.balloonWanted) {
        data.uFlags |= NIF_INFO;
        lstrcpynA(data.szInfoTitle, g_tray.balloonTitle, sizeof data.szInfoTitle);
        lstrcpynA(data.szInfo, g_tray.balloonText, sizeof data.szInfo);
        data.dwInfoFlags = g_tray.balloonIconFlags;
        data.uTimeout = g_tray.balloonTimeout;
    }
    return Shell_NotifyIconA(message, &data);
}

void LoadTrayIcon(HINSTANCE instance, LPCSTR name) {
    if (g_tray.iconOwned) DestroyIcon(g_tray.icon);
    // The size the notification area shows, which grows with the display's scale.
    const int dpi = tlx::SystemDpi();
    g_tray.icon = static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, tlx::SystemMetricAt(SM_CXSMICON, dpi),
                                                tlx::SystemMetricAt(SM_CYSMICON, dpi), 0));
    g_tray.iconOwned = g_tray.icon != nullptr;
    if (!g_tray.icon) g_tray.icon = LoadIconA(nullptr, IDI_APPLICATION);
}

}  // namespace

void TrayAttach(HINSTANCE module) {
    g_tray = TrayState{};
    g_tray.newShell = IsNewShell();
    char name[64];
    std::snprintf(name, sizeof name, "KXDLL_NOTIFYICON_%x",
                  static_cast<unsigned>(reinterpret_cast<UINT_PTR>(module)));
    g_tray.id = GlobalAddAtomA(name);
}

void TrayDetach() {
    // Only an icon that has a window can be in the tray; a process that never showed one
    // (a second start) need not load the shell to say so while it unloads.
    if (g_tray.window) SendIcon(NIM_DELETE);
    if (g_tray.id) GlobalDeleteAtom(static_cast<ATOM>(g_tray.id));
    if (g_tray.iconOwned) DestroyIcon(g_tray.icon);
    g_tray = TrayState{};
}

void TraySetWindow(HWND window) { g_tray.window = window; }

void TrayOnTaskbarCreated() {
    NotifyIconControl(KX_TRAY_BALLOON_WANTED, 0, 0);
    NotifyIconControl(KX_TRAY_ADD, 0, 0);
}

}  // namespace kx

extern "C" int32_t WINAPI NotifyIconControl(int32_t operation, INT_PTR value, INT_PTR extra) {
    using kx::g_tray;
    switch (operation) {
    case KX_TRAY_ADD: kx::SendIcon(NIM_ADD); break;
    case KX_TRAY_DELETE: kx::SendIcon(NIM_DELETE); break;
    case KX_TRAY_BALLOON_TIMEOUT: g_tray.balloonTimeout = static_cast<UINT>(value); break;
    case KX_TRAY_BALLOON_TITLE: kx::SetText(g_tray.balloonTitle, value); break;
    case KX_TRAY_BALLOON_WANTED: g_tray.balloonWanted = value != 0; break;
    case KX_TRAY_BALLOON_TEXT: kx::SetText(g_tray.balloonText, value); break;
    case KX_TRAY_BALLOON_ICON: g_tray.balloonIconFlags = static_cast<DWORD>(value); break;
    case KX_TRAY_TIP: kx::SetText(g_tray.tip, value); break;
    case KX_TRAY_ICON:
        kx::LoadTrayIcon(reinterpret_cast<HINSTANCE>(value), reinterpret_cast<LPCSTR>(extra));
        break;
    default: break;
    }
    return 0;
}
