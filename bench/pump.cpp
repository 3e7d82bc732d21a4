#include "pump.h"

namespace ptrbench {

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitPumping(HANDLE handle, DWORD ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        const DWORD r = MsgWaitForMultipleObjects(1, &handle, FALSE, elapsed >= ms ? 0 : ms - elapsed, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        PumpPending();
    }
}

bool PumpUntil(const std::function<bool()> &pred, DWORD ms, DWORD pollMs) {
    const DWORD start = GetTickCount();
    while (!pred()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return pred();
        const DWORD left = ms - elapsed;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, left < pollMs ? left : pollMs, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

void PumpFor(DWORD ms) { PumpUntil([] { return false; }, ms, ms); }

}  // namespace ptrbench
