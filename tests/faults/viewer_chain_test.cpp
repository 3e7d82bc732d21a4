// Other clipboard viewers around the program: after ours in the viewer chain or in front
// of it, one leaves, one dies, one hangs. The program hears of changes through the
// system's format listener, or through the chain where the test switch asks for it.
#include <gtest/gtest.h>

#include "fault_support.h"
#include "notice_way.h"
#include "pump.h"
#include "settings_text.h"
#include "viewer_window.h"
#include "wine_support.h"

using faults::NamedEvent;
using ptrbench::BoardView;
using ptrbench::NoticeWay;
using ptrbench::PluginAction;
using ptrbench::SettingsIni;

namespace {

struct ChildViewer {
    HWND next = nullptr;
    BoardView *board = nullptr;
    HANDLE hang = nullptr;   // when set, the first change stops the viewer until it is signalled
};
ChildViewer g_viewer;

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DRAWCLIPBOARD:
        g_viewer.board->Stamp(0);
        if (g_viewer.hang) {
            WaitForSingleObject(g_viewer.hang, 60000);   // answers nothing meanwhile
            g_viewer.hang = nullptr;
        }
        if (g_viewer.next) SendMessageA(g_viewer.next, msg, wParam, lParam);
        return 0;
    case WM_CHANGECBCHAIN: ptrbench::FollowChainChange(g_viewer.next, wParam, lParam); return 0;
    default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

// args: board, ready event, quit event[, hang event]. A viewer that counts the changes it
// is told of on its board and leaves the chain properly when asked to quit.
PTR_CHILD(counting_viewer) {
    BoardView board(args[0]);
    g_viewer.board = &board;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[1].c_str());
    HANDLE quit = OpenEventA(SYNCHRONIZE, FALSE, args[2].c_str());
    if (args.size() > 3) g_viewer.hang = OpenEventA(SYNCHRONIZE, FALSE, args[3].c_str());
    HWND window = ptrbench::MakeHiddenWindow("FaultsViewer", ViewerProc);
    // Joining answers at once with one WM_DRAWCLIPBOARD; it is not counted.
    const HANDLE hang = g_viewer.hang;
    g_viewer.hang = nullptr;
    g_viewer.next = SetClipboardViewer(window);
    board.Board().stamps = 0;
    g_viewer.hang = hang;
    SetEvent(ready);
    ptrbench::WaitPumping(quit, INFINITE);
    ChangeClipboardChain(window, g_viewer.next);
    DestroyWindow(window);
    return 0;
}

// A viewer child with a board of its own.
class Viewer {
public:
    explicit Viewer(const std::string &boardName, const std::string &hangEvent = "")
        : board_(boardName) {
        std::vector<std::string> args{boardName, ready_.Name(), quit_.Name()};
        if (!hangEvent.empty()) args.push_back(hangEvent);
        child_ = ptrtest::StartChild("counting_viewer", args);
        ok_ = child_.process && ready_.Wait(10000);
    }
    bool Ok() const { return ok_; }
    LONG Seen() const { return board_.Board().stamps; }
    bool Leave() {
        quit_.Set();
        return child_.Wait() == 0;
    }
    void Die() { TerminateProcess(child_.process, 9); WaitForSingleObject(child_.process, 5000); }
    HANDLE Process() const { return child_.process; }

private:
    BoardView board_;
    NamedEvent ready_, quit_;
    ptrtest::ChildProcess child_;
    bool ok_ = false;
};

class Neighbours : public faults::ProgramTest {
protected:
    explicit Neighbours(NoticeWay way) : way_(way) {}

    // The program's hotkey (Ctrl+Alt+Shift+F11) runs the stamp too.
    void WriteSettings() {
        folder.WriteSettings(SettingsIni({PluginAction("1", faults::kStamp)},
                                         {ptrbench::HotkeyLine{1, VK_F11, MOD_CONTROL | MOD_ALT | MOD_SHIFT, faults::kStamp}}));
    }

