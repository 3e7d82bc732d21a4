#include "window_dpi.h"

#include "basCommonFunc.h"
#include "screen_dpi.h"

namespace ptr {

void KeepDialogDpiChanges(HWND dialog) {
    using SetBehaviorFn = BOOL(WINAPI *)(HWND, int, int);
    static const auto setBehavior = tlx::User32Function<SetBehaviorFn>("SetDialogDpiChangeBehavior");
    constexpr int kDisableAll = 1;   // DDC_DISABLE_ALL
    if (setBehavior) setBehavior(dialog, kDisableAll, kDisableAll);
}

int FollowDpiChange(HWND dialog, int fromDpi, WPARAM wp, LPARAM lp, HFONT font) {
    const int dpi = HIWORD(wp) ? HIWORD(wp) : fromDpi;
    ScaleControls(dialog, static_cast<double>(dpi) / (fromDpi > 0 ? fromDpi : USER_DEFAULT_SCREEN_DPI), font);
    tlx::TakeSuggestedRect(dialog, *reinterpret_cast<const RECT *>(lp));
    return dpi;
}

}  // namespace ptr
