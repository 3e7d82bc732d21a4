// The history plug-in in the real program: copies recorded by its watch action,
// the window opened by "/Execute:" and by its hotkey, entries pasted into the
// window the user works in, and the history kept across a restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "history_file.h"
#include "history_wine_support.h"
#include "recorded_history.h"
#include "program_settings.h"
#include "screen_capture.h"
#include "text_plugin_host.h"

using e2e::ProgramFolder;

using historytest::CopyingWindow;
using historytest::FormattedCopy;
using historytest::SmallDib;
using ptrtest::Utf16Bytes;

namespace {

const std::string kSettings =
    ptrtest::QuietMain(true) + ptrtest::WatchSection({{.function = "tlxHistory.tlx/1/1", .formats = ""}}) +
    "[HotKey]\r\n001Function= 1\r\n001Key= 86\r\n001ModKey= 5\r\n001Option=tlxHistory.tlx/2/1\r\n"   // Alt+Shift+V
    "002Function=-1\r\n";

const char kOpenHistory[] = "/Execute:1:tlxHistory.tlx/2/1";
const char kRecord[] = "/Execute:1:tlxHistory.tlx/1/1";

// A text box of the test in front, as the program a user types into.
class TypingWindow {
public:
    TypingWindow() {
        window_ = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 60, 60, 300,
                                  120, nullptr, nullptr, nullptr, nullptr);
        BringToFront();
    }
    ~TypingWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }
    void BringToFront() const {
        SetForegroundWindow(window_);
        ptrtest::PumpUntil([&] { return GetForegroundWindow() == window_; }, 2000);
        SetFocus(window_);
        ptrtest::PumpFor(500);
    }
    std::u16string Text() const {
        wchar_t text[1024] = {};
        GetWindowTextW(window_, text, 1024);
        return reinterpret_cast<const char16_t *>(text);
    }
    // Waits until the text holds `expected` (a paste is real input and arrives a moment later).
    bool WaitForText(const std::u16string &expected) const {
        return ptrtest::PumpUntil([&] { return Text() == expected; }, 5000);
    }

private:
    HWND window_;
};

struct HistoryProgram : testing::Test {
    ProgramFolder program;
    CopyingWindow copier;

    void SetUp() override {
        ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\tlxHistory.tlx",
                                        program.Path() + "Plugins\\tlxHistory.tlx"));
        program.WriteSettings(kSettings);
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }

    std::string HistoryFile() const { return program.Path() + "Plugins\\tlxHistory\\History.dat"; }
    void WritePluginSettings(const std::string &ini) const {
        CreateDirectoryA((program.Path() + "Plugins\\tlxHistory").c_str(), nullptr);
        ASSERT_TRUE(ptrtest::WriteFileBytes(program.Path() + "Plugins\\tlxHistory\\Setting.ini", ini));
    }

    // The saved entries once the file holds `count` of them (it is written a moment after a change).
    std::vector<tlxhistory::HistoryEntry> Saved(size_t count) const {
        std::vector<tlxhistory::HistoryEntry> entries;
        ptrtest::PumpUntil([&] {
            const auto parsed = historytest::SavedHistory(HistoryFile());
            entries = parsed.value_or(std::vector<tlxhistory::HistoryEntry>{});
            return entries.size() == count;
        }, 8000);
        return entries;
    }
    // The saved texts, pinned ones marked "*", once they are as expected or a while has passed.
    std::vector<std::u16string> SavedTexts(const std::vector<std::u16string> &expected) const {
        std::vector<std::u16string> texts;
        ptrtest::PumpUntil([&] {
            texts.clear();
            const auto parsed = historytest::SavedHistory(HistoryFile());
            for (const auto &entry : parsed.value_or(std::vector<tlxhistory::HistoryEntry>{}))
                texts.push_back((entry.pinned ? u"*" : u"") + tlxhistory::Utf16FromBytes(entry.data));
            return texts == expected;
        }, 8000);
        return texts;
    }
    // Copies each text and waits until the history holds them all.
    void Record(const std::vector<std::u16string> &texts) {
        for (const auto &text : texts) {
            ASSERT_TRUE(copier.Copy(text));
            ptrtest::PumpFor(400);
        }
        ASSERT_EQ(Saved(texts.size()).size(), texts.size());
    }

    // The history window once it shows and has drawn itself.
    HWND HistoryWindow(DWORD ms = 8000) const {
        const HWND window = e2e::WaitForWindow(GetProcessId(program.Process()), "tlxHistoryWindow", "履歴", ms);
        ptrtest::PumpFor(500);
        return window;
    }
    void Type(const std::string &keys) {
        for (char key : keys) e2e::PressChord({static_cast<WORD>(key)});
        ptrtest::PumpFor(300);
    }
    void Shoot(HWND window, const char *name) { EXPECT_TRUE(wintest::ScreenShot(window, false).Save(name)); }
};

}  // namespace

