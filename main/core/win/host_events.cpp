#include <cstring>
#include <functional>

#include "app_state.h"
#include "basMain.h"
#include "clipboard_watch.h"
#include "execute_function.h"
#include "host_dll.h"
#include "hotkeys.h"
#include "settings_window_api.h"
#include "text_util.h"

namespace ptr {

namespace {

// The option text of an external call is at most 1,027 bytes plus its terminator.
constexpr size_t kExternalOptionMax = 1024;

void OnClipboardChanged() {
    App().ActivateWnd = GetForegroundWindow();
    RunWatchActions();
}

void OnHotkey(INT_PTR id) {
    App().ActivateWnd = GetForegroundWindow();
    RunHotkey(id);
}

void OnShowSettingsRequest() {
    AppState &app = App();
    HostDll::Get().NotifyIconControl(KX_TRAY_ADD, 0, 0);
    if (app.SettingsWindow) app.SettingsWindow->ShowPage(app.Settings.Mode);
}

void OnTray(INT_PTR action, INT_PTR button) {
    SettingsWindowApi *window = App().SettingsWindow;
    if (!window) return;
    if (action == KX_TRAY_UP) window->TrayButtonUp(static_cast<int>(button));
    if (action == KX_TRAY_DBLCLK) window->TrayDoubleClick(static_cast<int>(button));
}

void OnExternalCall(INT_PTR type, INT_PTR text) {
    // A request from outside runs for the window in front now, as a hotkey does.
    App().ActivateWnd = GetForegroundWindow();
    const char *option = reinterpret_cast<const char *>(text);
    const std::string copy = option ? std::string(option, strnlen(option, kExternalOptionMax)) : std::string();
    ExecuteFunction(static_cast<int32_t>(type), copy, TLX_CALL_EXTERNAL);
}

void Dispatch(int32_t event, INT_PTR a, INT_PTR b) {
    switch (event) {
    case KX_EVENT_CLIPBOARD: OnClipboardChanged(); break;
    case KX_EVENT_HOTKEY: OnHotkey(a); break;
    case KX_EVENT_SHOW_WINDOW: OnShowSettingsRequest(); break;
    case KX_EVENT_TRAY: OnTray(a, b); break;
    case KX_EVENT_CALL_FUNCTION: OnExternalCall(a, b); break;
    default: break;
    }
}

// The clipboard's sequence number as the last handled event left it, when that event
// changed the clipboard. The notice of that change comes only after EventReady is set
// again (the system's listener posts it; in the viewer chain, a viewer in front of ours
// hands it back); it is the program's own and must not run the watch actions again
// (text only would rewrite the clipboard for ever).
DWORD g_ownChange = 0;

// A change made meanwhile by a program that owns the clipboard through a window of its
// own is a copy, not ours: its notification comes after the event and must be handled.
// Plug-ins write without an owner window, as this process does.
bool OwnedByAnotherProcess() {
    DWORD owner = 0;
    const HWND window = GetClipboardOwner();
    return window && GetWindowThreadProcessId(window, &owner) && owner != GetCurrentProcessId();
}

// `sequence`: the clipboard's sequence number as the event began.
bool RunEvent(DWORD sequence, const std::function<void()> &work) {
    AppState &app = App();
    if (!app.EventReady) return false;   // dropped, not queued
    app.EventReady = false;
    work();
    const bool foreign = OwnedByAnotherProcess();
    const DWORD after = GetClipboardSequenceNumber();
    if (after != sequence && !foreign) g_ownChange = after;
    app.EventReady = true;
    return true;
}

}  // namespace

bool RunAsHostEvent(const std::function<void()> &work) { return RunEvent(GetClipboardSequenceNumber(), work); }

int32_t WINAPI HostCallback(int32_t event, INT_PTR a, INT_PTR b) {
    const DWORD sequence = GetClipboardSequenceNumber();
    if (event == KX_EVENT_CLIPBOARD && sequence != 0 && sequence == g_ownChange) return 0;
    RunEvent(sequence, [&] {
        SettingsWindowApi *window = App().SettingsWindow;
        if (window && window->IsVisible()) {
            if (event == KX_EVENT_SHOW_WINDOW) window->BringToFront();
            // A click on the tray icon brings the open window to the front (its own handling).
            if (event == KX_EVENT_TRAY) OnTray(a, b);
        } else {
            Dispatch(event, a, b);
        }
    });
    return 0;
}

}  // namespace ptr
