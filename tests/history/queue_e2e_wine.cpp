// 連続貼り付け in the real program: copies queued while the mode is on and pasted with
// Ctrl+V into another program one after another, in either order; the program's watch
// and history looking at the clipboard meanwhile; the next item pasted by a hotkey with a
// key after it, or a word to the user where the keys would not reach; an entry chosen
// from the history window pasted meanwhile, and a copy from a program the settings keep
// away, joining no queue; entries marked in the history window queued by its Ctrl+Enter;
// the clipboard left as an ordinary copy when the mode ends or the program quits; the
// small window at two display scales.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"
#include "history_wine_support.h"
#include "queue_item_mark.h"
#include "recorded_history.h"
#include "screen_capture.h"

using e2e::ProgramFolder;
using historytest::CopyingWindow;
using historytest::TypingProgram;
using ptrtest::Utf16Bytes;

namespace {

// The watch records every copy in the history, as shipped, and the hotkeys turn the mode on
// and off (Ctrl+Alt+Shift+V, as shipped) and paste the next item (Ctrl+Alt+Shift+N).
// `textOnly`: a second watch action reduces every text copy to its text (tlxText), reading it.
std::string ProgramSettings(const std::string &mainExtra = "", bool textOnly = false) {
    return "[Main]\r\nSplashShow= 0\r\nEndingCheck= 0\r\nClipboardWatch= 1\r\nDefaultMenu= 0\r\n" + mainExtra +
           "[Watch]\r\n001Enable= 1\r\n001Type=\r\n001AllType= 1\r\n001Function= 1\r\n"
           "001Option=tlxHistory.tlx/1/1\r\n" +
           (textOnly ? "002Enable= 1\r\n002Type=1\r\n002AllType= 0\r\n002Function= 1\r\n002Option=tlxText.tlx/1/1\r\n"
                       "003Function=-1\r\n"
                     : "002Function=-1\r\n") +
           "[HotKey]\r\n001Function= 1\r\n001Key= 86\r\n001ModKey= 7\r\n001Option=tlxHistory.tlx/4/1\r\n"
           "002Function= 1\r\n002Key= 78\r\n002ModKey= 7\r\n002Option=tlxHistory.tlx/5/1\r\n"
           "003Function=-1\r\n";
}

const char kToggle[] = "/Execute:1:tlxHistory.tlx/4/1";
const char kRecord[] = "/Execute:1:tlxHistory.tlx/1/1";
const char kOpenHistory[] = "/Execute:1:tlxHistory.tlx/2/1";
const char kIndicatorClass[] = "tlxHistoryQueue";
const char kIndicatorTitle[] = "連続貼り付け";
const std::vector<std::u16string> kFive = {u"one", u"二つ目", u"three 3", u"四😀", u"five\r\nlines"};

UINT Format(const char *name) { return RegisterClipboardFormatA(name); }

std::vector<std::u16string> Reversed(std::vector<std::u16string> items) { return {items.rbegin(), items.rend()}; }

std::u16string Joined(const std::vector<std::u16string> &items, size_t count, const std::u16string &after = u"") {
    std::u16string text;
    for (size_t i = 0; i < count; ++i) text += items[i] + after;
    return text;
}

struct QueueProgram : testing::Test {
    ProgramFolder program;
    CopyingWindow copier;