TEST_F(HistoryProgram, CopiesOfEveryKindAreRecordedNewestFirst) {
    ASSERT_TRUE(program.Start());
    const std::u16string text = u"絵文字😀と한글のテキスト";
    const std::vector<std::u16string> names = {u"C:\\한글\\ä.txt", u"C:\\b.txt"};
    ASSERT_TRUE(copier.Copy(text));
    ASSERT_EQ(Saved(1).size(), 1u);
    ASSERT_TRUE(copier.Copy({{CF_HDROP, texttest::DropFilesBlockWide(names)}}));
    ASSERT_EQ(Saved(2).size(), 2u);
    ASSERT_TRUE(copier.Copy({{CF_DIB, SmallDib()}}));
    const auto entries = Saved(3);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].kind, tlxhistory::EntryKind::kImage);
    const auto size = tlxhistory::PngSize(entries[0].data);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 4u);
    EXPECT_EQ(size->height, 3u);
    EXPECT_EQ(entries[1].kind, tlxhistory::EntryKind::kFiles);
    EXPECT_EQ(tlxhistory::FileListNames(entries[1].data), names);
    EXPECT_EQ(entries[2].kind, tlxhistory::EntryKind::kText);
    EXPECT_EQ(tlxhistory::Utf16FromBytes(entries[2].data), text);

    // The same text again moves it to the top.
    ASSERT_TRUE(copier.Copy(text));
    ptrtest::PumpUntil([&] {
        const auto entries = Saved(3);
        return !entries.empty() && entries[0].kind == tlxhistory::EntryKind::kText;
    }, 8000);
    const auto again = Saved(3);
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(again[0].kind, tlxhistory::EntryKind::kText);
}

TEST_F(HistoryProgram, SearchAndEnterPasteIntoTheWindowInFront) {
    ASSERT_TRUE(program.Start());
    const std::u16string alpha = u"alpha 한글";
    Record({alpha, u"beta", u"gamma"});
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    const HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr) << "/Execute: opens the window";
    Shoot(window, "history_window");
    Type("ALP");
    Shoot(window, "history_window_filtered");
    e2e::PressChord({VK_RETURN});
    EXPECT_TRUE(typing.WaitForText(alpha)) << "the chosen entry is pasted";
    EXPECT_FALSE(IsWindow(window));
    const std::vector<std::u16string> moved = {alpha, u"gamma", u"beta"};
    EXPECT_EQ(SavedTexts(moved), moved) << "the chosen entry moves to the top";
}

TEST_F(HistoryProgram, MarkedEntriesArePastedJoinedInTheOrderMarked) {
    ASSERT_TRUE(program.Start());
    Record({u"first", u"second", u"third"});
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    const HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr);
    // The oldest marked first, then the newest.
    for (const WORD key : {VK_DOWN, VK_DOWN, VK_SPACE, VK_UP, VK_UP, VK_SPACE}) e2e::PressChord({key});
    ptrtest::PumpFor(300);
    Shoot(window, "history_window_marks");
    e2e::PressChord({VK_RETURN});
    EXPECT_TRUE(typing.WaitForText(u"first\r\nthird")) << "the marked entries, one per line";
}

TEST_F(HistoryProgram, HotkeyAndCtrlDigitChooseByRow) {
    ASSERT_TRUE(program.Start());
    Record({u"one", u"two", u"three"});
    TypingWindow typing;
    e2e::PressChord({VK_MENU, VK_SHIFT, 'V'});
    const HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr) << "Alt+Shift+V opens the window";
    e2e::PressChord({VK_CONTROL, '3'});
    EXPECT_TRUE(typing.WaitForText(u"one")) << "row 3 is the oldest";
}

TEST_F(HistoryProgram, EscClosesWithoutPastingAndTheClipboardStays) {
    ASSERT_TRUE(program.Start());
    Record({u"kept"});
    ASSERT_TRUE(ptrtest::SetClipboardText("unchanged"));
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    const HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr);
    e2e::PressChord({VK_ESCAPE});
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !IsWindow(window); }));
    ptrtest::PumpFor(500);
    EXPECT_EQ(typing.Text(), u"");
    EXPECT_EQ(ptrtest::GetClipboardText(), "unchanged");
}

