// What every small window of the benchmarks and fault tests does alike: a hidden
// top-level window of its own class, and the part of a clipboard viewer that keeps the
// chain whole.
#pragma once
#include <windows.h>

namespace ptrbench {

// A hidden pop-up window of the class `cls` (registered on first use) with `proc`.
HWND MakeHiddenWindow(const char *cls, WNDPROC proc);

// WM_CHANGECBCHAIN for a viewer whose next viewer is `next`: follows the chain when
// the next viewer leaves, else passes the message on.
void FollowChainChange(HWND &next, WPARAM wParam, LPARAM lParam);

}  // namespace ptrbench
