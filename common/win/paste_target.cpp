#include "paste_target.h"

namespace tlx {

namespace {
constexpr int kFrontWaitSteps = 25;
constexpr DWORD kFrontWaitStepMs = 20;

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}
}  // namespace

bool CanPasteInto(HWND target) {
    DWORD process = 0;
    return target && IsWindow(target) && GetWindowThreadProcessId(target, &process) &&
           process != GetCurrentProcessId();
}

bool BringToFront(HWND target) {
    DWORD targetProcess = 0;
    GetWindowThreadProcessId(target, &targetProcess);
    AllowSetForegroundWindow(targetProcess);
    // Joined with the thread that has the front window, this thread may hand
    // the front over.
    const HWND front = GetForegroundWindow();
    const DWORD frontThread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    const bool attached = frontThread && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
    if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
    SetForegroundWindow(target);
    if (attached) AttachThreadInput(self, frontThread, FALSE);
    for (int step = 0; step < kFrontWaitSteps; ++step) {
        const HWND now = GetForegroundWindow();
        if (now == target || GetAncestor(now, GA_ROOTOWNER) == GetAncestor(target, GA_ROOTOWNER)) return true;
        Sleep(kFrontWaitStepMs);
    }
    return false;
}

void SendPasteKeys() {
    INPUT keys[] = {Key(VK_CONTROL, false), Key('V', false), Key('V', true), Key(VK_CONTROL, true)};
    SendInput(ARRAYSIZE(keys), keys, sizeof(INPUT));
}

}  // namespace tlx
