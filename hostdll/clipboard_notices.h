// How the hidden window hears of clipboard changes. Through the system's clipboard
// format listener where it has one: the system tells every listener itself, so no other
// program can cut ours off. Through the clipboard viewer chain only where it has none:
// there each viewer passes the notice on, and a viewer in front of ours that dies
// without leaving the chain ends all notices.
#pragma once
#include <windows.h>

namespace kx {

using ClipboardChanged = void (*)(WPARAM wParam, LPARAM lParam);

// Starts hearing of changes for the window. onChange is called once before this
// returns (joining the chain answers so at once; listening is made to answer alike),
// then once per change.
void StartClipboardNotices(HWND window, ClipboardChanged onChange);
// Stops hearing of changes; the chain is left whole. Nothing happens when not started.
void StopClipboardNotices();
// The window procedure's part: WM_CLIPBOARDUPDATE, WM_DRAWCLIPBOARD and
// WM_CHANGECBCHAIN, each acted on only in the way that was started. False for any
// other message.
bool OnClipboardNotice(UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace kx
