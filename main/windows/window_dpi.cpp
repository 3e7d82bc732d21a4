#include "window_dpi.h"

#include "basCommonFunc.h"
#include "screen_dpi.h"

namespace ptr {

SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = tlx::User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    RECT r{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, menu, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

void TakeSuggestedRect(HWND window, const RECT &suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepDialogDpiChanges(HWND dialog) {
    using SetBehaviorFn = BOOL(WINAPI *)(HWND, int, int);
    static const auto setBehavior = tlx::User32Function<SetBehaviorFn>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;   // DDC_DISABLE_ALL
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}

int FollowDpiChange(HWND dialog, int fromDpi, WPARAM wp, LPARAM lp, HFONT font) {
    const int dpi = HIWORD(wp) ? HIWORD(wp) : fromDpi;
    ScaleControls(dialog, static_cast<double>(dpi) / (fromDpi > 0 ? fromDpi : USER_DEFAULT_SCREEN_DPI), font);
    TakeSuggestedRect(dialog, *reinterpret_cast<const RECT *>(lp));
    return dpi;
}

}  // namespace ptr
