#include "screen_dpi.h"

namespace tlx {

namespace {

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : SystemDpi();
}

int SystemDpi() {
    using GetDpiForSystemFn = UINT(WINAPI *)();
    static const auto getDpiForSystem = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
    const UINT dpi = getDpiForSystem ? getDpiForSystem() : 0;
    return dpi ? static_cast<int>(dpi) : ScreenDpi();
}

int SystemMetricAt(int metric, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI *)(int, UINT);
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(metric, static_cast<UINT>(dpi));
    // Older systems know the metrics at their one resolution only.
    return MulDiv(GetSystemMetrics(metric), dpi, SystemDpi());
}

}  // namespace tlx
