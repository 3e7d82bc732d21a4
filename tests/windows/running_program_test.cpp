// ptrmain.exe itself, started from a program folder of its own and driven from outside
// as a user would: tray clicks (as the shell reports them to the host window, and once
// as a real click on the icon that Wine shows), the close box, quitting and the end of
// the Windows session.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "resource_ids.h"
#include "wine_support.h"

namespace {

const char kToolsMenu[] =
    "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
    "[Menu]\r\n001Caption=プラグイン設定を開く\r\n001Type=Function\r\n001FuncType= 0\r\n001FuncOption=5\r\n";

std::string ClassOf(HWND w) {
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    return cls;
}
std::string TextOf(HWND w) {
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

struct Search {
    DWORD pid;
    std::string cls;
    bool visibleOnly;
    HWND found = nullptr;
};

// A top-level window of the process (any process when pid is 0) of that class.
HWND FindTopLevel(DWORD pid, const std::string &cls, bool visibleOnly) {
    Search s{pid, cls, visibleOnly};
    EnumWindows([](HWND w, LPARAM p) -> BOOL {
        auto *s = reinterpret_cast<Search *>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if ((s->pid && owner != s->pid) || ClassOf(w) != s->cls || (s->visibleOnly && !IsWindowVisible(w))) return TRUE;
        s->found = w;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

class RunningProgram : public testing::Test {
protected:
    void SetUp() override {
        for (const char *file : {"ptrmain.exe", "KXDLL.dll", "CF_Type.ini"})
            ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + file, folder.path + file)) << file;
        CreateDirectoryA((folder.path + "Plugins").c_str(), nullptr);
        for (const char *file : {"tlxText.tlx", "tlxInternet.tlx"})
            ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\" + file, folder.path + "Plugins\\" + file);
        CreateDirectoryA((folder.path + "MenuData").c_str(), nullptr);
        ptrtest::WriteFileBytes(folder.path + "MenuData\\Tools.mnu", kToolsMenu);
    }
    void TearDown() override {
        if (process.process && WaitForSingleObject(process.process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process.process, 1);
            WaitForSingleObject(process.process, 5000);
        }
    }

    void WriteSettings(const std::string &main) {
        ptrtest::WriteFileBytes(settingFile(), "[Main]\r\n" + main);
    }
    std::string settingFile() const { return folder.path + "Setting.ini"; }

    // Starts the program and waits until it sits in the tray.
    void Start() {
        process = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\"", folder.path);
        ASSERT_TRUE(ptrtest::PumpUntil([&] {
            window = FindTopLevel(process.id, PTR_SETTINGS_CLASS, false);
            host = FindTopLevel(process.id, "KXDLL_HostWindow", false);
            return window && host && !FindTopLevel(process.id, PTR_SPLASH_CLASS, false);
        }, 20000)) << "running " << Running() << " pid " << process.id << " box " << TextOf(MessageBoxWindow());
        ptrtest::PumpFor(200);
    }
    // A number of section Main as the file holds it now; -99 when missing.
    int Saved(const char *key) const { return GetPrivateProfileIntA("Main", key, -99, settingFile().c_str()); }
    bool Running() const { return WaitForSingleObject(process.process, 0) == WAIT_TIMEOUT; }

    // The shell's report of a mouse action on the icon, as the host window receives it.
    void Tray(UINT mouse) { PostMessageA(host, trayMessage, 0, mouse); }
    void TrayClick(UINT down, UINT up) {
        Tray(down);
        Tray(up);
    }

    HWND Menu() const { return FindTopLevel(process.id, "#32768", true); }
    HWND MessageBoxWindow() const { return FindTopLevel(process.id, "#32770", true); }
    bool WaitForMenu(DWORD ms = 5000) const { return ptrtest::PumpUntil([&] { return Menu() != nullptr; }, ms); }
    // Chooses an item of the open popup menu with the keyboard.
    void ChooseMenuItem(UINT key) {
        HWND menu = Menu();
        PostMessageA(menu, WM_KEYDOWN, key, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    }
    bool WaitVisible(bool visible, DWORD ms = 5000) const {
        return ptrtest::PumpUntil([&] { return (IsWindowVisible(window) != 0) == visible; }, ms);
    }
    std::string PageTitle() const { return TextOf(GetDlgItem(window, IDC_MODE_TITLE)); }
    // Answers the program's message box; returns its text.
    std::string Answer(int button) {
        HWND box = nullptr;
        ptrtest::PumpUntil([&] { return (box = MessageBoxWindow()) != nullptr; }, 5000);
        if (!box) return "(no message box)";
        std::string text;
        for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (ClassOf(c) == "Static") text += TextOf(c);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
        return text;
    }

    ptrtest::TempDir folder;
    ptrtest::ChildProcess process;
    HWND window = nullptr;
    HWND host = nullptr;
    const UINT trayMessage = RegisterWindowMessageA("KXDLL_NOTIFYICON_MESSAGE By Tavimo");
};

// The welcome balloon at the icon: on the first start only (no Setting.ini yet, or the
// one the release folder ships).
TEST_F(RunningProgram, TheFirstStartWelcomesWithABalloon) {
    const auto balloonShown = [] {
        HWND tray = FindTopLevel(0, "__winex11_standalone_tray", false);
        DWORD shell = 0;
        if (tray) GetWindowThreadProcessId(tray, &shell);
        return shell && FindTopLevel(shell, "tooltips_class32", true) != nullptr;
    };
    const struct {
        const char *what;
        const char *main;   // section Main; nullptr: as the last start left the file (none at first)
        bool first;
    } starts[] = {
        {"first start", nullptr, true},
        {"later start", "", false},
        {"first start with the shipped settings", "Welcome=1\r\n", true},
        {"the start after it", nullptr, false},   // as its quit saved them
    };
    for (const auto &start : starts) {
        SCOPED_TRACE(start.what);
        const bool first = start.first;
        if (start.main) WriteSettings(start.main);
        Start();
        EXPECT_EQ(first, ptrtest::PumpUntil(balloonShown, first ? 5000 : 1500));
        PostMessageA(window, WM_ENDSESSION, TRUE, 0);   // saving creates Setting.ini
        ASSERT_EQ(0, process.Wait(15000));
        ptrtest::PumpUntil([&] { return !balloonShown(); }, 15000);
    }
}

// The program's own functions, handed over by a second start, open pages and switch
// watching; a plain second start asks and opens the window at its stored page.
TEST_F(RunningProgram, SecondStartsOpenPagesAndSwitchWatching) {
    WriteSettings("ClipboardWatch= 0\r\nMode= 5\r\n");
    Start();
    const auto second = [&](const std::string &args) {
        return ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\" " + args, folder.path).Wait(15000);
    };
    EXPECT_EQ(0, second("/Execute:0:3"));
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("ホットキー", PageTitle());
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitVisible(false));

    EXPECT_EQ(0, second("/Execute:0:10"));   // watching on
    EXPECT_EQ(0, second("/Execute:0:2"));
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("クリップボード監視", PageTitle());
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(window, IDC_CHECK0), BM_GETCHECK, 0, 0));
    // While the window is open, other requests are dropped.
    EXPECT_EQ(0, second("/Execute:0:9"));
    EXPECT_EQ("クリップボード監視", PageTitle());
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitVisible(false));

    auto plain = ptrtest::StartProcess("\"" + folder.path + "ptrmain.exe\"", folder.path);
    HWND box = nullptr;
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return (box = FindTopLevel(plain.id, "#32770", true)) != nullptr; }, 15000));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDYES)));
    EXPECT_EQ(0, plain.Wait(15000));
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("クリップボード監視", PageTitle());   // the page shown last

    // "プログラム終了" closes the window: the program ends without asking or saving.
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitVisible(false));
    const std::string before = ptrtest::ReadFileBytes(settingFile());
    EXPECT_EQ(0, second("/Execute:0:7"));
    EXPECT_EQ(0, process.Wait(15000));
    EXPECT_EQ(nullptr, MessageBoxWindow());
    EXPECT_EQ(before, ptrtest::ReadFileBytes(settingFile()));
}

