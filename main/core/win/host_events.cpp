#include <cstring>
#include <deque>
#include <functional>
#include <string>

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

// A request from outside: its function, and its option copied (the text is valid only
// during the host's call).
struct ExternalCall {
    int32_t type;
    std::string option;
};

ExternalCall CallOf(INT_PTR type, INT_PTR text) {
    const char *option = reinterpret_cast<const char *>(text);
    return {static_cast<int32_t>(type), option ? std::string(option, strnlen(option, kExternalOptionMax)) : std::string()};
}

void OnExternalCall(const ExternalCall &call) {
    // A request from outside runs for the window in front now, as a hotkey does.
    App().ActivateWnd = GetForegroundWindow();
    ExecuteFunction(call.type, call.option, TLX_CALL_EXTERNAL);
}

void Dispatch(int32_t event, INT_PTR a, INT_PTR b) {
    switch (event) {
    case KX_EVENT_HOTKEY: OnHotkey(a); break;
    case KX_EVENT_SHOW_WINDOW: OnShowSettingsRequest(); break;
    case KX_EVENT_TRAY: OnTray(a, b); break;
    case KX_EVENT_CALL_FUNCTION: OnExternalCall(CallOf(a, b)); break;
    default: break;
    }
}

// Each clipboard change is handled once, by the newest look at the clipboard: its
// sequence number once the watch has run on it, or once the program's own event changed
// it (the notice of that change comes only after the event; it must not run the watch
// actions again: text only would rewrite the clipboard for ever).
DWORD g_seen = 0;
bool g_inEvent = false;       // an event is being handled (not start-up)
bool g_inCatchUp = false;     // a copy that came during it is being handled
bool g_pending = false;       // another program copied while an event was handled
// Requests from outside that came while an event was handled (while a paste waited for
// its keys, the second start's request is answered): each runs once the event has ended.
std::deque<ExternalCall> g_laterCalls;
UINT_PTR g_catchUpTimer = 0;

// A change made meanwhile by a program that owns the clipboard through a window of its
// own is a copy, not ours. Plug-ins write without an owner window, as this process does.
bool OwnedByAnotherProcess() {
    DWORD owner = 0;
    const HWND window = GetClipboardOwner();
    return window && GetWindowThreadProcessId(window, &owner) && owner != GetCurrentProcessId();
}

// The clipboard as an event left it: a change it made itself has been seen.
void SeenAfter(DWORD sequence) {
    const DWORD after = GetClipboardSequenceNumber();
    if (after != sequence && !OwnedByAnotherProcess()) g_seen = after;
}

bool SettingsWindowOpen() {
    SettingsWindowApi *window = App().SettingsWindow;
    return window && window->IsVisible();
}

void CALLBACK CatchUp(HWND, UINT, UINT_PTR, DWORD);

// From the next message loop that runs: the event's end, or the window an event waits
// for the user in (a picker, a question), whose loop handles a copy made meanwhile as
// any other is handled.
void ScheduleCatchUp() {
    if (!g_catchUpTimer) g_catchUpTimer = SetTimer(nullptr, 0, 0, CatchUp);
}

// `sequence`: the clipboard's sequence number as the event began.
bool RunEvent(DWORD sequence, const std::function<void()> &work) {
    AppState &app = App();
    if (!app.EventReady) return false;   // start-up, or another event: dropped, not queued
    app.EventReady = false;
    g_inEvent = true;
    work();
    SeenAfter(sequence);
    g_inEvent = false;
    app.EventReady = true;
    if (g_pending || !g_laterCalls.empty()) ScheduleCatchUp();
    return true;
}

void OnClipboardNotice(DWORD sequence) {
    if (sequence != 0 && sequence == g_seen) return;
    if (g_inEvent) {
        // The running function's own writes are its own; another program's copy waits its turn.
        if (OwnedByAnotherProcess()) {
            g_pending = true;
            ScheduleCatchUp();
        }
        return;
    }
    RunEvent(sequence, [sequence] {
        g_seen = sequence;
        if (!SettingsWindowOpen()) OnClipboardChanged();
    });
}

// The copy that came while an event ran, inside that event's loop: the watch runs on it
// as on any copy, the event's own state aside (its window in front stays its own).
void CatchUpInsideEvent(DWORD sequence) {
    AppState &app = App();
    g_inCatchUp = true;
    g_seen = sequence;
    const HWND eventsWindow = app.ActivateWnd;
    if (!SettingsWindowOpen()) OnClipboardChanged();
    app.ActivateWnd = eventsWindow;
    SeenAfter(sequence);
    g_inCatchUp = false;
    if (g_pending) ScheduleCatchUp();
}

void CatchUpCopy() {
    if (!g_pending || g_inCatchUp) return;   // one at a time: the one running schedules the next
    g_pending = false;
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence == g_seen) return;
    if (!g_inEvent) {
        OnClipboardNotice(sequence);
        return;
    }
    // The event has written to the clipboard since: that copy is gone, and this is its own.
    if (OwnedByAnotherProcess()) CatchUpInsideEvent(sequence);
}

void RunLaterCalls() {
    while (!g_inEvent && !g_laterCalls.empty()) {
        const ExternalCall call = std::move(g_laterCalls.front());
        g_laterCalls.pop_front();
        RunEvent(GetClipboardSequenceNumber(), [&] {
            if (!SettingsWindowOpen()) OnExternalCall(call);
        });
    }
}

void CALLBACK CatchUp(HWND, UINT, UINT_PTR, DWORD) {
    KillTimer(nullptr, g_catchUpTimer);
    g_catchUpTimer = 0;
    CatchUpCopy();
    RunLaterCalls();
}

}  // namespace

bool RunAsHostEvent(const std::function<void()> &work) { return RunEvent(GetClipboardSequenceNumber(), work); }

int32_t WINAPI HostCallback(int32_t event, INT_PTR a, INT_PTR b) {
    const DWORD sequence = GetClipboardSequenceNumber();
    if (event == KX_EVENT_CLIPBOARD) {
        OnClipboardNotice(sequence);
        return 0;
    }
    if (event == KX_EVENT_CALL_FUNCTION && g_inEvent) {
        g_laterCalls.push_back(CallOf(a, b));
        ScheduleCatchUp();
        return 0;
    }
    RunEvent(sequence, [&] {
        if (SettingsWindowOpen()) {
            SettingsWindowApi *window = App().SettingsWindow;
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
