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

int MonitorDpi(HMONITOR monitor) {
    // In shcore.dll, which Windows 7 lacks; loaded with user32 by every window program.
    using GetDpiForMonitorFn = HRESULT(WINAPI *)(HMONITOR, int, UINT *, UINT *);
    static const HMODULE shcore = LoadLibraryA("shcore.dll");
    static const auto forMonitor = shcore ? reinterpret_cast<GetDpiForMonitorFn>(reinterpret_cast<void *>(
                                                GetProcAddress(shcore, "GetDpiForMonitor")))
                                          : nullptr;
    constexpr int kEffectiveDpi = 0;   // MDT_EFFECTIVE_DPI
    UINT x = 0, y = 0;
    if (forMonitor && monitor && SUCCEEDED(forMonitor(monitor, kEffectiveDpi, &x, &y)) && y) return static_cast<int>(y);
    return SystemDpi();
}

int SystemMetricAt(int metric, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI *)(int, UINT);
    static const auto forDpi = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) return forDpi(metric, static_cast<UINT>(dpi));
    // Older systems know the metrics at their one resolution only.
    return MulDiv(GetSystemMetrics(metric), dpi, SystemDpi());
}

SIZE FrameSizeFor(DWORD style, DWORD exStyle, bool menu, int clientWidth, int clientHeight, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI *)(RECT *, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, menu, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi) {
    return FrameSizeFor(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)),
                        static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)), GetMenu(window) != nullptr,
                        clientWidth, clientHeight, dpi);
}

void TakeSuggestedRect(HWND window, const RECT &suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LOGFONTW MessageFontAt(int dpi) {
    using ForDpiFn = BOOL(WINAPI *)(UINT, UINT, PVOID, UINT, UINT);
    static const auto forDpi = User32Function<ForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics.lfMessageFont;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return metrics.lfMessageFont;
}

bool CaretOnScreen(HWND window, RECT *caret) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) || !thread.hwndCaret) return false;
    *caret = thread.rcCaret;
    MapWindowPoints(thread.hwndCaret, HWND_DESKTOP, reinterpret_cast<POINT *>(caret), 2);
    return true;
}

}  // namespace tlx
