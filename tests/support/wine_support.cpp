#include "wine_support.h"

#include <commctrl.h>

#include <shellapi.h>

#include <cstring>

#include "program_folder.h"

namespace ptrtest {

static void EndChild(HANDLE process) {
    if (process) {
        if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 98);
        CloseHandle(process);
    }
}

ChildProcess::~ChildProcess() { EndChild(process); }

ChildProcess &ChildProcess::operator=(ChildProcess &&other) noexcept {
    if (this != &other) {
        EndChild(process);
        process = other.process;
        id = other.id;
        other.process = nullptr;
    }
    return *this;
}

int ChildProcess::Wait(DWORD timeoutMs) {
    if (!process) return -1;
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return -1;
        const DWORD r = MsgWaitForMultipleObjects(1, &process, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) break;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return static_cast<int>(code);
}

static std::string Quote(const std::string &arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

static std::string ModulePath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

ChildProcess StartProcess(const std::string &commandLine, const std::string &workingDir, HANDLE token) {
    ChildProcess child;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = commandLine;
    const char *folder = workingDir.empty() ? nullptr : workingDir.c_str();
    const BOOL started = token ? CreateProcessAsUserA(token, nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                                      folder, &si, &pi)
                               : CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi);
    if (started) {
        CloseHandle(pi.hThread);
        child.process = pi.hProcess;
        child.id = pi.dwProcessId;
    }
    return child;
}

ChildProcess StartChild(const std::string &name, const std::vector<std::string> &args) {
    std::string cmd = Quote(ModulePath()) + " --child=" + name;
    for (const auto &a : args) cmd += " " + Quote(a);
    return StartProcess(cmd);
}

bool PumpUntil(const std::function<bool()> &pred, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!pred()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return pred();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed < 20 ? timeoutMs - elapsed : 20,
                                  QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool BalloonShown() {
    bool found = false;
    EnumWindows(
        [](HWND window, LPARAM shown) -> BOOL {
            char cls[64] = {};
            GetClassNameA(window, cls, sizeof cls);
            if (!lstrcmpiA(cls, TOOLTIPS_CLASSA) && IsWindowVisible(window) &&
                (GetWindowLongA(window, GWL_STYLE) & TTS_BALLOON))
                *reinterpret_cast<bool *>(shown) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

TempDir::TempDir() : path(ptrbench::NewTempFolder("ptrtest")) {}

TempDir::~TempDir() {
    if (!path.empty()) ptrbench::RemoveTree(path);
}

static std::string WithBackslash(std::string p) {
    for (auto &c : p)
        if (c == '/') c = '\\';
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

std::string DistDir() { return WithBackslash(std::string("Z:") + PTR_DIST_DIR); }

std::string TestBinDir() {
    std::string p = ModulePath();
    return p.substr(0, p.find_last_of('\\') + 1);
}

bool CopyFileTo(const std::string &from, const std::string &to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::string ReadFileBytes(const std::string &path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buf[65536];
    DWORD got = 0;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
    CloseHandle(h);
    return out;
}

bool WriteFileBytes(const std::string &path, const std::string &bytes) { return ptrbench::WriteFileBytes(path, bytes); }

// Others open the clipboard too (Wine's X bridge after every change, the program's
// actions); on a loaded machine they can keep it for a second or more.
static bool OpenClipboardRetrying(HWND window = nullptr) {
    return PumpUntil([window] { return OpenClipboard(window) != FALSE; }, 5000);
}

bool OpenClipboardToRead() {
    // Wine lets a second thread open the clipboard without a window while another holds it
    // opened so too: the program's action opening it that way meanwhile finds it shut
    // under it. A window of the test's own keeps the two apart, as Windows always does.
    static const HWND reader = CreateWindowExA(0, "STATIC", "clipboard reader", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                               nullptr, nullptr);
    return OpenClipboardRetrying(reader);
}

bool SetClipboardBlocks(const std::vector<std::pair<UINT, std::string>> &blocks) {
    if (!OpenClipboardRetrying()) return false;
    EmptyClipboard();
    bool ok = true;
    for (const auto &[format, bytes] : blocks) {
        HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
        bool set = false;
        if (mem) {
            if (!bytes.empty()) std::memcpy(GlobalLock(mem), bytes.data(), bytes.size());
            GlobalUnlock(mem);
            set = SetClipboardData(format, mem) != nullptr;
            if (!set) GlobalFree(mem);
        }
        ok = ok && set;
    }
    CloseClipboard();
    return ok;
}

bool SetClipboardText(const std::string &text) { return SetClipboardBlocks({{CF_TEXT, text + '\0'}}); }

std::string Utf16Bytes(const std::u16string &text) {
    return std::string(reinterpret_cast<const char *>(text.c_str()), (text.size() + 1) * sizeof(char16_t));
}

std::optional<std::string> GetClipboardBlock(UINT format) {
    if (!OpenClipboardToRead()) return std::nullopt;
    std::optional<std::string> out;
    if (HANDLE h = GetClipboardData(format)) {
        const char *p = static_cast<const char *>(GlobalLock(h));
        if (p) out.emplace(p, GlobalSize(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

std::string GetClipboardText() {
    if (!OpenClipboardToRead()) return {};
    std::string out;
    if (HANDLE h = GetClipboardData(CF_TEXT)) {
        const char *p = static_cast<const char *>(GlobalLock(h));
        const SIZE_T size = GlobalSize(h);
        if (p) out.assign(p, strnlen(p, size));
        GlobalUnlock(h);
    }
    CloseClipboard();
    return out;
}

std::u16string UnicodeText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
    std::u16string text(length + 1, u'\0');
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                        &length);
    text.resize(length);
    return text;
}

bool ShellHasIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = window;
    data.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

PrefixLogPixels::PrefixLogPixels(int dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE *>(&old_), &size) ==
           ERROR_SUCCESS;
    const DWORD value = static_cast<DWORD>(dpi);
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof value);
}

PrefixLogPixels::~PrefixLogPixels() {
    if (had_)
        RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE *>(&old_), sizeof old_);
    else
        RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
}

}  // namespace ptrtest