// Left click: the task menu comes once the double-click time has passed; its item
// runs (here: open the plug-in page).
TEST_F(RunningProgram, ALeftClickShowsTheTaskMenuAfterTheDoubleClickTime) {
    WriteSettings("TaskMenu=Tools.mnu\r\nMode= 1\r\n");
    Start();
    TrayClick(WM_LBUTTONDOWN, WM_LBUTTONUP);
    ptrtest::PumpFor(GetDoubleClickTime() / 5);
    EXPECT_EQ(nullptr, Menu()) << "the menu waits for a possible second click";
    ASSERT_TRUE(WaitForMenu());
    EXPECT_FALSE(IsWindowVisible(window));
    ChooseMenuItem(VK_DOWN);
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("プラグイン", PageTitle());
}

// A clipboard viewer in this process, joined after the program and so first in the chain:
// it hands every change on to the program once the program's event is over.
LRESULT CALLBACK ForwardingViewer(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND next = reinterpret_cast<HWND>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        if (next) SendMessageA(next, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN:
        if (reinterpret_cast<HWND>(wParam) == next) SetWindowLongPtrA(hwnd, GWLP_USERDATA, lParam);
        else if (next) SendMessageA(next, msg, wParam, lParam);
        return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// The task menu's "テキストのみ" rewrites the clipboard; handed back by the viewer in
// front, that change is the program's own and must not run the watch action (here: open
// the watch page).
TEST_F(RunningProgram, ATaskMenuFunctionsOwnClipboardChangeIsNotWatched) {
    ptrtest::WriteFileBytes(folder.path + "MenuData\\Text.mnu",
                            "[Main]\r\nMenuName=Text\r\nMenu=Menu\r\n[Menu]\r\n001Caption=テキストのみ\r\n"
                            "001Type=Function\r\n001FuncType= 1\r\n001FuncOption=tlxText.tlx/1/1\r\n");
    WriteSettings("TaskMenu=Text.mnu\r\nClipboardWatch= 1\r\n"
                  "[Watch]\r\n001Enable= 1\r\n001AllType= 1\r\n001Function= 0\r\n001Option=2\r\n002Function=-1\r\n");
    ASSERT_TRUE(ptrtest::SetClipboardText("copied before the start"));
    Start();
    WNDCLASSA wc{};
    wc.lpfnWndProc = ForwardingViewer;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "PtrTestForwardingViewer";
    RegisterClassA(&wc);
    HWND viewer = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, viewer);
    SetWindowLongPtrA(viewer, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(SetClipboardViewer(viewer)));

    const DWORD sequence = GetClipboardSequenceNumber();
    TrayClick(WM_LBUTTONDOWN, WM_LBUTTONUP);
    ASSERT_TRUE(WaitForMenu());
    ChooseMenuItem(VK_DOWN);
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return GetClipboardSequenceNumber() != sequence; }, 5000)) << "text only ran";
    ptrtest::PumpFor(1500);
    EXPECT_FALSE(IsWindowVisible(window)) << "the watch action ran for the program's own change";
    EXPECT_EQ("copied before the start", ptrtest::GetClipboardText());

    // A real copy still runs it.
    ASSERT_TRUE(ptrtest::SetClipboardText("copied later"));
    EXPECT_TRUE(WaitVisible(true));
    EXPECT_EQ("クリップボード監視", PageTitle());
    ChangeClipboardChain(viewer, reinterpret_cast<HWND>(GetWindowLongPtrA(viewer, GWLP_USERDATA)));
    DestroyWindow(viewer);
}