    // One copy; true when the program ran its watch action for it.
    testing::AssertionResult CopyIsHandled(const std::string &text) {
        const LONG before = Stamps();
        if (!writer.Copy(text, false)) return testing::AssertionFailure() << "the clipboard stayed held";
        const LONG after = WaitForStamps(before);
        if (after != before + 1) return testing::AssertionFailure() << after - before << " watch actions ran";
        return testing::AssertionSuccess();
    }

    // Copies one after the other, each handled once: no action runs late or twice.
    void CopiesAreHandledOnceEach(const std::string &what, int copies) {
        const LONG before = Stamps();
        for (int i = 0; i < copies; ++i) EXPECT_TRUE(CopyIsHandled(what + " " + std::to_string(i))) << i;
        ptrbench::PumpFor(500);
        EXPECT_EQ(before + copies, Stamps()) << "watch actions for " << copies << " copies " << what;
    }

    std::string BoardFor(const char *who) { return boardName + "_" + who; }

private:
    ptrbench::NoticeWaySwitch way_;
};

// Viewers that joined before the program: in the chain, after ours.
class ViewerChain : public Neighbours, public testing::WithParamInterface<NoticeWay> {
protected:
    ViewerChain() : Neighbours(GetParam()) {}
};

TEST_P(ViewerChain, AViewerAfterOursLeavesAndTheOneAfterItStillHearsOfChanges) {
    WriteSettings();
    Viewer last(BoardFor("last"));
    Viewer leaving(BoardFor("leaving"));
    ASSERT_TRUE(last.Ok() && leaving.Ok());
    StartProgram();

    ASSERT_TRUE(CopyIsHandled("before"));
    EXPECT_TRUE(ptrbench::PumpUntil([&] { return last.Seen() == 1 && leaving.Seen() == 1; }, 5000))
        << "leaving " << leaving.Seen() << ", last " << last.Seen();

    ASSERT_TRUE(leaving.Leave());
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(CopyIsHandled("after " + std::to_string(i))) << i;
    EXPECT_TRUE(ptrbench::PumpUntil([&] { return last.Seen() == 6; }, 5000)) << "last " << last.Seen();
    EXPECT_TRUE(last.Leave());
}

TEST_P(ViewerChain, AViewerAfterOursDiesWithoutLeavingAndTheProgramKeepsWatching) {
    WriteSettings();
    Viewer dying(BoardFor("dying"));
    ASSERT_TRUE(dying.Ok());
    StartProgram();
    ASSERT_TRUE(CopyIsHandled("before"));
    EXPECT_TRUE(ptrbench::PumpUntil([&] { return dying.Seen() == 1; }, 5000));

    dying.Die();
    CopiesAreHandledOnceEach("after", 10);
    EXPECT_TRUE(folder.Running());
}

TEST_P(ViewerChain, OwnChangesHandedBackByAViewerInFrontDoNotRunTheActionsAgain) {
    folder.AddReleasePlugin("tlxText.tlx");
    folder.WriteSettings(SettingsIni({PluginAction("1", "tlxText.tlx/1/1"), PluginAction("1", faults::kStamp)}));
    StartProgram();
    // Joined after the program, so first in the chain: it passes every change on,
    // the program's own rewrites included, after the program has finished its event.
    Viewer front(BoardFor("front"));
    ASSERT_TRUE(front.Ok());

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("copy " + std::to_string(i));
        const LONG stamps = Stamps(), seen = front.Seen();
        const std::string text = "copied " + std::to_string(i);
        ASSERT_TRUE(writer.Copy(text, true));
        ASSERT_TRUE(writer.WaitForTextOnly(5000));
        ptrbench::PumpFor(1000);
        EXPECT_EQ(stamps + 1, Stamps()) << "the watch actions ran again for their own change";
        EXPECT_EQ(seen + 2, front.Seen()) << "the copy and the program's rewrite";
        EXPECT_EQ(text, ptrtest::GetClipboardText());
    }
    EXPECT_TRUE(front.Leave());
}