    void SetUp() override {
        ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\tlxHistory.tlx",
                                        program.Path() + "Plugins\\tlxHistory.tlx"));
        program.WriteSettings(ProgramSettings());
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }

    // The plug-in's [Main] section, before the program starts.
    void WritePluginSettings(const std::string &lines) {
        const std::string dir = program.Path() + "Plugins\\tlxHistory\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        ASSERT_TRUE(ptrtest::WriteFileBytes(dir + "Setting.ini", "[Main]\r\n" + lines));
    }

    DWORD ProgramId() const { return GetProcessId(program.Process()); }
    // An item of the queue is on the clipboard, offered by the program. Asked without
    // reading the item: reading it would be a paste.
    bool ItemOffered() const {
        DWORD owner = 0;
        GetWindowThreadProcessId(GetClipboardOwner(), &owner);
        return owner == ProgramId() && IsClipboardFormatAvailable(Format(tlx::kQueueItemFormat));
    }
    // Copies the text and waits until the program has queued it and offers the head again.
    void CopyQueued(const std::u16string &text) {
        ASSERT_TRUE(copier.Copy(text));
        ASSERT_TRUE(ptrtest::PumpUntil([&] { return ItemOffered(); }, 5000)) << "queued after the copy";
        ptrtest::PumpFor(200);
    }
    HWND Indicator(DWORD ms = 5000) const { return e2e::WaitForWindow(ProgramId(), kIndicatorClass, kIndicatorTitle, ms); }
    bool IndicatorGone(DWORD ms = 8000) const {
        return ptrtest::PumpUntil([&] {
            const HWND window = FindWindowA(kIndicatorClass, nullptr);
            return !window || !IsWindowVisible(window);
        }, ms);
    }
    void TurnOn() {
        program.Run(kToggle).Wait(10000);
        ASSERT_NE(nullptr, Indicator()) << "the mode shows its window";
    }
    // Ctrl+V in the typing program; the next item is offered again a moment after the paste.
    void Paste(const TypingProgram &typing, const std::u16string &expected) {
        e2e::PressChord({VK_CONTROL, 'V'});
        EXPECT_TRUE(typing.WaitForText(expected)) << "has " << e2e::FromWide(reinterpret_cast<const wchar_t *>(
                                                              typing.Text().c_str()));
        ptrtest::PumpFor(300);
    }
    // What the clipboard holds once the mode has gone: an ordinary copy of the text.
    void ExpectOrdinaryCopy(const std::u16string &text) {
        ASSERT_TRUE(ptrtest::PumpUntil([] { return !IsClipboardFormatAvailable(Format(tlx::kQueueItemFormat)); }));
        EXPECT_FALSE(IsClipboardFormatAvailable(Format("CanIncludeInClipboardHistory")));
        EXPECT_EQ(text, texttest::ClipboardUnicodeText());
    }
    std::vector<std::u16string> Recorded(const std::vector<std::u16string> &expected) const {
        return historytest::RecordedTexts(program, expected);
    }
};

TEST_F(QueueProgram, FiveCopiesArePastedInTheOrderCopied) {
    ASSERT_TRUE(program.Start());
    e2e::PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'V'});
    ASSERT_NE(nullptr, Indicator()) << "the shipped hotkey turns the mode on";
    for (size_t i = 0; i < kFive.size(); ++i) {
        CopyQueued(kFive[i]);
        if (i != 1) continue;
        // A private copy joins no queue: it stays on the clipboard until the next copy.
        const UINT exclude = Format("ExcludeClipboardContentFromMonitorProcessing");
        ASSERT_TRUE(copier.Copy({{CF_UNICODETEXT, Utf16Bytes(u"secret")}, {exclude, std::string(1, '\0')}}));
        ptrtest::PumpFor(800);
        EXPECT_FALSE(ItemOffered());
    }
    // The history asked to record what is on the clipboard looks at the item and leaves it.
    program.Run(kRecord).Wait(10000);
    EXPECT_TRUE(ItemOffered());

    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    for (size_t i = 1; i <= kFive.size(); ++i) Paste(typing, Joined(kFive, i));
    EXPECT_TRUE(IndicatorGone()) << "the queue emptied, the mode ends";
    ExpectOrdinaryCopy(kFive.back());
    // Each copy recorded once; neither the private one nor an offered item.
    EXPECT_EQ(Reversed(kFive), Recorded(Reversed(kFive)));
}

TEST_F(QueueProgram, ReversedOrderWhileTheWatchActsOnPrivateCopies) {
    // The watch acts on private copies too, reading their text: it must still leave the
    // queue's items alone.
    program.AddPlugin("tlxText.tlx");
    program.WriteSettings(ProgramSettings("IgnorePrivate= 0\r\n", true));
    WritePluginSettings("QueueOrder=1\r\n");
    ASSERT_TRUE(program.Start());
    TurnOn();
    for (const std::u16string &text : kFive) CopyQueued(text);
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    const std::vector<std::u16string> reversed = Reversed(kFive);
    for (size_t i = 1; i <= reversed.size(); ++i) Paste(typing, Joined(reversed, i));
    EXPECT_TRUE(IndicatorGone());
    ExpectOrdinaryCopy(kFive.front());
    // The ordinary copy left behind is the program's own change, no new copy: the history
    // keeps the copies as they were made.
    const std::vector<std::u16string> recorded = Reversed(kFive);
    EXPECT_EQ(recorded, Recorded(recorded));
}

