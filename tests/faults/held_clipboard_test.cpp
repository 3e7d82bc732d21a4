// Another program holds the clipboard open, as real programs do (opened with a window of
// their own), while a watch action or a requested function wants it.
#include <gtest/gtest.h>

#include "fault_support.h"
#include "notice_way.h"
#include "pump.h"
#include "settings_text.h"
#include "viewer_window.h"
#include "wine_support.h"

using faults::NamedEvent;
using ptrbench::PluginAction;
using ptrbench::SettingsIni;

namespace {

HWND g_next;
bool g_armed;
HANDLE g_holding;
DWORD g_holdMs;

// First in the viewer chain: when armed, it opens the clipboard on a change before the
// program behind it hears of the change, and keeps it open for a while.
LRESULT CALLBACK HolderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        if (g_armed && OpenClipboard(hwnd)) {
            g_armed = false;
            SetEvent(g_holding);
            SetTimer(hwnd, 1, g_holdMs, nullptr);
        }
        if (g_next) SendMessageA(g_next, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN: ptrbench::FollowChainChange(g_next, wParam, lParam); return 0;
    case WM_TIMER:
        KillTimer(hwnd, 1);
        CloseClipboard();
        return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

HWND HolderWindow() { return ptrbench::MakeHiddenWindow("FaultsHolder", HolderProc); }

// args: arm event, holding event, quit event, hold ms. Each time the arm event is set,
// holds the clipboard on the next change.
PTR_CHILD(holder_in_chain) {
    HANDLE arm = OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, args[0].c_str());
    g_holding = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str());
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, args[2].c_str());
    g_holdMs = static_cast<DWORD>(std::stoul(args[3]));
    HWND window = HolderWindow();
    g_next = SetClipboardViewer(window);
    HANDLE handles[] = {quit, arm};
    for (;;) {
        const DWORD r = MsgWaitForMultipleObjects(2, handles, FALSE, INFINITE, QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) break;
        if (r == WAIT_OBJECT_0 + 1) {
            ResetEvent(arm);
            g_armed = true;
        }
        ptrbench::PumpPending();
    }
    ChangeClipboardChain(window, g_next);
    DestroyWindow(window);
    return 0;
}

// args: holding event, release event. Opens the clipboard now and keeps it until released.
PTR_CHILD(holder_now) {
    HANDLE holding = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[0].c_str());
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, args[1].c_str());
    HWND window = HolderWindow();
    if (!OpenClipboard(window)) return 1;
    SetEvent(holding);
    ptrbench::WaitPumping(release, 60000);
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}

class HeldClipboard : public faults::ProgramTest {
protected:
    void SetUp() override {
        folder.AddReleasePlugin("tlxText.tlx");
        folder.AddReleasePlugin("tlxInternet.tlx");
        // Text only for every text; a stamp for every URL the internet plug-in accepts.
        folder.WriteSettings(SettingsIni({PluginAction("1", "tlxText.tlx/1/1"),
                                          PluginAction("1", faults::kStamp, "tlxInternet.tlx/4/1")}));
        StartProgram();
    }

    // The holder must hear of a change before the program does: only the viewer chain
    // has an order, in which the viewer that joined last hears first.
    ptrbench::NoticeWaySwitch way_{ptrbench::NoticeWay::ViewerChain};

    // One copy of a URL with a second format; true when the program reduced it to its text.
    bool CopyIsReducedToText(const std::string &url) {
        if (!writer.Copy(url, true)) return false;
        return writer.WaitForTextOnly(5000) != 0;
    }
};

TEST_F(HeldClipboard, AWatchActionThatFindsTheClipboardHeldDoesNothingAndTheNextChangeWorks) {
    NamedEvent arm, holding, quit;
    ptrtest::ChildProcess holder = ptrtest::StartChild(
        "holder_in_chain", {arm.Name(), holding.Name(), quit.Name(), "1500"});
    ASSERT_TRUE(holder.process);
    ASSERT_TRUE(ptrbench::PumpUntil([&] { return GetClipboardViewer() != folder.HostWindow(); }, 10000))
        << "the holder did not join the chain";

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const LONG stamps = Stamps();
        arm.Set();
        ptrbench::PumpFor(100);
        ResetEvent(holding.Handle());
        ASSERT_TRUE(writer.Copy("http://example.com/held/" + std::to_string(round), true));
        ASSERT_TRUE(holding.Wait(5000)) << "the holder did not take the clipboard";
        // The program heard of the change while the clipboard was held: its functions
        // could not open it. Nothing may have been half done.
        ptrbench::PumpFor(300);
        EXPECT_TRUE(writer.HasText());
        EXPECT_TRUE(writer.HasExtra()) << "text only ran on a clipboard it could not have opened";
        EXPECT_EQ(stamps, Stamps()) << "the URL check accepted a clipboard it could not read";
        EXPECT_TRUE(folder.Running());

        // Released: the next change is handled in full.
        ASSERT_TRUE(ptrbench::PumpUntil([&] { return OpenClipboard(writer.Window()) && CloseClipboard(); }, 5000));
        EXPECT_TRUE(CopyIsReducedToText("http://example.com/free/" + std::to_string(round)));
        EXPECT_EQ(stamps + 1, WaitForStamps(stamps)) << "the URL check and its action";
    }
    quit.Set();
    EXPECT_EQ(0, holder.Wait());
}

TEST_F(HeldClipboard, ARequestedFunctionGivesUpOnAHeldClipboardAndTheProgramStaysResponsive) {
    // Watching off, so that the copy keeps both formats; then the clipboard is held elsewhere.
    ASSERT_TRUE(folder.CallFunction(0, "9"));
    ASSERT_TRUE(writer.Copy("held text", true));
    NamedEvent holding, release;
    ptrtest::ChildProcess holder = ptrtest::StartChild("holder_now", {holding.Name(), release.Name()});
    ASSERT_TRUE(holding.Wait(10000));

    // Text only, asked for from outside, cannot open the clipboard: it must give up and
    // leave the clipboard as it was, and the request must come back.
    ASSERT_TRUE(folder.CallFunction(1, "tlxText.tlx/1/1"));
    EXPECT_TRUE(writer.HasExtra());
    EXPECT_TRUE(writer.HasText());
    const LONG stamps = Stamps();
    ASSERT_TRUE(folder.CallFunction(1, faults::kStamp));
    EXPECT_EQ(stamps + 1, Stamps()) << "the program did not answer the next request";

    release.Set();
    EXPECT_EQ(0, holder.Wait());
    ASSERT_TRUE(folder.CallFunction(1, "tlxText.tlx/1/1"));
    EXPECT_FALSE(writer.HasExtra()) << "text only once the clipboard is free";
    EXPECT_EQ("held text", ptrtest::GetClipboardText());
}

}  // namespace
