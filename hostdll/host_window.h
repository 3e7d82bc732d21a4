// The hidden window: clipboard changes, hotkeys, tray and cross-process messages,
// each turned into one call of the host callback.
#pragma once
#include <windows.h>

namespace kx {

void HostWindowAttach(HINSTANCE module);
// Library unload. On a plain unload Quit is called if it was not; at process
// exit the window dies with the process and only the clipboard notices are stopped,
// without calling back into modules the system has already shut down.
void HostWindowDetach(bool processExit);

}  // namespace kx
