// The keys of a paste into the window the user was working in: the one way the program
// and its plug-ins send them, with the one wait for the keys of the hotkey that ran the
// paste to be let go.
#pragma once
#include <windows.h>

#include <cstddef>

namespace tlx {

// Whether pasting into the window makes sense: it still exists and belongs to
// another process than the program's own.
bool CanPasteInto(HWND target);

// Whether keys this program sends reach the window: Windows drops them without a
// word when its program runs above ours (as administrator while ours does not).
bool KeysReach(HWND target);

// Waits until no modifier key (Shift, Ctrl, Alt, a Windows key) is held, answering
// meanwhile what other programs send to this thread (a request for what is offered on
// the clipboard); false when one is still held after `ms`.
bool WaitForKeysUp(DWORD ms);

enum class PasteKeys {
    kSent,          // Ctrl+V went to the window
    kKeysHeld,      // keys were still held: nothing sent, the user told to press Ctrl+V
    kRefused,       // Windows would drop them: the window came to the front, the user told
    kNotInFront,    // the window did not come to the front
};

// With what is to be pasted on the clipboard already: the window comes to the front and
// gets Ctrl+V once the keys of the hotkey are let go, then `caretBack` steps of the
// caret to the left. A different combination is never sent: where keys are still held
// after a few seconds, or where Windows would drop them, nothing is sent and a notice
// captioned `caption` asks the user to press Ctrl+V.
PasteKeys SendPaste(HWND target, const char *caption, size_t caretBack = 0);

// After a paste: `key` (Enter or Tab) to the window in front, when it belongs to the
// process that pasted; Ctrl and Shift still held from that paste are let go around it, so
// that the key arrives alone and before the next paste. False when nothing was sent.
bool SendKeyAfterPaste(WORD key, DWORD pastingProcess);

}  // namespace tlx
