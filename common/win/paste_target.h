// Pasting into the window the user was working in, for the plug-ins that paste
// what the user chose: the window comes back to the front and receives Ctrl+V as
// real input, so that the paste works in any program as the user's own would.
#pragma once
#include <windows.h>

namespace tlx {

// Whether pasting into the window makes sense: it still exists and belongs to
// another process than the program's own.
bool CanPasteInto(HWND target);

enum class PasteOutcome {
    kPasted,      // Ctrl+V sent to the window in front
    kNotInFront,  // the window did not come to the front; nothing sent
    kRefused,     // Windows would drop the keys: the user was told to press Ctrl+V
};

// With what is to be pasted on the clipboard already: brings the window to the
// front and sends Ctrl+V. When the window's program runs as administrator while
// ours does not, Windows would drop the keys without a word: none are sent, the
// window still comes to the front, and a message captioned `caption` asks the
// user to press Ctrl+V.
PasteOutcome PasteInto(HWND target, const char *caption);

}  // namespace tlx
