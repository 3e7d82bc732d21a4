// The hidden window: clipboard viewer chain, Init and Quit, and the messages
// that become host callback events.
#include <gtest/gtest.h>
#include <sstream>

#include "kxdll_loader.h"
#include <shellapi.h>
#include "wine_support.h"

using kxtest::CountEvents;
using kxtest::Events;
using kxtest::RecordEvent;
using kxtest::TestViewer;
using ptrtest::PumpFor;
using ptrtest::PumpUntil;

namespace {

class HostWindow : public kxtest::KxTest {
protected:
    // Puts our window into the chain in front of `after`; no events recorded yet.
    HWND InitInFrontOf(TestViewer &after) {
        after.Join();
        HWND hwnd = kx.Init(RecordEvent);
        Events().clear();
        return hwnd;
    }
};

// Changes the clipboard and waits until the last viewer of the chain has seen it.
void ChangeClipboard(const TestViewer &last, const char *text) {
    const int before = last.draws;
    ASSERT_TRUE(ptrtest::SetClipboardText(text));
    EXPECT_TRUE(PumpUntil([&] { return last.draws > before; })) << "draws " << last.draws;
    PumpFor(200);  // anything more that was going to arrive
}

TEST_F(HostWindow, InitRaisesTheClipboardEventOnceBeforeItReturns) {
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    ASSERT_EQ(1u, Events().size());
    EXPECT_EQ(KX_EVENT_CLIPBOARD, Events()[0].event);
    EXPECT_EQ(hwnd, GetClipboardViewer());
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(hwnd, GA_PARENT));
    EXPECT_EQ(nullptr, GetWindow(hwnd, GW_OWNER));
    PumpFor(200);
    EXPECT_EQ(1u, Events().size());

    // A second Init is refused and changes nothing.
    EXPECT_EQ(nullptr, kx.Init(RecordEvent));
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(hwnd, GetClipboardViewer());
    EXPECT_EQ(1u, Events().size());
}

TEST_F(HostWindow, ClipboardChangeRaisesOneEventAndReachesTheNextViewer) {
    TestViewer after;
    after.Join();
    after.draws = 0;
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    PumpFor(100);
    EXPECT_EQ(0, after.draws) << "the message answering Init itself goes no further";

    Events().clear();
    ChangeClipboard(after, "one change");
    EXPECT_EQ(1, CountEvents(KX_EVENT_CLIPBOARD));
    EXPECT_EQ(1u, Events().size());
    EXPECT_EQ(1, after.draws);
}

TEST_F(HostWindow, ViewersLeavingTheChainKeepItWhole) {
    // chain: ours -> v1 -> v2 -> v3
    TestViewer v1, v2, v3;
    v3.Join();
    v2.Join();
    v1.Join();
    ASSERT_NE(nullptr, kx.Init(RecordEvent));

    v1.Leave();  // the viewer right after ours: ours must now pass to v2
    v3.Leave();  // a viewer further down: ours must pass the notice on to v2
    EXPECT_EQ(1, v2.chainChanges);
    EXPECT_EQ(nullptr, v2.next);

    v1.draws = v2.draws = v3.draws = 0;
    Events().clear();
    ChangeClipboard(v2, "after leaving");
    EXPECT_EQ(1, CountEvents(KX_EVENT_CLIPBOARD));
    EXPECT_EQ(1, v2.draws);
    EXPECT_EQ(0, v1.draws);
    EXPECT_EQ(0, v3.draws);
}

TEST_F(HostWindow, QuitLeavesTheChainAndRaisesTheDestroyedEvent) {
    TestViewer after;
    HWND hwnd = InitInFrontOf(after);
    ASSERT_NE(nullptr, hwnd);

    EXPECT_NE(0, kx.Quit());
    EXPECT_FALSE(IsWindow(hwnd));
    ASSERT_EQ(1u, Events().size());
    EXPECT_EQ(KX_EVENT_DESTROYED, Events()[0].event);
    EXPECT_EQ(after.hwnd, GetClipboardViewer());

    ChangeClipboard(after, "after quit");
    EXPECT_EQ(0, CountEvents(KX_EVENT_CLIPBOARD));

    EXPECT_EQ(0, kx.Quit());
    EXPECT_EQ(nullptr, kx.Init(RecordEvent)) << "Init is not accepted again";
    kx.Unload();
    EXPECT_EQ(1, CountEvents(KX_EVENT_DESTROYED)) << "no second Quit on unload";
}

