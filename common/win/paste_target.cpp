#include "paste_target.h"

#include <optional>
#include <string>
#include <vector>

#include <initializer_list>

#include "host_services.h"
#include "input_reach.h"

namespace tlx {

namespace {
constexpr DWORD kFrontWaitMs = 500;
constexpr DWORD kPollMs = 15;
// Long enough to let go of a hotkey's keys; held longer, they are held for something else.
constexpr DWORD kKeysUpWaitMs = 3000;
constexpr char kRefusedNotice[] =
    "管理者として実行中のウィンドウには自動で貼り付けできません。Ctrl+V で貼り付けてください。";
constexpr char kKeysHeldNotice[] =
    "キーが押されたままだったため、貼り付けませんでした。キーを離してから Ctrl+V で貼り付けてください。";
constexpr std::initializer_list<int> kModifiers = {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN};

bool Held(std::initializer_list<int> keys) {
    for (const int key : keys)
        if (GetAsyncKeyState(key) & 0x8000) return true;
    return false;
}

// Waits up to `ms`, answering meanwhile what other threads send to this one: a program
// pasting asks this thread for what is offered, and must not wait on it.
void AnswerSentMessagesFor(DWORD ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_SENDMESSAGE);
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool WaitUntil(DWORD ms, bool (*done)(HWND), HWND window) {
    const DWORD start = GetTickCount();
    while (!done(window)) {
        if (GetTickCount() - start >= ms) return false;
        AnswerSentMessagesFor(kPollMs);
    }
    return true;
}

bool KeysUp(std::initializer_list<int> keys, DWORD ms) {
    const DWORD start = GetTickCount();
    while (Held(keys)) {
        if (GetTickCount() - start >= ms) return false;
        AnswerSentMessagesFor(kPollMs);
    }
    return true;
}

// A word to the user that does not stop them: a balloon, or a message where the host shows none.
void Notice(const char *caption, const char *text) {
    if (!ShowHostNotice(caption, text, false))
        MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
}

bool InFront(HWND target) {
    const HWND now = GetForegroundWindow();
    return now == target || GetAncestor(now, GA_ROOTOWNER) == GetAncestor(target, GA_ROOTOWNER);
}

// Brings the window to the front, with what Windows asks before another process's
// window may come there. False when it did not get there.
bool BringToFront(HWND target) {
    DWORD targetProcess = 0;
    GetWindowThreadProcessId(target, &targetProcess);
    AllowSetForegroundWindow(targetProcess);
    // Joined with the thread that has the front window, this thread may hand the front over.
    const HWND front = GetForegroundWindow();
    const DWORD frontThread = front ? GetWindowThreadProcessId(front, nullptr) : 0;
    const DWORD self = GetCurrentThreadId();
    const bool attached = frontThread && frontThread != self && AttachThreadInput(self, frontThread, TRUE);
    if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
    SetForegroundWindow(target);
    if (attached) AttachThreadInput(self, frontThread, FALSE);
    return WaitUntil(kFrontWaitMs, InFront, target);
}

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

bool WaitForKeysUp(DWORD ms) { return KeysUp(kModifiers, ms); }

PasteKeys SendPaste(HWND target, const char *caption, size_t caretBack) {
    if (!KeysReach(target)) {
        BringToFront(target);
        // The user must act in that window now: a message they answer there.
        MessageBoxA(nullptr, kRefusedNotice, caption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND | MB_TOPMOST);
        return PasteKeys::kRefused;
    }
    if (!BringToFront(target)) return PasteKeys::kNotInFront;
    // Shift or Alt still held from the hotkey would make Ctrl+V another combination.
    if (!WaitForKeysUp(kKeysUpWaitMs)) {
        Notice(caption, kKeysHeldNotice);
        return PasteKeys::kKeysHeld;
    }
    std::vector<INPUT> keys = {Key(VK_CONTROL, false), Key('V', false), Key('V', true), Key(VK_CONTROL, true)};
    for (size_t i = 0; i < caretBack; ++i)
        for (const bool up : {false, true}) keys.push_back(Key(VK_LEFT, up, KEYEVENTF_EXTENDEDKEY));
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    return PasteKeys::kSent;
}

bool SendKeyAfterPaste(WORD key, DWORD pastingProcess) {
    DWORD front = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &front);
    if (!pastingProcess || front != pastingProcess) return false;
    // Alt or a Windows key let go alone would open a menu: those are waited for.
    if (!KeysUp({VK_MENU, VK_LWIN, VK_RWIN}, kKeysUpWaitMs)) return false;
    std::vector<INPUT> keys;
    std::vector<WORD> held;
    for (const WORD modifier : {VK_LCONTROL, VK_RCONTROL, VK_LSHIFT, VK_RSHIFT})
        if (GetAsyncKeyState(modifier) & 0x8000) held.push_back(modifier);
    for (const WORD modifier : held) keys.push_back(Key(modifier, true));
    keys.push_back(Key(key, false));
    keys.push_back(Key(key, true));
    for (const WORD modifier : held) keys.push_back(Key(modifier, false));
    return SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
}

}  // namespace tlx
