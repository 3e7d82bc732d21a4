// The program's pastes together, and among the programs of an office: the phrases, the
// history and 連続貼り付け with the shipped watch (every copy recorded) and an action that
// opens copied addresses. The copy given back after a paste is no new copy; a copy made
// while a window of the program is open is handled as any other; the queue moves only
// for a paste, whoever else reads the clipboard; keys held past the wait send nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "history_wine_support.h"
#include "program_settings.h"
#include "paste_mark.h"
#include "queue_item_mark.h"
#include "recorded_history.h"
#include "shell_recorder.h"
#include "snippet_program.h"

using snippettest::EditBox;

namespace {

const std::u16string kPhrase = u"いつもお世話になっております。";
const char kSkipped[] = "skipme.exe";
const char kQueueToggle[] = "/Execute:1:tlxHistory.tlx/4/1";

// A window of the test's own that takes no paste: Ctrl+V reaches it and does nothing.
class DeafWindow {
public:
    DeafWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.lpszClassName = "PtrTestDeaf";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(0, "PtrTestDeaf", "deaf", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(window_);
        ptrtest::PumpUntil([&] { return GetForegroundWindow() == window_; }, 3000);
        s_pastes = 0;
    }
    ~DeafWindow() { DestroyWindow(window_); }
    // Waits until Ctrl+V has come, as keys, to the window.
    bool WaitForCtrlV() const { return ptrtest::PumpUntil([] { return s_pastes > 0; }, 8000); }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_KEYDOWN && wParam == 'V' && (GetKeyState(VK_CONTROL) & 0x8000)) ++s_pastes;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    static inline int s_pastes = 0;
    HWND window_;
};

// "--child=clipboard_reader FILE [null]": reads the clipboard's text on every change, as a
// clipboard tool in the background does (through a window of its own, or none), and
// appends what each read got to FILE, one line each ("(none)" for nothing), until it ends.
PTR_CHILD(clipboard_reader) {
    const std::string file = args.at(0);
    const bool windowless = args.size() > 1;
    static HWND window;
    window = CreateWindowExA(0, "STATIC", "reader", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    AddClipboardFormatListener(window);
    ptrtest::WriteFileBytes(file, "(listening)\n");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message != WM_CLIPBOARDUPDATE) {
            DispatchMessageA(&message);
            continue;
        }
        // Another program may hold the clipboard a moment, as a tool expects.
        if (!ptrtest::PumpUntil([&] { return OpenClipboard(windowless ? nullptr : window) != FALSE; }, 1000)) continue;
        std::string line = "(none)";
        if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
            line = e2e::FromWide(static_cast<const wchar_t *>(GlobalLock(text)));
            GlobalUnlock(text);
        }
        CloseClipboard();
        if (FILE *read = fopen(file.c_str(), "ab")) {
            fputs((line + "\n").c_str(), read);
            fclose(read);
        }
    }
    return 0;
}

class ClipboardReader {
public:
    explicit ClipboardReader(bool windowless)
        : child_(ptrtest::StartChild("clipboard_reader", windowless ? std::vector<std::string>{File(), "null"}
                                                                     : std::vector<std::string>{File()})) {
        ptrtest::PumpUntil([&] { return Read("(listening)"); }, 10000);
    }
    std::string File() const { return dir_.path + "read.txt"; }
    bool Read(const std::string &text) const {
        return ptrtest::ReadFileBytes(File()).find(text + "\n") != std::string::npos;
    }
    // It has read `text` last, and then looked again and got nothing: it is done with the offer.
    bool DoneWith(const std::string &text) const {
        const std::string read = ptrtest::ReadFileBytes(File());
        const std::string none = "(none)\n";
        const auto endsWithNone = [&](size_t end) {
            return end >= none.size() && read.compare(end - none.size(), none.size(), none) == 0;
        };
        size_t end = read.size();
        if (!endsWithNone(end)) return false;
        while (endsWithNone(end)) end -= none.size();
        if (end < 2) return false;
        const size_t newline = read.rfind('\n', end - 2);
        const size_t from = newline == std::string::npos ? 0 : newline + 1;
        return read.compare(from, end - from, text + "\n") == 0;
    }

private:
    ptrtest::TempDir dir_;
    ptrtest::ChildProcess child_;
};