TEST_F(RunningProgram, ADoubleClickOpensTheLastPageAndShowsNoMenu) {
    WriteSettings("TaskMenu=Tools.mnu\r\nMode= 2\r\n");
    Start();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("ホットキー", PageTitle());
    EXPECT_FALSE(WaitForMenu(GetDoubleClickTime() + 700)) << "no task menu after a double-click";
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
    EXPECT_EQ(GetDlgItem(window, IDC_MODE0 + 2), gui.hwndFocus) << "the page's mode button has the focus";
}

TEST_F(RunningProgram, ARightClickShowsTheTrayMenu) {
    WriteSettings("Mode= 3\r\n");
    Start();
    TrayClick(WM_RBUTTONDOWN, WM_RBUTTONUP);
    ASSERT_TRUE(WaitForMenu(2000));
    // Four items: open the settings, watch, a line, quit. The first opens the window.
    ChooseMenuItem(VK_DOWN);
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("メニュー", PageTitle());
    // The middle button does nothing.
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    TrayClick(WM_MBUTTONDOWN, WM_MBUTTONUP);
    EXPECT_FALSE(WaitForMenu(GetDoubleClickTime() + 500));
    EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(RunningProgram, ClicksWhileTheWindowIsOpenOnlyBringItToTheFront) {
    WriteSettings("TaskMenu=Tools.mnu\r\n");
    Start();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    ASSERT_TRUE(WaitVisible(true));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE | WS_BORDER, 50, 50, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    for (UINT up : {WM_LBUTTONUP, WM_RBUTTONUP}) {
        SCOPED_TRACE(up == WM_LBUTTONUP ? "left" : "right");
        SetForegroundWindow(other);
        ASSERT_TRUE(ptrtest::PumpUntil([&] { return GetForegroundWindow() == other; }, 2000));
        Tray(up);
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return GetForegroundWindow() == window; }, 3000))
            << "foreground " << ClassOf(GetForegroundWindow());
        EXPECT_FALSE(WaitForMenu(GetDoubleClickTime() + 500));
    }
    DestroyWindow(other);
}

