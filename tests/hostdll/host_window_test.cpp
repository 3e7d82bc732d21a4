// The hidden window: clipboard notices (the system's format listener, or the viewer
// chain where the test switch asks for it), Init and Quit, and the messages that become
// host callback events.
#include <gtest/gtest.h>
#include <sstream>

#include "kxdll_loader.h"
#include "notice_way.h"
#include <shellapi.h>
#include "wine_support.h"

using kxtest::CountEvents;
using kxtest::Events;
using kxtest::RecordEvent;
using kxtest::TestViewer;
using ptrbench::NoticeWay;
using ptrtest::PumpFor;
using ptrtest::PumpUntil;

namespace {

class HostWindow : public kxtest::KxTest {};

// Tests of whichever way the library hears of changes.
class EitherWay : public HostWindow, public testing::WithParamInterface<NoticeWay> {
protected:
    ptrbench::NoticeWaySwitch way_{GetParam()};
};

// Tests of the viewer chain, which the library still uses where the system has no
// format listener.
class ViewerChain : public HostWindow {
protected:
    ptrbench::NoticeWaySwitch way_{NoticeWay::ViewerChain};
};

// Changes the clipboard and waits until the last viewer of the chain has seen it.
void ChangeClipboard(const TestViewer &last, const char *text) {
    const int before = last.draws;
    ASSERT_TRUE(ptrtest::SetClipboardText(text));
    EXPECT_TRUE(PumpUntil([&] { return last.draws > before; })) << "draws " << last.draws;
    PumpFor(200);  // anything more that was going to arrive
}

TEST_P(EitherWay, InitRaisesTheClipboardEventOnceBeforeItReturns) {
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    ASSERT_EQ(1u, Events().size());
    EXPECT_EQ(KX_EVENT_CLIPBOARD, Events()[0].event);
    EXPECT_EQ(GetParam() == NoticeWay::ViewerChain, hwnd == GetClipboardViewer()) << GetClipboardViewer();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetDesktopWindow(), GetAncestor(hwnd, GA_PARENT));
    EXPECT_EQ(nullptr, GetWindow(hwnd, GW_OWNER));
    PumpFor(200);
    EXPECT_EQ(1u, Events().size());

    // A second Init is refused and changes nothing.
    const HWND viewer = GetClipboardViewer();
    EXPECT_EQ(nullptr, kx.Init(RecordEvent));
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(viewer, GetClipboardViewer());
    EXPECT_EQ(1u, Events().size());
}

// A viewer in front of ours may do anything; here it hears of each change too.
TEST_P(EitherWay, EachChangeRaisesOneEventWhileOtherViewersStillHearOfIt) {
    TestViewer after;
    after.Join();
    after.draws = 0;
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    PumpFor(100);
    EXPECT_EQ(0, after.draws) << "the message answering Init itself goes no further";
    TestViewer front;
    front.Join();
    PumpFor(100);
    front.draws = after.draws = 0;

    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(testing::Message() << "change " << i);
        Events().clear();
        ChangeClipboard(after, "one change");
        EXPECT_EQ(1, CountEvents(KX_EVENT_CLIPBOARD));
        EXPECT_EQ(1u, Events().size());
        EXPECT_EQ(i, after.draws);
        EXPECT_EQ(i, front.draws);
    }
}

TEST_P(EitherWay, QuitStopsTheEventsAndRaisesTheDestroyedEvent) {
    TestViewer after;
    after.Join();
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    Events().clear();

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

TEST_P(EitherWay, UnloadWithoutQuitStopsTheEventsAndDestroysTheWindow) {
    TestViewer after;
    after.Join();
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    Events().clear();

    kx.Unload();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(1, CountEvents(KX_EVENT_DESTROYED));
    EXPECT_EQ(after.hwnd, GetClipboardViewer());
    ChangeClipboard(after, "after unload");
    EXPECT_EQ(0, CountEvents(KX_EVENT_CLIPBOARD));
}

INSTANTIATE_TEST_SUITE_P(Ways, EitherWay, testing::Values(NoticeWay::Listener, NoticeWay::ViewerChain),
                         [](const testing::TestParamInfo<NoticeWay> &info) { return ptrbench::NoticeWayName(info.param); });

// The fault the listener mends: a viewer in front of ours that goes without leaving the
// chain takes every later notice of the chain with it, but not the listener's.
TEST_F(HostWindow, AViewerInFrontThatGoesWithoutLeavingTheChainDoesNotStopTheEvents) {
    ASSERT_NE(nullptr, kx.Init(RecordEvent));
    TestViewer front;
    front.Join();
    front.Vanish();
    for (int i = 0; i < 3; ++i) {
        Events().clear();
        ASSERT_TRUE(ptrtest::SetClipboardText("after the viewer went"));
        EXPECT_TRUE(PumpUntil([] { return CountEvents(KX_EVENT_CLIPBOARD) > 0; })) << i;
        PumpFor(200);
        EXPECT_EQ(1, CountEvents(KX_EVENT_CLIPBOARD)) << i;
    }
}

// Only the way that was started is heard: a stray chain message raises nothing.
TEST_F(HostWindow, TheListenerIgnoresViewerChainMessages) {
    HWND hwnd = kx.Init(RecordEvent);
    ASSERT_NE(nullptr, hwnd);
    Events().clear();
    SendMessageA(hwnd, WM_DRAWCLIPBOARD, 0, 0);
    SendMessageA(hwnd, WM_CHANGECBCHAIN, 0, 0);
    EXPECT_TRUE(Events().empty()) << "first event " << Events()[0].event;
}

TEST_F(ViewerChain, ViewersLeavingTheChainKeepItWhole) {
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

TEST_F(ViewerChain, AProcessEndingWithoutQuitMendsTheChainAndRemovesItsIcon) {
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
