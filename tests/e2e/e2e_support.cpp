#include "e2e_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <vector>

#include "resource_ids.h"

namespace e2e {

using ptrtest::ChildProcess;

namespace {
constexpr const char *kProbeFile = "e2e_probe.tlx";   // the built test plug-in, beside the tests
constexpr const char *kHandledProbe = "tlxHandled";   // the copy of it that marks a copy handled

std::string ProbeBase(const std::string &folder, const std::string &probe) { return folder + "Plugins\\" + probe; }

bool IsVisibleWindow(HWND window) { return window && IsWindowVisible(window); }

// Start-up has ended: the settings window is made (hidden) once the program takes events,
// unless a message box of start-up (a hotkey another program holds) stopped it before.
bool StartUpEnded(DWORD process) {
    struct Search {
        DWORD process;
        bool ended;
    } search{process, false};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
        auto &s = *reinterpret_cast<Search *>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        s.ended = owner == s.process && (lstrcmpA(name, PTR_SETTINGS_CLASS) == 0 ||
                                         (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(w)));
        return !s.ended;
    }, reinterpret_cast<LPARAM>(&search));
    return search.ended;
}
}  // namespace

ProgramFolder::ProgramFolder() {
    for (const char *file : {"ptrmain.exe", "KXDLL.dll", "CF_Type.ini"})
        ptrtest::CopyFileTo(ptrtest::DistDir() + file, dir_.path + file);
    CreateDirectoryA((dir_.path + "Plugins").c_str(), nullptr);
    CreateDirectoryA((dir_.path + "MenuData").c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() { Stop(); }

void ProgramFolder::AddPlugin(const std::string &file) {
    ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\" + file, dir_.path + "Plugins\\" + file);
}

void ProgramFolder::AddProbe(const std::string &name, const std::string &displayName) {
    const std::string base = ProbeBase(dir_.path, name);
    ptrtest::CopyFileTo(ptrtest::TestBinDir() + kProbeFile, base + ".tlx");
    WritePrivateProfileStringA("Probe", "Name", displayName.c_str(), (base + ".ini").c_str());
}

void ProgramFolder::SetVerdict(const std::string &probe, int funcno, int verdict) {
    WritePrivateProfileStringA("Verdict", std::to_string(funcno).c_str(), std::to_string(verdict).c_str(),
                               (ProbeBase(dir_.path, probe) + ".ini").c_str());
}

std::vector<std::string> ProgramFolder::Calls(const std::string &probe) const {
    std::vector<std::string> lines;
    std::istringstream in(ptrtest::ReadFileBytes(ProbeBase(dir_.path, probe) + ".log"));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

void ProgramFolder::ClearCalls(const std::string &probe) { DeleteFileA((ProbeBase(dir_.path, probe) + ".log").c_str()); }

bool ProgramFolder::WaitForCalls(const std::string &probe, size_t count, DWORD ms) const {
    return ptrtest::PumpUntil([&] { return Calls(probe).size() >= count; }, ms);
}

std::vector<std::string> ProgramFolder::SettledCalls(const std::string &probe, size_t count, DWORD settleMs) const {
    WaitForCalls(probe, count, 10000);
    ptrtest::PumpFor(settleMs);
    return Calls(probe);
}

void ProgramFolder::AddHandledMark() {
    AddProbe(kHandledProbe, "Handled");
    WritePrivateProfileStringA("Probe", "ClipboardText", "1", (ProbeBase(dir_.path, kHandledProbe) + ".ini").c_str());
}

ptrtest::WatchAction ProgramFolder::HandledMark() {
    return {.function = std::string(kHandledProbe) + ".tlx/1/1", .formats = ""};
}

std::vector<std::string> ProgramFolder::Handled() const {
    std::vector<std::string> texts;
    for (const std::string &call : Calls(kHandledProbe)) {
        // "Func 1 1 1 <window> <text>": the text follows the fifth blank.
        size_t blank = call.find(' ');
        for (int n = 1; n < 5 && blank != std::string::npos; ++n) blank = call.find(' ', blank + 1);
        texts.push_back(blank == std::string::npos ? "" : call.substr(blank + 1));
    }
    return texts;
}

bool ProgramFolder::WaitForHandled(const std::string &text, DWORD ms) const {
    return ptrtest::PumpUntil([&] {
        const std::vector<std::string> texts = Handled();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }, ms);
}

void ProgramFolder::WriteSettings(const std::string &iniText) { ptrtest::WriteFileBytes(dir_.path + "Setting.ini", iniText); }

void ProgramFolder::WriteMenu(const std::string &fileName, const std::string &iniText) {
    ptrtest::WriteFileBytes(dir_.path + "MenuData\\" + fileName, iniText);
}

std::string ProgramFolder::ReadSettings() const { return ptrtest::ReadFileBytes(dir_.path + "Setting.ini"); }

bool ProgramFolder::Start(HANDLE token) {
    process_.reset(new ChildProcess(ptrtest::StartProcess("\"" + dir_.path + "ptrmain.exe\"", dir_.path, token)));
    if (!process_->process) return false;
    if (WaitForInputIdle(process_->process, 20000) != 0) return false;
    // Input idle can come while start-up still runs (the splash takes messages), and the
    // copies made before it ends are dropped.
    ptrtest::PumpUntil([&] { return StartUpEnded(process_->id); }, 20000);
    return true;
}

ChildProcess ProgramFolder::Run(const std::string &arguments) const {
    return ptrtest::StartProcess("\"" + dir_.path + "ptrmain.exe\" " + arguments, dir_.path);
}

void ProgramFolder::Stop() {
    if (!Process() || WaitForSingleObject(Process(), 0) == WAIT_OBJECT_0) return;
    // While its settings window shows, the program runs no function asked for from outside:
    // closed first (as its close box does, it hides), it lets the request to quit through.
    if (const HWND settings = WaitForWindow(process_->id, PTR_SETTINGS_CLASS, "", 0))
        SendMessageTimeoutA(settings, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
    Run("/Execute:0:7").Wait(10000);
    if (process_->Wait(10000) < 0) TerminateProcess(Process(), 99);
}

LimitedToken::LimitedToken() {
    HANDLE own = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)) return;
    TOKEN_LINKED_TOKEN linked{};
    DWORD size = 0;
    TOKEN_ELEVATION elevation{};
    if (GetTokenInformation(own, TokenElevation, &elevation, sizeof elevation, &size) && elevation.TokenIsElevated &&
        GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size)) {
        // The linked token is for impersonation; a process needs a primary one.
        DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, &token_);
        CloseHandle(linked.LinkedToken);
    }
    CloseHandle(own);
}

