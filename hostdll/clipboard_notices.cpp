#include "clipboard_notices.h"

#include "viewer_chain_switch.h"

namespace kx {

namespace {

enum class Way { None, Listener, ViewerChain };

using ListenerCall = BOOL(WINAPI *)(HWND);

struct Notices {
    Way way = Way::None;
    HWND window = nullptr;
    HWND nextViewer = nullptr;
    ClipboardChanged onChange = nullptr;
    ListenerCall removeListener = nullptr;
};

Notices g_notices;

// Looked up at run time: the release must still start on systems without them.
ListenerCall User32Call(const char *name) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<ListenerCall>(reinterpret_cast<void *>(GetProcAddress(user32, name))) : nullptr;
}

bool ViewerChainChosenForTests() {
    char value[4] = {};
    return GetEnvironmentVariableA(kViewerChainTestSwitch, value, sizeof value) == 1 && value[0] == '1';
}

bool StartListening(HWND window) {
    if (ViewerChainChosenForTests()) return false;
    const ListenerCall add = User32Call("AddClipboardFormatListener");
    const ListenerCall remove = User32Call("RemoveClipboardFormatListener");
    if (!add || !remove || !add(window)) return false;
    g_notices.removeListener = remove;
    return true;
}

// A viewer after ours that hangs must not stop this program (hotkeys and tray clicks
// wait for its message loop): it is waited for only so long, or not at all once the
// system counts it as hung.
constexpr UINT kForwardTimeoutMs = 2000;

void ForwardToNextViewer(UINT msg, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(g_notices.nextViewer, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kForwardTimeoutMs,
                        &result);
}

void OnDrawClipboard(WPARAM wParam, LPARAM lParam) {
    g_notices.onChange(wParam, lParam);
    if (g_notices.nextViewer) ForwardToNextViewer(WM_DRAWCLIPBOARD, wParam, lParam);
}

void OnChangeClipboardChain(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == g_notices.nextViewer)
        g_notices.nextViewer = reinterpret_cast<HWND>(lParam);
    else if (g_notices.nextViewer)
        ForwardToNextViewer(WM_CHANGECBCHAIN, wParam, lParam);
}

}  // namespace

void StartClipboardNotices(HWND window, ClipboardChanged onChange) {
    g_notices = Notices{};
    g_notices.window = window;
    g_notices.onChange = onChange;
    if (StartListening(window)) {
        g_notices.way = Way::Listener;
        onChange(0, 0);   // as joining the chain answers at once
        return;
    }
    // The system answers with WM_DRAWCLIPBOARD at once; the next viewer is not known
    // yet, so that first message goes no further.
    g_notices.way = Way::ViewerChain;
    g_notices.nextViewer = SetClipboardViewer(window);
}

void StopClipboardNotices() {
    if (g_notices.way == Way::Listener) g_notices.removeListener(g_notices.window);
    if (g_notices.way == Way::ViewerChain) ChangeClipboardChain(g_notices.window, g_notices.nextViewer);
    g_notices = Notices{};
}

bool OnClipboardNotice(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLIPBOARDUPDATE:
        if (g_notices.way == Way::Listener) g_notices.onChange(wParam, lParam);
        return true;
    case WM_DRAWCLIPBOARD:
        if (g_notices.way == Way::ViewerChain) OnDrawClipboard(wParam, lParam);
        return true;
    case WM_CHANGECBCHAIN:
        if (g_notices.way == Way::ViewerChain) OnChangeClipboardChain(wParam, lParam);
        return true;
    default: return false;
    }
}

}  // namespace kx