TEST_F(QueueProgram, NextByHotkeyLineByLineWithEnterAfterEachPaste) {
    WritePluginSettings("QueueLinePerItem=1\r\nQueueKeyAfterPaste=2\r\n");
    ASSERT_TRUE(program.Start());
    TurnOn();
    CopyQueued(u"a1\r\n\r\nb2\r\n");   // a spreadsheet column: two items
    CopyQueued(u"c3");
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    e2e::PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'N'});
    EXPECT_TRUE(typing.WaitForText(u"a1\r\n")) << "次を貼り付け pastes the head, then Enter";
    ptrtest::PumpFor(300);
    Paste(typing, u"a1\r\nb2\r\n");
    Paste(typing, u"a1\r\nb2\r\nc3\r\n");
    EXPECT_TRUE(IndicatorGone());
    ExpectOrdinaryCopy(u"c3");
}

TEST_F(QueueProgram, AnEntryChosenFromTheHistoryIsPastedOutOfTurnAndJoinsNoQueue) {
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(copier.Copy(u"older"));
    ASSERT_EQ(std::vector<std::u16string>{u"older"}, Recorded({u"older"}));
    TurnOn();
    CopyQueued(u"first");
    CopyQueued(u"second");
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    auto execute = program.Run(kOpenHistory);
    ASSERT_NE(nullptr, e2e::WaitForWindow(ProgramId(), "tlxHistoryWindow", "履歴", 8000));
    ptrtest::PumpFor(500);
    e2e::PressChord({VK_CONTROL, '3'});   // the third row: copied before the mode
    EXPECT_TRUE(typing.WaitForText(u"older")) << "the chosen entry, not the head of the queue";
    ptrtest::PumpFor(500);
    // The next copy offers the head again; the chosen entry is not among the items.
    CopyQueued(u"third");
    Paste(typing, u"olderfirst");
    Paste(typing, u"olderfirstsecond");
    Paste(typing, u"olderfirstsecondthird");
    EXPECT_TRUE(IndicatorGone());
}

TEST_F(QueueProgram, CtrlEnterInTheHistoryWindowQueuesTheMarkedEntriesInTheOrderMarked) {
    ASSERT_TRUE(program.Start());
    for (const char16_t *text : {u"first", u"second", u"third"}) {
        ASSERT_TRUE(copier.Copy(text));
        ptrtest::PumpFor(400);   // as between any two copies
    }
    ASSERT_EQ((std::vector<std::u16string>{u"third", u"second", u"first"}), Recorded({u"third", u"second", u"first"}));
    auto execute = program.Run(kOpenHistory);
    const HWND window = e2e::WaitForWindow(ProgramId(), "tlxHistoryWindow", "履歴", 8000);
    ASSERT_NE(nullptr, window);
    ptrtest::PumpFor(500);
    // The oldest marked first, then the newest.
    for (const WORD key : {VK_DOWN, VK_DOWN, VK_SPACE, VK_UP, VK_UP, VK_SPACE}) e2e::PressChord({key});
    ptrtest::PumpFor(300);
    e2e::PressChord({VK_CONTROL, VK_RETURN});
    ASSERT_NE(nullptr, Indicator()) << "Ctrl+Enter starts 連続貼り付け";
    EXPECT_FALSE(IsWindow(window));
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return ItemOffered(); }, 5000)) << "the first item offered";
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    Paste(typing, u"first");
    Paste(typing, u"firstthird");
    EXPECT_TRUE(IndicatorGone()) << "two marked, two pasted: the mode ends";
}

TEST_F(QueueProgram, NextIsNotTypedIntoAProgramRunningAsAdministratorAndTheUserIsTold) {
    // The program runs as a user's program does; the test, and so the program in front, as administrator.
    e2e::LimitedToken limited;
    if (!limited.Handle()) GTEST_SKIP() << "the test does not run as administrator";
    ASSERT_TRUE(program.Start(limited.Handle()));
    TurnOn();
    CopyQueued(u"for the administrator");
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    e2e::PressChord({VK_CONTROL, VK_MENU, VK_SHIFT, 'N'});
    ASSERT_TRUE(e2e::ExpectNoticeOfKeysNotReaching(kIndicatorTitle))
        << "a word to the user instead of keys Windows would drop";
    EXPECT_EQ(typing.Text(), u"") << "no keys sent";
    EXPECT_TRUE(ItemOffered()) << "the item waits on the clipboard for the user's Ctrl+V";
    typing.BringToFront();
    Paste(typing, u"for the administrator");
}

