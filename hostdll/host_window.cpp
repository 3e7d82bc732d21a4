#include "host_window.h"

#include "call_function.h"
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
    HWND nextViewer = nullptr;
    bool inViewerChain = false;
};

HostState g_host;

void Raise(int32_t event, INT_PTR a, INT_PTR b) {
    if (g_host.callback) g_host.callback(event, a, b);
}

void LeaveViewerChain() {
    if (!g_host.inViewerChain) return;
    g_host.inViewerChain = false;
    ChangeClipboardChain(g_host.window, g_host.nextViewer);
}

// A viewer after ours that hangs must not stop this program (hotkeys and tray clicks
// wait for its message loop): it is waited for only so long, or not at all once the
// system counts it as hung.
constexpr UINT kForwardTimeoutMs = 2000;

void ForwardToNextViewer(UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(g_host.nextViewer, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kForwardTimeoutMs,
                        &result);
}

void OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
    Raise(KX_EVENT_CLIPBOARD, wParam, lParam);
    if (g_host.nextViewer) ForwardToNextViewer(WM_DRAWCLIPBOARD, wParam, lParam);
}

void OnChangeClipboardChain(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == g_host.nextViewer)
        g_host.nextViewer = reinterpret_cast<HWND>(lParam);
    else if (g_host.nextViewer)
        ForwardToNextViewer(WM_CHANGECBCHAIN, wParam, lParam);
}

void OnDestroy(WPARAM wParam, LPARAM lParam) {
    // Destroyed by someone other than Quit: still leave the chain intact.
    LeaveViewerChain();
    Raise(KX_EVENT_DESTROYED, wParam, lParam);
}

void OnCallFunctionRequest() {
    KxCallFunctionRecord record;
    if (ReceiveCallRecord(&record))
        Raise(KX_EVENT_CALL_FUNCTION, record.FunctionType, reinterpret_cast<INT_PTR>(record.Option));
}

void OnTrayCallback(LPARAM lParam) {
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
    switch (msg) {
    case WM_DRAWCLIPBOARD: OnDrawClipboard(wParam, lParam); return 0;
    case WM_CHANGECBCHAIN: OnChangeClipboardChain(wParam, lParam); return 0;
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
        LeaveViewerChain();
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
    // The system answers with WM_DRAWCLIPBOARD at once (event 0 during Init);
    // the next viewer is not known yet, so that first message goes no further.
    g_host.inViewerChain = true;
    g_host.nextViewer = SetClipboardViewer(g_host.window);
    kx::TraySetWindow(g_host.window);
    return g_host.window;
}

extern "C" int32_t WINAPI Quit(void) {
    g_host.quit = true;
    if (!g_host.window) return 0;
    kx::LeaveViewerChain();
    return DestroyWindow(g_host.window) ? 1 : 0;
}

extern "C" int32_t WINAPI ShowMainProgramWindow(void) {
    return PostMessageA(HWND_BROADCAST, kx::RegisteredMessage(kx::Message::MainWindowShow), 0, 0) ? 1 : 0;
}

extern "C" int32_t WINAPI ShowAbout(HWND owner) {
    return MessageBoxA(owner, "Porterica ポルテリカ メインDLL Ver.1.1.0", "ポルテリカ", MB_OK);
}
