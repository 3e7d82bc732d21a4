// The program's one tray icon and its optional balloon.
#pragma once
#include <windows.h>

namespace kx {

// Library load: default state, the icon's identifier atom.
void TrayAttach(HINSTANCE module);
// Library unload: removes the icon and releases the atom and the loaded icon.
void TrayDetach();
// The window that receives the icon's mouse messages.
void TraySetWindow(HWND window);
// The taskbar restarted: add the icon again, without the balloon.
void TrayOnTaskbarCreated();
// What the shell tells of the icon (the callback's lParam): a balloon that ended gives
// the next its turn.
void TrayOnCallback(UINT message);

}  // namespace kx