TEST_F(HistoryProgram, DeleteAndPinSurviveARestart) {
    ASSERT_TRUE(program.Start());
    Record({u"old", u"middle", u"new"});
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr);
    e2e::PressChord({VK_DOWN});
    e2e::PressChord({VK_DOWN});
    e2e::PressChord({VK_CONTROL, 'P'});   // "old" pinned: first of all
    e2e::PressChord({VK_DOWN});
    e2e::PressChord({VK_DELETE});          // "new" removed
    const std::vector<std::u16string> changed = {u"*old", u"middle"};
    EXPECT_EQ(SavedTexts(changed), changed);
    e2e::PressChord({VK_ESCAPE});

    program.Stop();
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(copier.Copy(u"after restart"));
    const std::vector<std::u16string> restarted = {u"*old", u"after restart", u"middle"};
    EXPECT_EQ(SavedTexts(restarted), restarted);
}

TEST_F(HistoryProgram, APrivateCopyIsNeverRecorded) {
    ASSERT_TRUE(program.Start());
    Record({u"public"});
    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    ASSERT_TRUE(copier.Copy({{CF_UNICODETEXT, Utf16Bytes(u"secret")}, {exclude, std::string(1, '\0')}}));
    program.Run(kRecord).Wait(10000);   // even when asked explicitly
    // A later copy lands after anything the private one would have left.
    ptrtest::PumpFor(400);   // as between any two copies
    ASSERT_TRUE(copier.Copy(u"later"));
    const std::vector<std::u16string> saved = {u"later", u"public"};
    EXPECT_EQ(SavedTexts(saved), saved);
}

TEST_F(HistoryProgram, HelpModeEnlargesTheWindow) {
    ASSERT_TRUE(program.Start());
    Record({u"normal size"});
    auto execute = program.Run(kOpenHistory);
    HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr);
    RECT normal;
    GetWindowRect(window, &normal);
    e2e::PressChord({VK_ESCAPE});
    program.Stop();

    auto helpMode = ptrtest::StartProcess("\"" + program.Path() + "ptrmain.exe\" /HelpMode", program.Path());
    ASSERT_EQ(WaitForInputIdle(helpMode.process, 20000), 0u);
    auto again = program.Run(kOpenHistory);
    window = e2e::WaitForWindow(helpMode.id, "tlxHistoryWindow", "履歴", 8000);
    ASSERT_NE(window, nullptr);
    ptrtest::PumpFor(500);
    RECT large;
    GetWindowRect(window, &large);
    Shoot(window, "history_window_help_mode");
    EXPECT_GT(large.right - large.left, normal.right - normal.left);
    EXPECT_GT(large.bottom - large.top, normal.bottom - normal.top);
    e2e::PressChord({VK_ESCAPE});
    program.Run("/Execute:0:7").Wait(10000);
    helpMode.Wait(10000);
}

namespace {

// A copy as office programs make one: text, HTML, RTF, a bitmap and a metafile offered,
// each made only when a program asks for it (WM_RENDERFORMAT). The window notes what
// was asked for.
class OfficeLikeOwner {
public:
    OfficeLikeOwner() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = L"PortericaOfficeLikeOwner";
        RegisterClassW(&wc);
        window_ = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~OfficeLikeOwner() { DestroyWindow(window_); }
    // Offers the blocks and the pictures, none of them made yet.
    bool Copy(const std::vector<texttest::Block> &blocks) {
        blocks_ = blocks;
        if (!OpenClipboard(window_)) return false;
        EmptyClipboard();
        for (const auto &block : blocks) SetClipboardData(block.first, nullptr);
        SetClipboardData(CF_BITMAP, nullptr);
        SetClipboardData(CF_ENHMETAFILE, nullptr);
        CloseClipboard();
        return true;
    }
    const std::vector<UINT> &Asked() const { return asked_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto *self = reinterpret_cast<OfficeLikeOwner *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_RENDERFORMAT && self) {
            const UINT format = static_cast<UINT>(wParam);
            self->asked_.push_back(format);
            for (const auto &[blockFormat, bytes] : self->blocks_) {
                if (blockFormat != format) continue;
                HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
                memcpy(GlobalLock(memory), bytes.data(), bytes.size());
                GlobalUnlock(memory);
                SetClipboardData(format, memory);
            }
            return 0;
        }
        // Going away, it makes nothing more: what was not asked for is not there.
        if (message == WM_RENDERALLFORMATS) return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::vector<texttest::Block> blocks_;
    std::vector<UINT> asked_;
};

UINT HtmlFormat() { return RegisterClipboardFormatA("HTML Format"); }
UINT RtfFormat() { return RegisterClipboardFormatA("Rich Text Format"); }

// A clipboard block's text up to its terminator; "(none)" when the format is not there.
std::string BlockText(UINT format) {
    const std::optional<std::string> block = ptrtest::GetClipboardBlock(format);
    return block ? block->substr(0, block->find('\0')) : "(none)";
}

}  // namespace