LimitedToken::~LimitedToken() {
    if (token_) CloseHandle(token_);
}

// Texts of another process's controls come over as UTF-16 (the ANSI forms of the list and
// edit messages lose them); the tests compare code page 932 text.
std::string FromWide(const wchar_t *text) {
    const int size = WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size - 1 : 0, '\0');
    if (size > 1) WideCharToMultiByte(932, 0, text, -1, out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring ToWide(const std::string &text) {
    const int size = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    std::wstring out(size > 0 ? size - 1 : 0, L'\0');
    if (size > 1) MultiByteToWideChar(932, 0, text.c_str(), -1, out.data(), size);
    return out;
}

std::string TextOf(HWND window) {
    std::vector<wchar_t> text(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0) + 1);
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return FromWide(text.data());
}

HWND WaitForWindow(DWORD process, const char *cls, const std::string &title, DWORD ms, HWND owner) {
    struct Search {
        DWORD process;
        const char *cls;
        const std::string &title;
        HWND owner;
        HWND found;
    } search{process, cls, title, owner, nullptr};
    ptrtest::PumpUntil([&] {
        EnumWindows([](HWND w, LPARAM p) -> BOOL {
            auto &s = *reinterpret_cast<Search *>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            char name[64] = {};
            GetClassNameA(w, name, sizeof name);
            if (owner != s.process || lstrcmpiA(name, s.cls) != 0 || !IsWindowVisible(w)) return TRUE;
            if (!s.title.empty() && TextOf(w) != s.title) return TRUE;
            if (s.owner && GetWindow(w, GW_OWNER) != s.owner) return TRUE;
            s.found = w;
            return FALSE;
        }, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, ms);
    return search.found;
}

bool SettingsWindow::Open(const ProgramFolder &program, int page) {
    // A request that comes while the program is still starting is dropped: ask again.
    for (int attempt = 0; attempt < 10 && !window_; ++attempt) {
        program.Run("/Execute:0:" + std::to_string(page + 1)).Wait(15000);
        window_ = WaitForWindow(GetProcessId(program.Process()), PTR_SETTINGS_CLASS, "", 1500);
    }
    ptrtest::PumpFor(200);
    return window_ != nullptr;
}

bool SettingsWindow::WaitShown(const ProgramFolder &program, DWORD ms) {
    window_ = WaitForWindow(GetProcessId(program.Process()), PTR_SETTINGS_CLASS, "", ms);
    return window_ != nullptr;
}

void SettingsWindow::ShowPage(int page) const { SendMessageA(Control(IDC_MODE0 + page), BM_CLICK, 0, 0); }

void SettingsWindow::Click(int button) const { SendMessageA(Control(IDC_LIST_BUTTON0 + button), BM_CLICK, 0, 0); }

void SettingsWindow::Press(int button) const { PostMessageA(Control(IDC_LIST_BUTTON0 + button), BM_CLICK, 0, 0); }

std::string SettingsWindow::Caption(int button) const { return TextOf(Control(IDC_LIST_BUTTON0 + button)); }

bool SettingsWindow::Enabled(int button) const { return IsWindowEnabled(Control(IDC_LIST_BUTTON0 + button)) != 0; }

void SettingsWindow::Save() const { SendMessageA(Control(IDC_SAVE), BM_CLICK, 0, 0); }

int SettingsWindow::Rows() const { return static_cast<int>(SendMessageA(Control(IDC_LIST), LB_GETCOUNT, 0, 0)); }

std::string SettingsWindow::Row(int row) const {
    std::vector<wchar_t> text(SendMessageW(Control(IDC_LIST), LB_GETTEXTLEN, row, 0) + 1);
    SendMessageW(Control(IDC_LIST), LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return FromWide(text.data());
}

bool SettingsWindow::Marked(int row) const { return SendMessageA(Control(IDC_LIST), LB_GETITEMDATA, row, 0) == 1; }

int SettingsWindow::Selected() const { return static_cast<int>(SendMessageA(Control(IDC_LIST), LB_GETCURSEL, 0, 0)); }

void SettingsWindow::Select(int row) const {
    SendMessageA(Control(IDC_LIST), LB_SETCURSEL, row, 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(IDC_LIST)));
}

void SettingsWindow::DoubleClick() const {
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(IDC_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(Control(IDC_LIST)));
}

void SettingsWindow::ToggleMark(int row) const {
    const int height = static_cast<int>(SendMessageA(Control(IDC_LIST), LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageA(Control(IDC_LIST), LB_GETTOPINDEX, 0, 0));
    const LPARAM at = MAKELPARAM(6, (row - top) * height + height / 2);   // on the box at the row's left
    SendMessageA(Control(IDC_LIST), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(Control(IDC_LIST), WM_LBUTTONUP, 0, at);
}

std::string SettingsWindow::Information() const { return TextOf(Control(IDC_INFORMATION)); }

FrontWindow::FrontWindow() {
    window_ = CreateWindowExA(0, "Static", "front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
    BringToFront();
}

FrontWindow::~FrontWindow() { DestroyWindow(window_); }

std::string FrontWindow::Hex() const {
    char text[32];
    snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window_)));
    return text;
}

void FrontWindow::BringToFront() const {
    SetForegroundWindow(window_);
    ptrtest::PumpUntil([&] { return GetForegroundWindow() == window_; }, 2000);
    // The X server's focus change arrives later and would take the foreground back from
    // whoever takes it next; let it arrive first.
    ptrtest::PumpFor(500);
}

HWND WaitForMessageBox(const std::string &title, DWORD ms) {
    HWND box = nullptr;
    ptrtest::PumpUntil([&] { return IsVisibleWindow(box = FindWindowA("#32770", title.c_str())); }, ms);
    return IsVisibleWindow(box) ? box : nullptr;
}

std::string MessageBoxText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {}, buffer[2048] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") != 0) continue;
        GetWindowTextA(child, buffer, sizeof buffer);
        if (*buffer) text += std::string(buffer) + "\n";
    }
    return text;
}

