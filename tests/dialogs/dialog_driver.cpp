#include "dialog_driver.h"

#include <gtest/gtest.h>

#include "app_state.h"
#include "basMain.h"
#include "host_dll.h"
#include "menus.h"
#include "resource_ids.h"
#include "screen_capture.h"

namespace dlgtest {

namespace {

constexpr DWORD kPollMs = 20;
// Sync's mark: a thread message the program's thread takes from its queue only after
// everything posted before it has been handled (or has opened a loop of its own).
constexpr LPARAM kSyncMark = 0x5359;
HANDLE g_synced = CreateEventA(nullptr, TRUE, FALSE, nullptr);

LRESULT CALLBACK NoteSyncMark(int code, WPARAM wp, LPARAM lp) {
    const MSG &msg = *reinterpret_cast<const MSG *>(lp);
    if (code == HC_ACTION && !msg.hwnd && msg.message == WM_NULL && msg.lParam == kSyncMark) SetEvent(g_synced);
    return CallNextHookEx(nullptr, code, wp, lp);
}
const char kOwnerClass[] = "PortericaDialogTestOwner";

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Polls the program's thread's top-level windows until one matches.
HWND WaitForWindow(DWORD thread, const std::function<bool(HWND)> &match, DWORD timeoutMs) {
    struct Search {
        const std::function<bool(HWND)> *match;
        HWND found;
    };
    const DWORD start = GetTickCount();
    do {
        Search search{&match, nullptr};
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM param) -> BOOL {
                auto *s = reinterpret_cast<Search *>(param);
                if (!IsWindowVisible(window) || !(*s->match)(window)) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(kPollMs);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

// What a failed or unfinished script leaves open: menus dismissed, dialogs cancelled.
void CancelWhatIsOpen(DWORD thread) {
    for (int round = 0; round < 100; ++round) {
        const HWND open = WaitForWindow(
            thread, [](HWND w) { return ClassOf(w) == "#32768" || ClassOf(w) == "#32770"; }, 0);
        if (!open) return;
        if (ClassOf(open) == "#32768") {
            PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
        } else {
            PostMessageA(open, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(open, WM_COMMAND, IDNO, 0);
        }
        Sleep(100);
    }
}

LRESULT CALLBACK OwnerProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(window, msg, wp, lp);
}

HWND CreateOwner() {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kOwnerClass;
    RegisterClassA(&wc);
    return CreateWindowExA(0, kOwnerClass, "ポルテリカ - 設定", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 240, 160, 800, 640,
                           nullptr, nullptr, instance, nullptr);
}

}  // namespace

std::string StandardPlugin(const std::string &fileName) { return ptrtest::DistDir() + "Plugins\\" + fileName; }
std::string TestPlugin(const std::string &fileName) { return ptrtest::TestBinDir() + fileName; }

DialogProgram::DialogProgram(const ProgramSetup &setup) {
    if (temp_.path.empty() || !ptr::HostDll::Load(ptrtest::DistDir())) return;
    ptr::AppState &app = ptr::App();
    app.AppPath = temp_.path;
    app.MenuDataPath = temp_.path + "MenuData\\";
    app.PluginsPath = temp_.path + "Plugins\\";
    CreateDirectoryA(app.MenuDataPath.c_str(), nullptr);
    CreateDirectoryA(app.PluginsPath.c_str(), nullptr);
    for (const std::string &plugin : setup.plugins) {
        const std::string name = plugin.substr(plugin.find_last_of('\\') + 1);
        if (!ptrtest::CopyFileTo(plugin, app.PluginsPath + name)) return;
    }
    for (const auto &[name, content] : setup.menuFiles)
        if (!ptrtest::WriteFileBytes(app.MenuDataPath + name, content)) return;
    app.Settings = ptr::MainSettings{};
    app.Settings.DefaultMenu = setup.defaultMenu;
    ptr::LoadPlugins();
    ptr::LoadMenus();
    owner_ = CreateOwner();
    ptrtest::PumpFor(100);
    ready_ = owner_ != nullptr;
}

DialogProgram::~DialogProgram() {
    ptr::AppState &app = ptr::App();
    app.Menus.Clear();
    app.Plugins.Clear();   // quits the plug-ins before their files go
    if (owner_) DestroyWindow(owner_);
}

HelpModeOn::HelpModeOn() {
    ptr::App().HelpMode = true;
    ptr::App().HelpModeScale = 1.3f;
}

HelpModeOn::~HelpModeOn() {
    ptr::App().HelpMode = false;
    ptr::App().HelpModeScale = 1.0f;
}

void RunModal(const std::function<void()> &show, const std::function<void(Driver &)> &script) {
    struct Run {
        const std::function<void(Driver &)> *script;
        Driver driver;
    } run{&script, Driver(GetCurrentThreadId())};
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, NoteSyncMark, nullptr, GetCurrentThreadId());
    const HANDLE thread = CreateThread(
        nullptr, 0,
        [](void *param) -> DWORD {
            auto *r = static_cast<Run *>(param);
            (*r->script)(r->driver);
            CancelWhatIsOpen(r->driver.UiThread());
            return 0;
        },
        &run, 0, nullptr);
    ASSERT_NE(nullptr, thread);
    show();
    // The script may still send to this thread's windows: answer while waiting for it.
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    CloseHandle(thread);
    UnhookWindowsHookEx(hook);
}

HWND Driver::WaitForDialog(const std::string &titlePrefix, HWND owner, DWORD timeoutMs) const {
    return WaitForWindow(
        ui_,
        [&](HWND w) {
            return ClassOf(w) == "#32770" && Text(w).compare(0, titlePrefix.size(), titlePrefix) == 0 &&
                   (!owner || GetWindow(w, GW_OWNER) == owner);
        },
        timeoutMs);
}

HWND Driver::WaitForMenu(DWORD timeoutMs) const {
    return WaitForWindow(ui_, [](HWND w) { return ClassOf(w) == "#32768"; }, timeoutMs);
}

bool Driver::WaitClosed(HWND window, DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

void Driver::Sync() const {
    ResetEvent(g_synced);
    PostThreadMessageA(ui_, WM_NULL, 0, kSyncMark);
    WaitForSingleObject(g_synced, 10000);
}

bool Driver::Click(HWND dialog, int id) const {
    const HWND button = GetDlgItem(dialog, id);
    if (!IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void Driver::Select(HWND dialog, int comboId, int index) const {
    const HWND combo = GetDlgItem(dialog, comboId);
    DWORD_PTR ignored;
    SendMessageTimeoutA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, SMTO_NORMAL, 10000, &ignored);
    // A click on an entry of the open list: the change, then the choice confirmed.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageTimeoutA(dialog, WM_COMMAND, MAKEWPARAM(comboId, code), reinterpret_cast<LPARAM>(combo), SMTO_NORMAL,
                            10000, &ignored);
}

bool Driver::SelectText(HWND dialog, int comboId, const std::string &text) const {
    const std::vector<std::string> items = Items(dialog, comboId);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] != text) continue;
        Select(dialog, comboId, static_cast<int>(i));
        return true;
    }
    return false;
}

