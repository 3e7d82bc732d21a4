#include "paste_target.h"

#include <optional>
#include <string>
#include <vector>

#include "input_reach.h"

namespace tlx {

namespace {
constexpr int kFrontWaitSteps = 25;
constexpr DWORD kFrontWaitStepMs = 20;
constexpr int kKeysUpChecks = 50;
constexpr DWORD kKeysUpCheckMs = 20;
constexpr char kRefusedNotice[] =
    "管理者として実行中のウィンドウには自動で貼り付けできません。Ctrl+V で貼り付けてください。";

INPUT Key(WORD key, bool up, DWORD flags = 0) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

// Nothing when the token does not tell its integrity level (a system without them).
std::optional<ProcessStanding> StandingOfToken(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0) return std::nullopt;
    std::string label(size, '\0');
    if (!GetTokenInformation(token, TokenIntegrityLevel, label.data(), size, &size)) return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL *>(label.data())->Label.Sid;
    const UCHAR parts = *GetSidSubAuthorityCount(sid);
    if (parts == 0) return std::nullopt;
    ProcessStanding standing;
    standing.integrity = *GetSidSubAuthority(sid, parts - 1);
    TOKEN_ELEVATION elevation{};
    if (GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size))
        standing.elevated = elevation.TokenIsElevated != 0;
    DWORD uiAccess = 0;
    if (GetTokenInformation(token, TokenUIAccess, &uiAccess, sizeof uiAccess, &size)) standing.uiAccess = uiAccess != 0;
    return standing;
}

std::optional<ProcessStanding> StandingOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    std::optional<ProcessStanding> standing = StandingOfToken(token);
    CloseHandle(token);
    return standing;
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

void SendPasteKeys(size_t caretBack) {
    std::vector<INPUT> keys = {Key(VK_CONTROL, false), Key('V', false), Key('V', true), Key(VK_CONTROL, true)};
    for (size_t i = 0; i < caretBack; ++i)
        for (const bool up : {false, true}) keys.push_back(Key(VK_LEFT, up, KEYEVENTF_EXTENDEDKEY));
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

bool KeysReach(HWND target) {
    DWORD processId = 0;
    GetWindowThreadProcessId(target, &processId);
    std::optional<ProcessStanding> theirs;
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId)) {
        theirs = StandingOfProcess(process);
        CloseHandle(process);
    }
    return InputReaches(StandingOfProcess(GetCurrentProcess()), theirs);
}

bool ModifierKeysHeld() {
    for (const int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN})
        if (GetAsyncKeyState(key) & 0x8000) return true;
    return false;
}

bool PasteInto(HWND target, const char *caption, size_t caretBack) {
    if (!KeysReach(target)) {
        BringToFront(target);
        MessageBoxA(nullptr, kRefusedNotice, caption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
        return false;
    }
    if (!BringToFront(target)) return false;
    // Shift still held from Shift+Enter or a hotkey would make Ctrl+V another combination.
    for (int check = 0; check < kKeysUpChecks && ModifierKeysHeld(); ++check) Sleep(kKeysUpCheckMs);
    SendPasteKeys(caretBack);
    return true;
}

}  // namespace tlx
