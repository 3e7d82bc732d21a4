// Pasting a chosen entry into the window the user was working in.
#pragma once
#include <windows.h>

#include <cstddef>

namespace tlx {

// Whether pasting into the window makes sense: it still exists and belongs to
// another process than the program's own.
bool CanPasteInto(HWND target);
// Brings the window to the front, with what Windows asks before another
// process's window may come there. False when it did not get there.
bool BringToFront(HWND target);
// Ctrl+V as real keyboard input, to whatever window has the focus, then the Left
// arrow `caretBack` times (to leave the caret inside what was pasted).
void SendPasteKeys(size_t caretBack = 0);
// Whether Shift, Ctrl, Alt or a Windows key is down: keys sent now would be other
// combinations (the keys of a hotkey are often still held when it runs).
bool ModifierKeysHeld();
// Whether keys this program sends reach the window: Windows drops them without a
// word when its program runs above ours (as administrator while ours does not).
bool KeysReach(HWND target);

// With what is to be pasted on the clipboard already: the window comes to the
// front and gets Ctrl+V once the modifier keys are let go (a second at most), or,
// where Windows would drop the keys, comes to the front while a message captioned
// `caption` asks the user to press Ctrl+V. True when Ctrl+V was sent, followed by
// `caretBack` steps of the caret to the left.
bool PasteInto(HWND target, const char *caption, size_t caretBack = 0);

}  // namespace tlx