// The shipped watch (every copy recorded), an action opening copied addresses, the end of
// each copy's handling marked; phrase 1 on Alt+Shift+1 and 連続貼り付け on Ctrl+Alt+Shift+V,
// as shipped; a program whose copies the history keeps away.
struct Together : snippettest::SnippetProgram {
    historytest::CopyingWindow copier;

    void SetUp() override {
        tlxsnippet::PhraseBook book;
        book.Add(u"挨拶", u"定型", kPhrase);
        Prepare(book);
        program.AddPlugin("tlxHistory.tlx");
        program.AddPlugin("tlxInternet.tlx");
        program.AddHandledMark();
        program.WriteSettings(
            ptrtest::QuietMain(true) +
            ptrtest::WatchSection({{.function = "tlxHistory.tlx/1/1", .formats = ""},
                                   {.function = "tlxInternet.tlx/1/1", .checks = "tlxInternet.tlx/4/1"},
                                   e2e::ProgramFolder::HandledMark()}) +
            "[HotKey]\r\n" + snippettest::HotkeyEntry(1, 1, 1, '1', MOD_ALT | MOD_SHIFT) +
            "002Function= 1\r\n002Key= 86\r\n002ModKey= 7\r\n002Option=tlxHistory.tlx/4/1\r\n003Function=-1\r\n");
        CreateDirectoryA((program.Path() + "Plugins\\tlxHistory").c_str(), nullptr);
        ASSERT_TRUE(ptrtest::WriteFileBytes(program.Path() + "Plugins\\tlxHistory\\Setting.ini",
                                            std::string("[Main]\r\nSkippedPrograms=") + kSkipped + "\r\n"));
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }

    // Copies from the test's window and waits until the program has handled the copy.
    void Copy(const std::u16string &text) {
        ASSERT_TRUE(copier.Copy(text));
        ASSERT_TRUE(program.WaitForHandled(e2e::FromWide(reinterpret_cast<const wchar_t *>(text.c_str()))));
    }
    bool ClipboardBecomes(const std::string &text) const {
        return ptrtest::PumpUntil([&] { return ptrtest::GetClipboardText() == text; }, 8000);
    }
    DWORD ProgramId() const { return GetProcessId(program.Process()); }
    // Something offered by the program with this mark on it, asked without reading it (a
    // read might be taken for the paste).
    bool Offered(const char *mark) const {
        DWORD owner = 0;
        GetWindowThreadProcessId(GetClipboardOwner(), &owner);
        return owner == ProgramId() && IsClipboardFormatAvailable(RegisterClipboardFormatA(mark));
    }
    bool ItemOffered() const { return Offered(tlx::kQueueItemFormat); }
    bool QueueShown(DWORD ms) const {
        return e2e::WaitForWindow(ProgramId(), "tlxHistoryQueue", "連続貼り付け", ms) != nullptr;
    }
    std::vector<std::u16string> History(const std::vector<std::u16string> &expected) const {
        return historytest::RecordedTexts(program, expected);
    }
};

TEST_F(Together, TheCopyGivenBackAfterAPhraseIsNoNewCopy) {
    ptrtest::ShellRecorder browser;
    ASSERT_TRUE(browser.Ready());
    ASSERT_TRUE(program.Start());
    const std::u16string address = u"https://www.porterica-soft.jp/a";
    Copy(address);
    ASSERT_EQ(1u, browser.WaitForOpened(1).size());

    // Over a copied address: the address comes back, and is not opened again.
    EditBox box;
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(kPhrase));
    EXPECT_TRUE(ClipboardBecomes("https://www.porterica-soft.jp/a"));

    // Over a copy of a program the history keeps away: it comes back, and stays away.
    historytest::NamedCopiers copiers({kSkipped});
    const ptrtest::ChildProcess kept = copiers.Copy(kSkipped, "見せないメモ");
    ASSERT_TRUE(program.WaitForHandled("見せないメモ"));
    box.BringToFront();
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(kPhrase + kPhrase));
    EXPECT_TRUE(ClipboardBecomes("見せないメモ"));

    // Into a window that takes nothing: the phrase waits; the next one, taken, gives back the
    // user's copy, not the phrase before.
    Copy(u"ユーザーの写し");
    {
        DeafWindow deaf;
        Execute(1, 1);
        ASSERT_TRUE(deaf.WaitForCtrlV());
        EXPECT_TRUE(Offered(tlx::kPasteMarkFormat)) << "the phrase waits to be pasted";
    }
    box.BringToFront();
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(kPhrase + kPhrase + kPhrase));
    EXPECT_TRUE(ClipboardBecomes("ユーザーの写し"));

    // Everything before this copy has been handled once it is.
    Copy(u"区切り");
    EXPECT_EQ((std::vector<std::string>{"https://www.porterica-soft.jp/a", "見せないメモ", "ユーザーの写し", "区切り"}),
              program.Handled())
        << "the copies given back never reached the watch";
    EXPECT_EQ(1u, browser.Opened().size()) << "the address opened once";
    const std::vector<std::u16string> recorded = {u"区切り", u"ユーザーの写し", address};
    EXPECT_EQ(recorded, History(recorded)) << "nothing given back recorded, nothing kept away recorded";
}

