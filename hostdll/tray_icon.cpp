#include "tray_icon.h"

#include <cstdio>
#include <deque>
#include <string>
#include <shellapi.h>

#include "kxdll.h"
#include "registered_messages.h"
#include "copy_text.h"
#include "screen_dpi.h"

namespace kx {

namespace {

// A balloon asked for while the icon was not there yet, or while another showed.
struct Balloon {
    std::string title;
    std::string text;
    DWORD iconFlags = 0;
};

constexpr UINT_PTR kBalloonTimer = 0x4B58;   // on the host window, which has no other timer
// The shell shows a balloon for at least this long; one that never says it ended has
// its turn over then.
constexpr UINT kBalloonTurnMs = 10000;

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
    bool added = false;                // the shell has the icon
    bool balloonShowing = false;       // a balloon's turn is not over
    std::deque<Balloon> balloons;      // waiting for their turn
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

// The icon from the tray state, with `balloon` over it: by default the one kept for
// the next add, when it is wanted.
BOOL SendIcon(DWORD message, const Balloon *balloon = nullptr) {
    NOTIFYICONDATAA data = {};
    data.cbSize = g_tray.newShell ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = g_tray.window;
    data.uID = g_tray.id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = RegisteredMessage(Message::TrayCallback);
    data.hIcon = g_tray.icon;
    lstrcpynA(data.szTip, g_tray.tip, sizeof data.szTip);
    const Balloon kept{g_tray.balloonTitle, g_tray.balloonText, g_tray.balloonIconFlags};
    if (!balloon && g_tray.balloonWanted) balloon = &kept;
    if (balloon) {
        data.uFlags |= NIF_INFO;
        lstrcpynA(data.szInfoTitle, balloon->title.c_str(), sizeof data.szInfoTitle);
        lstrcpynA(data.szInfo, balloon->text.c_str(), sizeof data.szInfo);
        data.dwInfoFlags = balloon->iconFlags;
        data.uTimeout = g_tray.balloonTimeout;
    }
    return Shell_NotifyIconA(message, &data);
}

void ShowNextBalloon();

void CALLBACK OnBalloonTurnOver(HWND window, UINT, UINT_PTR, DWORD) {
    KillTimer(window, kBalloonTimer);
    g_tray.balloonShowing = false;
    ShowNextBalloon();
}

void StartBalloonTurn() {
    g_tray.balloonShowing = true;
    SetTimer(g_tray.window, kBalloonTimer, kBalloonTurnMs, OnBalloonTurnOver);
}

// The balloon first in line, over the icon the shell has.
void ShowNextBalloon() {
    if (!g_tray.added || g_tray.balloonShowing || g_tray.balloons.empty()) return;
    const Balloon next = std::move(g_tray.balloons.front());
    g_tray.balloons.pop_front();
    if (SendIcon(NIM_MODIFY, &next)) StartBalloonTurn();
    else ShowNextBalloon();
}

void AddIcon() {
    g_tray.added = SendIcon(NIM_ADD) != FALSE;
    if (!g_tray.added) return;
    if (g_tray.balloonWanted) StartBalloonTurn();
    ShowNextBalloon();
}

void DeleteIcon() {
    SendIcon(NIM_DELETE);
    g_tray.added = false;
    g_tray.balloonShowing = false;
    if (g_tray.window) KillTimer(g_tray.window, kBalloonTimer);
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
    if (g_tray.window) DeleteIcon();
    if (g_tray.id) GlobalDeleteAtom(static_cast<ATOM>(g_tray.id));
    if (g_tray.iconOwned) DestroyIcon(g_tray.icon);
    g_tray = TrayState{};
}

void TraySetWindow(HWND window) { g_tray.window = window; }

void TrayOnTaskbarCreated() {
    NotifyIconControl(KX_TRAY_BALLOON_WANTED, 0, 0);
    NotifyIconControl(KX_TRAY_ADD, 0, 0);
}

void TrayOnCallback(UINT message) {
    if (message != NIN_BALLOONHIDE && message != NIN_BALLOONTIMEOUT && message != NIN_BALLOONUSERCLICK) return;
    if (g_tray.balloonShowing) OnBalloonTurnOver(g_tray.window, 0, kBalloonTimer, 0);
}

}  // namespace kx

extern "C" int32_t WINAPI NotifyIconControl(int32_t operation, INT_PTR value, INT_PTR extra) {
    using kx::g_tray;
    switch (operation) {
    case KX_TRAY_ADD: kx::AddIcon(); break;
    case KX_TRAY_DELETE: kx::DeleteIcon(); break;
    case KX_TRAY_BALLOON_TIMEOUT: g_tray.balloonTimeout = static_cast<UINT>(value); break;
    case KX_TRAY_BALLOON_TITLE: kx::SetText(g_tray.balloonTitle, value); break;
    case KX_TRAY_BALLOON_WANTED: g_tray.balloonWanted = value != 0; break;
    case KX_TRAY_BALLOON_TEXT: kx::SetText(g_tray.balloonText, value); break;
    case KX_TRAY_BALLOON_ICON: g_tray.balloonIconFlags = static_cast<DWORD>(value); break;
    case KX_TRAY_TIP: kx::SetText(g_tray.tip, value); break;
    case KX_TRAY_ICON:
        kx::LoadTrayIcon(reinterpret_cast<HINSTANCE>(value), reinterpret_cast<LPCSTR>(extra));
        break;
    case KX_TRAY_BALLOON_SHOW:
        g_tray.balloons.push_back({g_tray.balloonTitle, g_tray.balloonText, g_tray.balloonIconFlags});
        kx::ShowNextBalloon();
        break;
    default: break;
    }
    return 0;
}