void PressButton(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::string Answer(const std::string &title, int button) {
    const HWND box = WaitForMessageBox(title);
    if (!box) return "";
    const std::string text = MessageBoxText(box);
    PressButton(box, button);
    ptrtest::PumpUntil([&] { return !IsWindow(box); });
    return text;
}

bool ExpectNoticeOfKeysNotReaching(const std::string &caption) {
    const HWND box = WaitForMessageBox(caption, 8000);
    if (!box) return false;
    EXPECT_EQ(MessageBoxText(box),
              "管理者として実行中のウィンドウには自動で貼り付けできません。Ctrl+V で貼り付けてください。\n");
    PressButton(box);
    ptrtest::PumpFor(1000);
    return true;
}

std::string Saved(const ProgramFolder &program, const char *section, const std::string &key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section, key.c_str(), "(missing)", value, sizeof value,
                             (program.Path() + "Setting.ini").c_str());
    return value;
}

std::vector<std::string> SavedEntries(const ProgramFolder &program, const char *section,
                                      std::initializer_list<const char *> names) {
    std::vector<std::string> entries;
    for (int n = 1; n < 100; ++n) {
        char number[8];
        snprintf(number, sizeof number, "%03d", n);
        if (Saved(program, section, std::string(number) + "Function") == "-1") break;
        std::string entry;
        for (const char *name : names) entry += " " + Saved(program, section, number + std::string(name));
        entries.push_back(entry.substr(1));
    }
    return entries;
}

