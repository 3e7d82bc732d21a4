#include "children.h"

#include <cstdlib>
#include <cstring>

#include "clipboard_writer.h"
#include "pump.h"
#include "stamp_board.h"
#include "viewer_window.h"

namespace ptrbench {

namespace {

// A clipboard viewer (in the chain, or a format listener) that either rewrites the
// clipboard to its text, as the text plug-in's "text only" does, or only stamps.
struct Viewer {
    bool textOnly = false;
    UINT extra = 0;
    HWND next = nullptr;
    BoardView *board = nullptr;
};
Viewer g_viewer;

void RewriteToText() {
    if (!OpenClipboard(nullptr)) return;
    if (HANDLE text = GetClipboardData(CF_TEXT)) {
        const SIZE_T size = GlobalSize(text);
        HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size);
        if (copy) {
            std::memcpy(GlobalLock(copy), GlobalLock(text), size);
            GlobalUnlock(text);
            GlobalUnlock(copy);
            EmptyClipboard();
            if (!SetClipboardData(CF_TEXT, copy)) GlobalFree(copy);
        }
    }
    CloseClipboard();
}

void OnChange() {
    if (!g_viewer.textOnly)
        g_viewer.board->Stamp(1);
    else if (IsClipboardFormatAvailable(g_viewer.extra))
        RewriteToText();
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLIPBOARDUPDATE: OnChange(); return 0;
    case WM_DRAWCLIPBOARD:
        OnChange();
        if (g_viewer.next) SendMessageA(g_viewer.next, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN: FollowChainChange(g_viewer.next, wParam, lParam); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// Waits for the quit event as a Windows program waits for input: in the message loop.
void ServeUntil(HANDLE quit) {
    for (;;) {
        const DWORD r = MsgWaitForMultipleObjects(1, &quit, FALSE, INFINITE, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1) return;
        PumpPending();
    }
}

// args: quit event, ready event, "textonly" or "stamp", "listener" or "chain"
int ViewerChild(const std::vector<std::string> &args) {
    if (args.size() < 4) return 2;
    BoardView board;
    g_viewer.board = &board;
    g_viewer.textOnly = args[2] == "textonly";
    g_viewer.extra = RegisterClipboardFormatA(kExtraFormatName);
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, args[0].c_str());
    HWND window = MakeHiddenWindow("PortericaBenchViewer", ViewerProc);
    const bool listener = args[3] == "listener";
    if (listener)
        AddClipboardFormatListener(window);
    else
        g_viewer.next = SetClipboardViewer(window);
    PumpPending();
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str())) SetEvent(ready);
    ServeUntil(quit);
    if (listener)
        RemoveClipboardFormatListener(window);
    else
        ChangeClipboardChain(window, g_viewer.next);
    DestroyWindow(window);
    return 0;
}

// A bare owner of the clipboard that promises a text, renders it when a program asks
// and promises it again once that program has closed the clipboard: what the queue of
// sequential paste does, as directly as Windows allows.
constexpr UINT kPromiseAgain = WM_APP + 1;
const wchar_t kPromisedText[] = L"promised text";

bool Promise(HWND window) {
    if (!OpenClipboard(window)) return false;
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    return true;
}

LRESULT CALLBACK PromiserProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_RENDERFORMAT:
        SetClipboardBytes(CF_UNICODETEXT, kPromisedText, sizeof kPromisedText);
        PostMessageA(hwnd, kPromiseAgain, 0, 0);
        return 0;
    case kPromiseAgain:
        // The pasting program still has the clipboard open: asked again a moment later.
        if (!Promise(hwnd)) {
            Sleep(1);
            PostMessageA(hwnd, kPromiseAgain, 0, 0);
        }
        return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// args: quit event, ready event
int PromiserChild(const std::vector<std::string> &args) {
    if (args.size() < 2) return 2;
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, args[0].c_str());
    HWND window = MakeHiddenWindow("PortericaBenchPromiser", PromiserProc);
    if (!Promise(window)) return 3;
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str())) SetEvent(ready);
    ServeUntil(quit);
    DestroyWindow(window);
    return 0;
}

// args: quit event, ready event[, timer ms]. A Windows program with one window that does
// nothing, or that looks at something every so often, as a polling program does.
int IdleChild(const std::vector<std::string> &args) {
    if (args.size() < 2) return 2;
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, args[0].c_str());
    HWND window = MakeHiddenWindow("PortericaBenchIdle", DefWindowProcA);
    if (args.size() > 2) SetTimer(window, 1, static_cast<UINT>(std::atoi(args[2].c_str())), nullptr);
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str())) SetEvent(ready);
    ServeUntil(quit);
    DestroyWindow(window);
    return 0;
}

// A process that stamps as soon as it runs: the cost of starting a process.
int StampChild(const std::vector<std::string> &) {
    BoardView board;
    board.Stamp(4);
    return 0;
}

// A process that hands a request over as a second start of ptrmain does, and no more.
// args: KXDLL's path, function type, option
int HandOverChild(const std::vector<std::string> &args) {
    if (args.size() < 3) return 2;
    HMODULE kxdll = LoadLibraryA(args[0].c_str());
    using CallFunctionProc = int32_t(WINAPI *)(int32_t, const char *);
    auto call = kxdll ? reinterpret_cast<CallFunctionProc>(reinterpret_cast<void *>(GetProcAddress(kxdll, "CallFunction")))
                      : nullptr;
    if (!call) return 3;
    call(std::atoi(args[1].c_str()), args[2].c_str());
    return 0;
}

std::string UniqueName(const char *what) {
    static unsigned counter = 0;
    return std::string("PortericaBench_") + what + "_" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++counter);
}

}  // namespace

std::string SelfPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

int RunChildMode(int argc, char **argv) {
    const std::string prefix = "--child=";
    if (argc < 2 || std::strncmp(argv[1], prefix.c_str(), prefix.size()) != 0) return -1;
    const std::string name = argv[1] + prefix.size();
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (name == "viewer") return ViewerChild(args);
    if (name == "idle") return IdleChild(args);
    if (name == "stamp") return StampChild(args);
    if (name == "handover") return HandOverChild(args);
    if (name == "promiser") return PromiserChild(args);
    return 99;
}

Child::Child(const std::string &name, const std::vector<std::string> &args, bool waitReady) {
    token_ = UniqueName("Quit");
    const std::string readyName = UniqueName("Ready");
    quit_ = CreateEventA(nullptr, TRUE, FALSE, token_.c_str());
    readyEvent_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    std::string cmd = "\"" + SelfPath() + "\" --child=" + name + " " + token_ + " " + readyName;
    for (const std::string &a : args) cmd += " " + a;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    ready_ = !waitReady || WaitPumping(readyEvent_, 10000);
}

Child::~Child() {
    Finish();
    if (quit_) CloseHandle(quit_);
    if (readyEvent_) CloseHandle(readyEvent_);
}

void Child::Finish() {
    if (!process_) return;
    SetEvent(quit_);
    if (!WaitPumping(process_, 10000)) TerminateProcess(process_, 99);
    CloseHandle(process_);
    process_ = nullptr;
}

}  // namespace ptrbench