TEST_F(HostWindow, UnloadWithoutQuitLeavesTheChainAndDestroysTheWindow) {
    TestViewer after;
    HWND hwnd = InitInFrontOf(after);
    ASSERT_NE(nullptr, hwnd);

    kx.Unload();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(1, CountEvents(KX_EVENT_DESTROYED));
    EXPECT_EQ(after.hwnd, GetClipboardViewer());
    ChangeClipboard(after, "after unload");
}

TEST_F(HostWindow, CloseRequestsAreIgnoredAndHotkeysRaiseEvent1) {
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    Events().clear();

    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(Events().empty());

    ASSERT_TRUE(RegisterHotKey(hwnd, 0x2345, MOD_CONTROL | MOD_ALT, VK_F9)) << GetLastError();
    INPUT keys[6] = {};
    const WORD order[6] = {VK_CONTROL, VK_MENU, VK_F9, VK_F9, VK_MENU, VK_CONTROL};
    for (int i = 0; i < 6; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 3 ? 0 : KEYEVENTF_KEYUP;
    }
    EXPECT_EQ(6u, SendInput(6, keys, sizeof(INPUT)));
    EXPECT_TRUE(PumpUntil([] { return CountEvents(KX_EVENT_HOTKEY) > 0; }));
    UnregisterHotKey(hwnd, 0x2345);
    ASSERT_EQ(1u, Events().size());
    EXPECT_EQ(0x2345, Events()[0].a);
    EXPECT_EQ(MAKELPARAM(MOD_CONTROL | MOD_ALT, VK_F9), Events()[0].b);
}