void Driver::Type(HWND edit, const std::string &text) const {
    // Sent text overtakes posted clicks and keys: those the user gave before are handled first.
    Sync();
    DWORD_PTR ignored;
    SendMessageTimeoutA(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, 10000,
                        &ignored);
}

HWND Driver::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(ui_, &info) ? info.hwndFocus : nullptr;
}

// The focused control when it lies in window (the focus may still be on its way back
// from a window that has just closed), else the window itself.
HWND Driver::KeyTarget(HWND window) const {
    const HWND focus = Focus();
    return focus && (focus == window || IsChild(window, focus)) ? focus : window;
}

void Driver::Key(HWND window, UINT vk) const {
    const HWND target = KeyTarget(window);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, vk, scan | 1);
    PostMessageA(target, WM_KEYUP, vk, scan | 1 | (3u << 30));
}

void Driver::Char(HWND window, char c) const {
    const HWND menu = WaitForMenu(0);
    const HWND target = menu ? menu : KeyTarget(window);
    PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
}

std::string Driver::Text(HWND window) {
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> Driver::Items(HWND dialog, int comboId) {
    const HWND combo = GetDlgItem(dialog, comboId);
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string item(static_cast<size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(item.c_str());
    }
    return items;
}

int Driver::Selected(HWND dialog, int comboId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0));
}

std::string Driver::SelectedText(HWND dialog, int comboId) {
    const int index = Selected(dialog, comboId);
    return index < 0 ? "" : Items(dialog, comboId)[static_cast<size_t>(index)];
}

std::string Driver::MessageText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "Static" || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
        text += Text(child);
    }
    return text;
}

bool Driver::AnswerFileDialog(HWND owner, const std::string &title, const std::string &path) const {
    const HWND dialog = WaitForDialog(title, owner);
    if (!dialog) return false;
    if (path.empty()) {
        Click(dialog, IDCANCEL);
    } else {
        // The file name box: an edit box, or on newer systems a combo box with one inside.
        HWND name = GetDlgItem(dialog, 0x47c /* cmb13 */);
        if (!name) name = GetDlgItem(dialog, 0x480 /* edt1 */);
        DWORD_PTR ignored;
        SendMessageTimeoutA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL, 10000,
                            &ignored);
        Click(dialog, IDOK);
    }
    return WaitClosed(dialog);
}

bool Driver::Screenshot(HWND window, const std::string &name) const {
    Sync();
    Sleep(200);   // the controls paint after their parent
    Sync();
    return wintest::ScreenShot(window, false).Save(name);
}

}  // namespace dlgtest