TEST_P(ViewerChain, AHungViewerAfterOursDoesNotStopTheProgram) {
    WriteSettings();
    NamedEvent release;
    Viewer hung(BoardFor("hung"), release.Name());
    ASSERT_TRUE(hung.Ok());
    StartProgram();
    const std::vector<ATOM> hotkeys = faults::AtomsNamed("vbHotKey_");
    ASSERT_EQ(1u, hotkeys.size());

    // The change reaches the program, which passes it on to the viewer; that viewer
    // stops answering.
    ASSERT_TRUE(CopyIsHandled("hangs the next viewer"));
    ASSERT_TRUE(ptrbench::PumpUntil([&] { return hung.Seen() == 1; }, 5000));

    // A hotkey arrives as a posted message: the program must get back to its message
    // loop to see it.
    const LONG before = Stamps();
    PostMessageA(folder.HostWindow(), WM_HOTKEY, faults::HotkeyIdOf(hotkeys[0]), MAKELPARAM(MOD_CONTROL | MOD_ALT | MOD_SHIFT, VK_F11));
    EXPECT_EQ(before + 1, WaitForStamps(before, 15000)) << "the hotkey waited for the hung viewer";
    EXPECT_EQ(TLX_CALL_HOTKEY, board.Board().lastCallType);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(CopyIsHandled("while it hangs " + std::to_string(i))) << i;

    // Recovered, it hears of changes again.
    release.Set();
    EXPECT_TRUE(CopyIsHandled("after"));
    EXPECT_TRUE(ptrbench::PumpUntil([&] { return hung.Seen() >= 2; }, 10000)) << "hung " << hung.Seen();
    EXPECT_TRUE(hung.Leave());
}

INSTANTIATE_TEST_SUITE_P(Ways, ViewerChain, testing::Values(NoticeWay::Listener, NoticeWay::ViewerChain),
                         [](const testing::TestParamInfo<NoticeWay> &info) { return ptrbench::NoticeWayName(info.param); });

// A viewer that joins after the program, and so is told of changes before it, then goes
// in one of these ways. In the chain, a viewer in front that dies or hangs takes every
// later notice with it; the listener does not depend on it.
enum class Fate { Killed, Hangs, Leaves };

struct FrontCase {
    NoticeWay way;
    Fate fate;
};

std::string FrontCaseName(const testing::TestParamInfo<FrontCase> &info) {
    const char *fates[] = {"killed", "hangs", "leaves"};
    return std::string(ptrbench::NoticeWayName(info.param.way)) + "_" + fates[static_cast<int>(info.param.fate)];
}

class FrontViewer : public Neighbours, public testing::WithParamInterface<FrontCase> {
protected:
    FrontViewer() : Neighbours(GetParam().way) {}
};

TEST_P(FrontViewer, TheNextCopiesStillRunTheWatchActionsOnceEach) {
    const Fate fate = GetParam().fate;
    WriteSettings();
    StartProgram();
    NamedEvent release;
    Viewer front(BoardFor("front"), fate == Fate::Hangs ? release.Name() : "");
    ASSERT_TRUE(front.Ok());

    // The first change reaches both; the hanging viewer stops answering with it.
    ASSERT_TRUE(CopyIsHandled("before"));
    ASSERT_TRUE(ptrbench::PumpUntil([&] { return front.Seen() == 1; }, 5000)) << "front " << front.Seen();
    if (fate == Fate::Killed) front.Die();
    if (fate == Fate::Leaves) {
        ASSERT_TRUE(front.Leave());
    }

    CopiesAreHandledOnceEach("after", 5);
    EXPECT_TRUE(folder.Running());
    if (fate == Fate::Hangs) {
        release.Set();
        EXPECT_TRUE(front.Leave());
    }
}

INSTANTIATE_TEST_SUITE_P(Fates, FrontViewer,
                         testing::Values(FrontCase{NoticeWay::Listener, Fate::Killed},
                                         FrontCase{NoticeWay::Listener, Fate::Hangs},
                                         FrontCase{NoticeWay::Listener, Fate::Leaves},
                                         FrontCase{NoticeWay::ViewerChain, Fate::Leaves}),
                         FrontCaseName);

}  // namespace
