// Waiting while answering messages. A process that copies to the clipboard owns it and
// is sent WM_DESTROYCLIPBOARD when the next writer empties it; KXDLL's CallFunction
// broadcasts to every top-level window and waits for each. Whoever waits on the
// program must therefore keep answering, or the program waits on the waiter.
#pragma once
#include <windows.h>

#include <functional>

namespace ptrbench {

// Handles what is queued for this thread.
void PumpPending();
// Waits for the handle up to ms; true when it was signalled.
bool WaitPumping(HANDLE handle, DWORD ms);
// Waits until pred() holds, looking again after every message and at least every
// `pollMs`; returns pred().
bool PumpUntil(const std::function<bool()> &pred, DWORD ms, DWORD pollMs = 5);
// Answers messages for the given time.
void PumpFor(DWORD ms);

}  // namespace ptrbench