MessageBoxAnswerer::MessageBoxAnswerer(const std::string &title, int button, DWORD ms)
    : thread_([this, title, button, ms] {
          if (HWND box = WaitForMessageBox(title, ms)) {
              text_ = MessageBoxText(box);
              PressButton(box, button);
          }
      }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (thread_.joinable()) thread_.join();
}

std::string MessageBoxAnswerer::Text() {
    if (thread_.joinable()) thread_.join();
    return text_;
}

HWND VisiblePopupMenu() {
    HWND popup = FindWindowA("#32768", nullptr);
    return IsVisibleWindow(popup) ? popup : nullptr;
}

bool WaitForPopupMenu(DWORD ms) { return ptrtest::PumpUntil([] { return VisiblePopupMenu() != nullptr; }, ms); }

bool WaitForNoPopupMenu(DWORD ms) { return ptrtest::PumpUntil([] { return VisiblePopupMenu() == nullptr; }, ms); }

DWORD ForegroundProcess() {
    DWORD process = 0;
    if (HWND front = GetForegroundWindow()) GetWindowThreadProcessId(front, &process);
    return process;
}

static void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    ptrtest::PumpFor(30);
}

void PressChord(std::initializer_list<WORD> keys) {
    for (WORD key : keys) SendKey(key, false);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) SendKey(*it, true);
}

void TypeIntoPopup(std::initializer_list<WORD> keys) {
    ptrtest::PumpFor(300);   // the menu settles in before the first key
    for (WORD key : keys) {
        const HWND popup = VisiblePopupMenu();
        if (!popup) return;
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
        PostMessageA(popup, WM_KEYDOWN, key, scan | 1);
        PostMessageA(popup, WM_KEYUP, key, scan | 1 | (3u << 30));
        ptrtest::PumpFor(400);   // each step of a menu opens or moves before the next key
    }
}

bool CopyTextFromLinux(const std::string &text) {
    const std::string name = "ptr-e2e-" + std::to_string(GetCurrentProcessId()) + ".txt";
    const std::string unixPath = "/tmp/" + name;
    if (!ptrtest::WriteFileBytes("Z:\\tmp\\" + name, text)) return false;
    // xclip stays in the background serving the selection until another program takes it.
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = "/usr/bin/xclip -selection clipboard -i " + unixPath;
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    if (pi.hProcess) CloseHandle(pi.hProcess);
    if (pi.hThread) CloseHandle(pi.hThread);
    return true;
}

}  // namespace e2e
