// The resolution a window is drawn at, asked of Windows where it can answer per monitor
// (Windows 10 and later) and of the screen otherwise (Windows 7, 8), where every window
// has the system's resolution.
#pragma once
#include <windows.h>

namespace tlx {

// A function of user32 that older systems lack, looked up where it is used; null where
// the system has none.
template <typename Function>
Function User32Function(const char *name) {
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

// The dots per inch of the monitor the window is on.
int WindowDpi(HWND window);
// The dots per inch of the primary monitor, as the system was started with.
int SystemDpi();
// GetSystemMetrics of the metric as it is at that resolution.
int SystemMetricAt(int metric, int dpi);

}  // namespace tlx