TEST_F(HostWindow, TrayMouseMessagesRaiseEvent5) {
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    Events().clear();
    const UINT trayMessage = RegisterWindowMessageA("KXDLL_NOTIFYICON_MESSAGE By Tavimo");
    struct Case {
        UINT mouse;
        INT_PTR action, button;
    } cases[] = {
        {WM_LBUTTONDOWN, KX_TRAY_DOWN, KX_BUTTON_LEFT},     {WM_LBUTTONUP, KX_TRAY_UP, KX_BUTTON_LEFT},
        {WM_LBUTTONDBLCLK, KX_TRAY_DBLCLK, KX_BUTTON_LEFT}, {WM_RBUTTONDOWN, KX_TRAY_DOWN, KX_BUTTON_RIGHT},
        {WM_RBUTTONUP, KX_TRAY_UP, KX_BUTTON_RIGHT},        {WM_RBUTTONDBLCLK, KX_TRAY_DBLCLK, KX_BUTTON_RIGHT},
        {WM_MBUTTONDOWN, KX_TRAY_DOWN, KX_BUTTON_MIDDLE},   {WM_MBUTTONUP, KX_TRAY_UP, KX_BUTTON_MIDDLE},
        {WM_MBUTTONDBLCLK, KX_TRAY_DBLCLK, KX_BUTTON_MIDDLE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mouse message 0x" << std::hex << c.mouse);
        Events().clear();
        // The shell sends the icon's identifier and the mouse message.
        SendMessageA(hwnd, trayMessage, 1, c.mouse);
        ASSERT_EQ(1u, Events().size());
        EXPECT_EQ(KX_EVENT_TRAY, Events()[0].event);
        EXPECT_EQ(c.action, Events()[0].a);
        EXPECT_EQ(c.button, Events()[0].b);
    }
    Events().clear();
    const UINT others[] = {WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_XBUTTONDOWN, WM_CONTEXTMENU, NIN_BALLOONUSERCLICK};
    for (UINT other : others) SendMessageA(hwnd, trayMessage, 1, other);
    EXPECT_TRUE(Events().empty()) << "first event " << (Events().empty() ? -1 : Events()[0].event);
}

// Ends the process with the library still loaded and Init not undone.
PTR_CHILD(end_while_running) {
    auto *kx = new kxtest::KxDll;
    HWND hwnd = kx->Init(RecordEvent);
    kx->NotifyIconControl(KX_TRAY_ICON, 0, reinterpret_cast<INT_PTR>(IDI_APPLICATION));
    kx->NotifyIconControl(KX_TRAY_ADD, 0, 0);
    const std::string facts = std::to_string(reinterpret_cast<UINT_PTR>(hwnd)) + " " +
                              std::to_string(reinterpret_cast<UINT_PTR>(kx->module));
    if (!hwnd || !kxtest::ShellHasIcon(hwnd, kxtest::IconAtom(kx->module)) ||
        !ptrtest::WriteFileBytes(args.at(0), facts))
        return 1;
    ExitProcess(0);
}

TEST_F(HostWindow, AProcessEndingWithoutQuitMendsTheChainAndRemovesItsIcon) {
    kx.Unload();  // the other process's copy loads at the same address: same atom name
    TestViewer after;
    after.Join();
    ptrtest::TempDir dir;
    const std::string factsFile = dir.path + "facts.txt";
    auto child = ptrtest::StartChild("end_while_running", {factsFile});
    ASSERT_EQ(0, child.Wait());
    UINT_PTR hwnd = 0, module = 0;
    std::istringstream(ptrtest::ReadFileBytes(factsFile)) >> hwnd >> module;
    ASSERT_NE(0u, hwnd);

    EXPECT_EQ(after.hwnd, GetClipboardViewer());
    ChangeClipboard(after, "after the other process ended");
    EXPECT_FALSE(kxtest::ShellHasIcon(reinterpret_cast<HWND>(hwnd), kxtest::IconAtom(reinterpret_cast<HMODULE>(module))));
    EXPECT_EQ(0u, kxtest::IconAtom(reinterpret_cast<HMODULE>(module)));
}

PTR_CHILD(show_main_window) {
    kxtest::KxDll kx;
    if (!kx.problems.empty()) return 2;
    return kx.ShowMainProgramWindow() ? 0 : 1;
}

TEST_F(HostWindow, ShowMainProgramWindowFromAnotherProcessRaisesEvent4) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    Events().clear();
    auto child = ptrtest::StartChild("show_main_window");
    EXPECT_EQ(0, child.Wait());
    EXPECT_TRUE(PumpUntil([] { return CountEvents(KX_EVENT_SHOW_WINDOW) > 0; }));
    PumpFor(100);
    ASSERT_EQ(1u, Events().size());
    EXPECT_EQ(KX_EVENT_SHOW_WINDOW, Events()[0].event);
    EXPECT_EQ(0, Events()[0].a);
    EXPECT_EQ(0, Events()[0].b);
}

// Reads the message box the about call shows, then presses its OK button.
std::string g_aboutText, g_aboutTitle;
void CALLBACK CloseAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM) -> BOOL {
            char text[256] = {}, title[256] = {};
            GetWindowTextA(w, title, sizeof title);
            if (!GetDlgItemTextA(w, 0xFFFF, text, sizeof text)) return TRUE;
            g_aboutTitle = title;
            g_aboutText = text;
            PostMessageA(w, WM_COMMAND, IDOK, 0);
            return FALSE;
        },
        0);
}

TEST_F(HostWindow, ShowAboutShowsTheProductLine) {
    g_aboutText.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseAboutBox);
    EXPECT_EQ(IDOK, kx.ShowAbout(nullptr));
    KillTimer(nullptr, timer);
    EXPECT_EQ("Porterica ポルテリカ メインDLL Ver.1.1.0", g_aboutText);
    EXPECT_EQ("ポルテリカ", g_aboutTitle);
}

}  // namespace
