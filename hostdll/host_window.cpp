#include "host_window.h"

#include "call_function.h"
#include "clipboard_notices.h"
#include "kxdll.h"
#include "registered_messages.h"
#include "tray_icon.h"
#include "tray_mouse.h"

namespace kx {

namespace {

constexpr const char *kWindowClass = "KXDLL_HostWindow";

struct HostState {
    HINSTANCE module = nullptr;
    bool initialised = false;
    bool quit = false;
    KxHostCallback callback = nullptr;
    HWND window = nullptr;
};

HostState g_host;

void Raise(int32_t event, INT_PTR a, INT_PTR b) {
    if (g_host.callback) g_host.callback(event, a, b);
}

void OnClipboardChanged(WPARAM wParam, LPARAM lParam) { Raise(KX_EVENT_CLIPBOARD, wParam, lParam); }

void OnDestroy(WPARAM wParam, LPARAM lParam) {
    // Destroyed by someone other than Quit: still stop hearing of changes, leaving the
    // chain intact.
    StopClipboardNotices();
    Raise(KX_EVENT_DESTROYED, wParam, lParam);
}

void OnCallFunctionRequest() {
    KxCallFunctionRecord record;
    if (ReceiveCallRecord(&record))
        Raise(KX_EVENT_CALL_FUNCTION, record.FunctionType, reinterpret_cast<INT_PTR>(record.Option));
}

void OnTrayCallback(LPARAM lParam) {
    TrayOnCallback(static_cast<UINT>(lParam));
    const TrayMouseAction mouse = MapTrayMouseMessage(static_cast<uint32_t>(lParam));
    if (mouse.action) Raise(KX_EVENT_TRAY, mouse.action, mouse.button);
}

// True when the message is one of the registered ones and was handled.
bool OnRegisteredMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg < 0xC000) return false;
    if (msg == RegisteredMessage(Message::TaskbarCreated)) {
        TrayOnTaskbarCreated();
    } else if (msg == RegisteredMessage(Message::MainWindowShow)) {
        Raise(KX_EVENT_SHOW_WINDOW, wParam, lParam);
    } else if (msg == RegisteredMessage(Message::CallFunction)) {
        OnCallFunctionRequest();
    } else if (msg == RegisteredMessage(Message::TrayCallback)) {
        OnTrayCallback(lParam);
    } else {
        return false;
    }
    return true;
}

LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (OnClipboardNotice(msg, wParam, lParam)) return 0;
    switch (msg) {
    case WM_HOTKEY: Raise(KX_EVENT_HOTKEY, wParam, lParam); return 0;
    case WM_DESTROY: OnDestroy(wParam, lParam); return 0;
    case WM_NCDESTROY: g_host.window = nullptr; return 0;
    case WM_CLOSE: return 0;  // only Quit ends the window
    default: break;
    }
    if (OnRegisteredMessage(msg, wParam, lParam)) return 0;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateHostWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostWindowProc;
    wc.hInstance = g_host.module;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);
    // Top-level and unowned so that broadcast messages reach it; never shown.
    return CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "KXDLL", WS_POPUP, 0, 0, 0, 0, nullptr,
                           nullptr, g_host.module, nullptr);
}

}  // namespace

void HostWindowAttach(HINSTANCE module) {
    g_host = HostState{};
    g_host.module = module;
}

void HostWindowDetach(bool processExit) {
    if (processExit) {
        StopClipboardNotices();
    } else {
        if (!g_host.quit) Quit();
        UnregisterClassA(kWindowClass, g_host.module);
    }
    g_host = HostState{};
}

}  // namespace kx

using kx::g_host;

extern "C" HWND WINAPI Init(KxHostCallback callback) {
    if (g_host.initialised) return nullptr;
    g_host.initialised = true;
    g_host.quit = false;
    g_host.callback = callback;
    kx::RegisterAllMessages();
    g_host.window = kx::CreateHostWindow();
    if (!g_host.window) return nullptr;
    kx::StartClipboardNotices(g_host.window, kx::OnClipboardChanged);  // event 0 during Init
    kx::TraySetWindow(g_host.window);
    return g_host.window;
}

extern "C" int32_t WINAPI Quit(void) {
    g_host.quit = true;
    if (!g_host.window) return 0;
    kx::StopClipboardNotices();
    return DestroyWindow(g_host.window) ? 1 : 0;
}

extern "C" int32_t WINAPI ShowMainProgramWindow(void) {
    return PostMessageA(HWND_BROADCAST, kx::RegisteredMessage(kx::Message::MainWindowShow), 0, 0) ? 1 : 0;
}

extern "C" int32_t WINAPI ShowAbout(HWND owner) {
    return MessageBoxA(owner, "Porterica ポルテリカ メインDLL Ver.1.1.0", "ポルテリカ", MB_OK);
}
