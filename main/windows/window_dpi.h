// What a window does for the resolution of its monitor: its frame at that resolution
// and the move to a monitor of another (WM_DPICHANGED).
#pragma once
#include <windows.h>

namespace ptr {

// The window's outer size for a client area of the size, with the frame, caption and
// menu bar of its style at dpi.
SIZE FrameSize(HWND window, int clientWidth, int clientHeight, int dpi);
// The place Windows suggests with WM_DPICHANGED.
void TakeSuggestedRect(HWND window, const RECT &suggested);
// A dialog whose procedure answers WM_DPICHANGED itself: the dialog manager neither
// sizes it nor moves and refonts its controls (Windows 10 1703 and later would).
void KeepDialogDpiChanges(HWND dialog);
// A dialog laid out in pixels at fromDpi, moved to a monitor of another resolution:
// its controls moved and sized in proportion, given font (unless null), and the
// dialog in the suggested place. The new resolution.
int FollowDpiChange(HWND dialog, int fromDpi, WPARAM wp, LPARAM lp, HFONT font);

}  // namespace ptr