TEST_F(RunningProgram, ARealClickOnTheIconThatWineShows) {
    WriteSettings("Mode= 4\r\n");
    Start();
    // Without a tray of the desktop, Wine shows the icons in a window of its own.
    HWND tray = nullptr, icon = nullptr;
    ASSERT_TRUE(ptrtest::PumpUntil([&] {
        tray = FindTopLevel(0, "__winex11_standalone_tray", true);
        icon = tray ? FindWindowExA(tray, nullptr, "__winex11_tray_icon", nullptr) : nullptr;
        return icon != nullptr;
    }, 5000));
    RECT r;
    GetWindowRect(icon, &r);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    INPUT input[3] = {};
    for (INPUT &i : input) i.type = INPUT_MOUSE;
    input[0].mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input[0].mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    input[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    ASSERT_EQ(3u, SendInput(3, input, sizeof(INPUT)));
    ASSERT_TRUE(WaitForMenu()) << "tray icon at " << x << "," << y;
    RECT menu;
    GetWindowRect(Menu(), &menu);
    EXPECT_LE(std::abs(menu.left - x), 2) << "the menu opens at the cursor";
    ChooseMenuItem(VK_DOWN);
    ASSERT_TRUE(WaitVisible(true));
    EXPECT_EQ("プラグイン", PageTitle());
}

TEST_F(RunningProgram, TheCloseBoxHidesAndTheProgramStays) {
    Start();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    ASSERT_TRUE(WaitVisible(true));
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitVisible(false));
    ptrtest::PumpFor(300);
    EXPECT_TRUE(Running());
    EXPECT_EQ(nullptr, MessageBoxWindow());
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    EXPECT_TRUE(WaitVisible(true));
}

TEST_F(RunningProgram, QuittingFromTheTrayAsksAndSaves) {
    WriteSettings("EndingCheck= 1\r\nClipboardWatch= 0\r\n");
    Start();
    // Watching on, from the tray menu's second item.
    TrayClick(WM_RBUTTONDOWN, WM_RBUTTONUP);
    ASSERT_TRUE(WaitForMenu());
    HWND menu = Menu();
    PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ChooseMenuItem(VK_DOWN);
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return Menu() == nullptr; }, 3000));
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "yes" : "no");
        TrayClick(WM_RBUTTONDOWN, WM_RBUTTONUP);
        ASSERT_TRUE(WaitForMenu());
        ChooseMenuItem(VK_UP);   // the last item
        EXPECT_EQ("終了してよろしいですか？", Answer(answer));
        EXPECT_EQ(answer == IDYES ? 0 : -1, process.Wait(answer == IDYES ? 15000 : 700));
    }
    EXPECT_EQ(1, Saved("ClipboardWatch"));
    EXPECT_EQ(0, Saved("Mode"));   // written, not only kept
}

TEST_F(RunningProgram, QuittingWithoutSavingWritesNothing) {
    WriteSettings("EndingCheck= 1\r\nSplashShow= 1\r\n");
    const std::string before = ptrtest::ReadFileBytes(settingFile());
    Start();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    ASSERT_TRUE(WaitVisible(true));
    SendMessageA(GetDlgItem(window, IDC_MODE0), BM_CLICK, 0, 0);
    SendMessageA(GetDlgItem(window, IDC_CHECK0), BM_CLICK, 0, 0);   // no splash any more
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(window, IDC_CHECK0), BM_GETCHECK, 0, 0));
    PostMessageA(window, WM_COMMAND, IDC_FILE_QUIT_NOSAVE, 0);   // ファイル > 設定を保存しないで終了
    EXPECT_EQ("終了してよろしいですか？", Answer(IDYES));
    EXPECT_EQ(0, process.Wait(15000));
    EXPECT_EQ(before, ptrtest::ReadFileBytes(settingFile()));
}

TEST_F(RunningProgram, TheEndOfTheWindowsSessionSavesWithoutAsking) {
    WriteSettings("EndingCheck= 1\r\nMode= 5\r\n");
    Start();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Tray(m);
    ASSERT_TRUE(WaitVisible(true));
    SendMessageA(GetDlgItem(window, IDC_MODE0 + 1), BM_CLICK, 0, 0);
    PostMessageA(window, WM_COMMAND, IDC_VIEW_CLOSE, 0);
    ASSERT_TRUE(WaitVisible(false));
    EXPECT_TRUE(SendMessageA(window, WM_QUERYENDSESSION, 0, 0));
    SendMessageA(window, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(0, process.Wait(15000));
    EXPECT_EQ(nullptr, MessageBoxWindow());
    EXPECT_EQ(1, Saved("Mode"));
}

}  // namespace
