// The resolution a window is drawn at, asked of Windows where it can answer per monitor
// (Windows 10 and later) and of the screen otherwise (Windows 7, 8), where every window
// has the system's resolution; a window's frame and the message font at a resolution;
// and where a window's caret is on the screen, for what opens beside it.
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
// The dots per inch a window of this thread gets on the monitor (Windows 8.1 and later
// tell it per monitor); SystemDpi() where the system cannot tell.
int MonitorDpi(HMONITOR monitor);
// GetSystemMetrics of the metric as it is at that resolution.
int SystemMetricAt(int metric, int dpi);

// A window's outer size for a client area of the size, with the frame and caption of
// the style (and a menu bar) at dpi.
SIZE FrameSizeFor(DWORD style, DWORD exStyle, bool menu, int clientWidth, int clientHeight, int dpi);
// The same for the window's own style and menu.
SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi);
// The place Windows suggests with WM_DPICHANGED.
void TakeSuggestedRect(HWND window, const RECT &suggested);

// The system's message font as it is at that resolution.
LOGFONTW MessageFontAt(int dpi);
// The caret of that window's thread on the screen; false when it shows none.
bool CaretOnScreen(HWND window, RECT *caret);

}  // namespace tlx
