// What a dialog does when moved to a monitor of another resolution (WM_DPICHANGED); a
// window's frame at a resolution is in screen_dpi.h.
#pragma once
#include <windows.h>

namespace ptr {

// A dialog whose procedure answers WM_DPICHANGED itself: the dialog manager neither
// sizes it nor moves and refonts its controls (Windows 10 1703 and later would).
void KeepDialogDpiChanges(HWND dialog);
// A dialog laid out in pixels at fromDpi, moved to a monitor of another resolution:
// its controls moved and sized in proportion, given font (unless null), and the
// dialog in the suggested place. The new resolution.
int FollowDpiChange(HWND dialog, int fromDpi, WPARAM wp, LPARAM lp, HFONT font);

}  // namespace ptr