TEST_F(Together, ACopyMadeWhileThePickerIsOpenIsHandledAtOnce) {
    ASSERT_TRUE(program.Start());
    EditBox box;
    Execute(2, 1);
    const HWND picker = e2e::WaitForWindow(ProgramId(), "tlxSnippetPicker", "定型文", 8000);
    ASSERT_NE(nullptr, picker);
    Copy(u"開いている間の写し");
    const std::vector<std::u16string> recorded = {u"開いている間の写し"};
    EXPECT_EQ(recorded, History(recorded));
    EXPECT_TRUE(IsWindowVisible(picker)) << "the picker still waits";
    e2e::PressChord({VK_RETURN});
    ASSERT_TRUE(box.WaitForText(kPhrase));
    EXPECT_TRUE(ClipboardBecomes("開いている間の写し"));
}

TEST_F(Together, TheQueueMovesOnlyForAPaste) {
    ASSERT_TRUE(program.Start());
    program.Run(kQueueToggle).Wait(10000);
    ASSERT_TRUE(QueueShown(5000));
    const std::vector<std::u16string> items = {u"一つ目", u"二つ目", u"三つ目"};
    const auto copyQueued = [&](const std::u16string &item) {
        ASSERT_TRUE(copier.Copy(item));
        ASSERT_TRUE(ptrtest::PumpUntil([&] { return ItemOffered(); })) << "queued and the head offered";
    };
    copyQueued(items[0]);
    copyQueued(items[1]);

    // A phrase in between: pasted, and the queue goes on where it was.
    EditBox box;
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(kPhrase));
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return ItemOffered(); })) << "the queue's head is back";

    // Two clipboard tools in the background read every change: one with a window, one without.
    const ClipboardReader withWindow(false), windowless(true);
    copyQueued(items[2]);
    std::u16string pasted = kPhrase;
    for (const std::u16string &item : items) {
        // A paste while a tool has the clipboard open fails in the pasting program itself.
        const std::string text = e2e::FromWide(reinterpret_cast<const wchar_t *>(item.c_str()));
        ASSERT_TRUE(ptrtest::PumpUntil([&] { return ItemOffered() && withWindow.DoneWith(text) && windowless.DoneWith(text); }))
            << "offered, and the tools have read it";
        e2e::PressChord({VK_CONTROL, 'V'});
        pasted += item;
        EXPECT_TRUE(box.WaitForText(pasted)) << e2e::FromWide(reinterpret_cast<const wchar_t *>(box.Text().c_str()));
    }
}

TEST_F(Together, KeysHeldPastTheWaitSendNothing) {
    ASSERT_TRUE(program.Start());
    EditBox box;
    // Alt+Shift+1 with Alt and Shift kept down: Ctrl+V sent now would be Ctrl+Alt+Shift+V,
    // which turns 連続貼り付け on.
    INPUT keys[3] = {};
    for (INPUT &key : keys) key.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_MENU, keys[1].ki.wVk = VK_SHIFT, keys[2].ki.wVk = '1';
    SendInput(3, keys, sizeof(INPUT));
    keys[2].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &keys[2], sizeof(INPUT));
    const bool told = ptrtest::PumpUntil(ptrtest::BalloonShown, 10000);
    for (INPUT &key : keys) key.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    EXPECT_TRUE(told) << "the user is told why nothing was pasted";
    EXPECT_EQ(u"", box.Text()) << "nothing typed";
    EXPECT_FALSE(QueueShown(500)) << "連続貼り付け not turned on";
    // The phrase waits for the user's own Ctrl+V.
    e2e::PressChord({VK_CONTROL, 'V'});
    EXPECT_TRUE(box.WaitForText(kPhrase));
}

}  // namespace