TEST_F(HistoryProgram, AnOfficeLikeCopyIsAskedForItsTextAndFormattingOnly) {
    ASSERT_TRUE(program.Start());
    const historytest::Formatted copy = FormattedCopy(u"表の行 row");
    OfficeLikeOwner owner;
    ASSERT_TRUE(owner.Copy(copy.blocks));
    const auto entries = Saved(1);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(tlxhistory::Utf16FromBytes(entries[0].data), u"表の行 row");
    ASSERT_EQ(entries[0].forms.size(), 2u);
    EXPECT_EQ(entries[0].forms[0].data, copy.html);
    EXPECT_EQ(entries[0].forms[1].data, copy.rtf);
    ptrtest::PumpFor(1000);   // anything asked a moment later shows too
    std::vector<UINT> asked = owner.Asked();
    std::sort(asked.begin(), asked.end());
    std::vector<UINT> expected = {CF_UNICODETEXT, HtmlFormat(), RtfFormat()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(asked, expected) << "the bitmap and the metafile are never made";
}

TEST_F(HistoryProgram, AFormattedCopyIsPastedBackWithItsFormatting) {
    ASSERT_TRUE(program.Start());
    const historytest::Formatted copy = FormattedCopy(u"太字 bold");
    ASSERT_TRUE(copier.Copy(copy.blocks));
    ASSERT_EQ(Saved(1).size(), 1u);
    ASSERT_TRUE(copier.Copy(u"later"));
    ASSERT_EQ(Saved(2).size(), 2u);
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    const HWND window = HistoryWindow();
    ASSERT_NE(window, nullptr);
    e2e::PressChord({VK_DOWN});
    e2e::PressChord({VK_RETURN});
    EXPECT_TRUE(typing.WaitForText(u"太字 bold"));
    EXPECT_EQ(BlockText(HtmlFormat()), copy.html);
    EXPECT_EQ(BlockText(RtfFormat()), copy.rtf);
    EXPECT_EQ(SavedTexts({u"太字 bold", u"later"}), (std::vector<std::u16string>{u"太字 bold", u"later"}));
}

TEST_F(HistoryProgram, ShiftEnterPastesTheTextAlone) {
    ASSERT_TRUE(program.Start());
    const historytest::Formatted copy = FormattedCopy(u"太字 bold");
    ASSERT_TRUE(copier.Copy(copy.blocks));
    ASSERT_EQ(Saved(1).size(), 1u);
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    ASSERT_NE(HistoryWindow(), nullptr);
    e2e::PressChord({VK_SHIFT, VK_RETURN});
    EXPECT_TRUE(typing.WaitForText(u"太字 bold"));
    EXPECT_EQ(BlockText(HtmlFormat()), "(none)");
    EXPECT_EQ(BlockText(RtfFormat()), "(none)");
    ptrtest::PumpFor(2000);
    const auto entries = Saved(1);
    ASSERT_EQ(entries.size(), 1u) << "the text pasted alone is not recorded as another entry";
    EXPECT_EQ(entries[0].forms.size(), 2u);
}

TEST_F(HistoryProgram, ACopyFromAProgramKeptAwayIsNotRecorded) {
    WritePluginSettings("[Main]\r\nSkippedPrograms=\"notepad.exe; pass*.exe\"\r\n");
    const historytest::NamedCopiers sources({"PassKeeper.exe", "Editor.exe"});
    ASSERT_TRUE(program.Start());
    for (const char *source : {"PassKeeper.exe", "Editor.exe"}) {
        const std::string text = std::string("from ") + source;
        ptrtest::ChildProcess child = sources.Copy(source, text);
        ASSERT_EQ(ptrtest::GetClipboardText(), text);
        ptrtest::PumpFor(1500);
    }
    EXPECT_EQ(SavedTexts({u"from Editor.exe"}), std::vector<std::u16string>{u"from Editor.exe"});
}

TEST_F(HistoryProgram, NoKeysGoToAProgramRunningAsAdministratorAndTheUserIsTold) {
    // The program runs as a user's program does; the test, and so the window in front, as administrator.
    e2e::LimitedToken limited;
    if (!limited.Handle()) GTEST_SKIP() << "the test does not run as administrator";
    ASSERT_TRUE(program.Start(limited.Handle()));
    Record({u"for the administrator"});
    TypingWindow typing;
    auto execute = program.Run(kOpenHistory);
    ASSERT_NE(HistoryWindow(), nullptr);
    e2e::PressChord({VK_RETURN});
    ASSERT_TRUE(e2e::ExpectNoticeOfKeysNotReaching("履歴"))
        << "a word to the user instead of keys Windows would drop";
    EXPECT_EQ(typing.Text(), u"") << "no keys sent";
    EXPECT_EQ(ptrtest::GetClipboardText(), "for the administrator") << "the entry waits on the clipboard";
}