TEST_F(QueueProgram, ACopyFromAProgramKeptAwayIsNeitherQueuedNorRecorded) {
    WritePluginSettings("SkippedPrograms=\"pass*.exe\"\r\n");
    const historytest::NamedCopiers sources({"PassKeeper.exe"});
    ASSERT_TRUE(program.Start());
    TurnOn();
    CopyQueued(u"first");
    {
        ptrtest::ChildProcess child = sources.Copy("PassKeeper.exe", "kept away");
        ptrtest::PumpFor(800);
        ASSERT_FALSE(ItemOffered()) << "the copy stays on the clipboard as it came";
        EXPECT_EQ(ptrtest::GetClipboardText(), "kept away");
    }
    CopyQueued(u"second");
    TypingProgram typing;
    ASSERT_TRUE(typing.Ready());
    Paste(typing, u"first");
    Paste(typing, u"firstsecond");
    EXPECT_TRUE(IndicatorGone()) << "two items queued, not three";
    const std::vector<std::u16string> recorded = {u"second", u"first"};
    EXPECT_EQ(recorded, Recorded(recorded));
}

TEST_F(QueueProgram, TurnedOffOrQuitTheClipboardHoldsAnOrdinaryCopy) {
    ASSERT_TRUE(program.Start());
    TurnOn();
    for (const char16_t *text : {u"x", u"y", u"z"}) CopyQueued(text);
    {
        TypingProgram typing;
        ASSERT_TRUE(typing.Ready());
        Paste(typing, u"x");
    }
    program.Run(kToggle).Wait(10000);
    EXPECT_TRUE(IndicatorGone(3000)) << "off at once, with no notice";
    ExpectOrdinaryCopy(u"x");   // the last item pasted

    TurnOn();
    CopyQueued(u"w");
    program.Stop();
    ExpectOrdinaryCopy(u"w");   // nothing pasted: the newest
}

using SetThreadDpiAwarenessContextFn = DPI_AWARENESS_CONTEXT(WINAPI *)(DPI_AWARENESS_CONTEXT);

// The program's windows as they are on the screen, whatever this process's own resolution.
class ScreenCoordinates {
public:
    ScreenCoordinates() {
        if (set_) old_ = set_(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    }
    ~ScreenCoordinates() {
        if (set_ && old_) set_(old_);
    }

private:
    SetThreadDpiAwarenessContextFn set_ = reinterpret_cast<SetThreadDpiAwarenessContextFn>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
    DPI_AWARENESS_CONTEXT old_ = nullptr;
};

TEST_F(QueueProgram, TheSmallWindowAtTwoDisplayScales) {
    SIZE sizes[2] = {};
    const int scales[2] = {96, 144};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(scales[i]);
        ptrtest::PrefixLogPixels resolution(scales[i]);
        ASSERT_TRUE(program.Start());
        TurnOn();
        CopyQueued(u"お届け先の住所: 東京都千代田区千代田1-1 (a long first item that the window cuts)");
        CopyQueued(u"second");
        const HWND window = Indicator();
        ASSERT_NE(nullptr, window);
        ptrtest::PumpFor(500);
        ScreenCoordinates screen;
        RECT box, work;
        GetWindowRect(window, &box);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        sizes[i] = {box.right - box.left, box.bottom - box.top};
        EXPECT_TRUE(box.left >= work.left && box.top >= work.top && box.right <= work.right &&
                    box.bottom <= work.bottom) << "inside the work area";
        EXPECT_EQ(0, GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
        EXPECT_NE(0, GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE);
        EXPECT_NE(e2e::ForegroundProcess(), ProgramId()) << "it never takes the focus";
        EXPECT_TRUE(wintest::ScreenShot(window, false).Save("queue_indicator_" + std::to_string(scales[i])));
        program.Stop();
    }
    EXPECT_NEAR(sizes[0].cx * 1.5, sizes[1].cx, 2);
    EXPECT_GT(sizes[1].cy, sizes[0].cy * 1.3);
}

}  // namespace
