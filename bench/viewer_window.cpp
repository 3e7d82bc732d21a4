#include "viewer_window.h"

namespace ptrbench {

HWND MakeHiddenWindow(const char *cls, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    return CreateWindowExA(0, cls, cls, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void FollowChainChange(HWND &next, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == next)
        next = reinterpret_cast<HWND>(lParam);
    else if (next)
        SendMessageA(next, WM_CHANGECBCHAIN, wParam, lParam);
}

}  // namespace ptrbench
