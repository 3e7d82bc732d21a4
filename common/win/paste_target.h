// Pasting a chosen entry into the window the user was working in.
#pragma once
#include <windows.h>

namespace tlx {

// Whether pasting into the window makes sense: it still exists and belongs to
// another process than the program's own.
bool CanPasteInto(HWND target);
// Brings the window to the front, with what Windows asks before another
// process's window may come there. False when it did not get there.
bool BringToFront(HWND target);
// Ctrl+V as real keyboard input, to whatever window has the focus.
void SendPasteKeys();

}  // namespace tlx
