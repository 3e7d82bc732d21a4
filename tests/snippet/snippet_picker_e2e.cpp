// The phrases' picker in the real program: opened by its hotkey below the caret of the
// program in front, filtered by typing, Enter pasting the phrase found into that
// program's edit box and Esc pasting nothing.
#include <gtest/gtest.h>

#include "picker_window.h"
#include "screen_capture.h"
#include "snippet_program.h"

using snippettest::EditBox;
using snippettest::HotkeyEntry;
using snippettest::SnippetProgram;

namespace {

const std::u16string kRegards = u"Best regards,\r\nPorterica";

// Two folders and Alt+Shift+Z for the picker.
struct PickedPhrases : SnippetProgram {
    void SetUp() override {
        tlxsnippet::PhraseBook book;
        book.Add(u"挨拶", u"morning", u"おはようございます。");
        book.Add(u"挨拶", u"thanks", u"Thank you.");
        book.Add(u"署名", u"signature", kRegards);
        Prepare(book, "[HotKey]\r\n" + HotkeyEntry(1, 2, 1, 'Z', MOD_ALT | MOD_SHIFT) + "002Function=-1\r\n");
    }
    HWND OpenPicker() const {
        e2e::PressChord({VK_MENU, VK_SHIFT, 'Z'});
        const HWND picker = e2e::WaitForWindow(GetProcessId(program.Process()), "tlxSnippetPicker", "定型文", 8000);
        ptrtest::PumpFor(500);
        return picker;
    }
};

size_t Rows(HWND picker) {
    DWORD_PTR count = 0;
    SendMessageTimeoutW(GetDlgItem(picker, tlx::kPickerList), LB_GETCOUNT, 0, 0, SMTO_NORMAL, 5000, &count);
    return count;
}

void Type(const char *keys) {
    for (const char *key = keys; *key; ++key) e2e::PressChord({static_cast<WORD>(*key)});
    ptrtest::PumpFor(300);
}

}  // namespace

TEST_F(PickedPhrases, TheHotkeyOpensThePickerBelowTheCaretAndEnterPastesThePhraseFound) {
    ASSERT_TRUE(program.Start());
    EditBox box;
    const POINT caret = box.CaretOnScreen();
    const HWND picker = OpenPicker();
    ASSERT_NE(nullptr, picker);
    RECT place{};
    GetWindowRect(picker, &place);
    EXPECT_TRUE(place.left <= caret.x + 40 && caret.x <= place.right && place.top >= caret.y && place.top <= caret.y + 60)
        << "the caret at " << caret.x << "," << caret.y << ", the picker at " << place.left << "," << place.top;
    EXPECT_EQ(5u, Rows(picker)) << "two folders' headers and three phrases";
    EXPECT_TRUE(wintest::ScreenShot(picker, false).Save("snippet_picker"));

    Type("REG");   // in the text alone, in another case
    EXPECT_EQ(2u, Rows(picker)) << "the folder's header and the phrase found";
    EXPECT_EQ(kRegards, ptrtest::UnicodeText(GetDlgItem(picker, tlx::kPickerPreview)));
    EXPECT_TRUE(wintest::ScreenShot(picker, false).Save("snippet_picker_filtered"));
    e2e::PressChord({VK_RETURN});
    EXPECT_TRUE(box.WaitForText(kRegards)) << "pasted into the program in front";
    EXPECT_FALSE(IsWindow(picker));
}

TEST_F(PickedPhrases, EscClosesThePickerAndPastesNothing) {
    ASSERT_TRUE(ptrtest::SetClipboardText("元の内容"));
    ASSERT_TRUE(program.Start());
    EditBox box;
    const HWND picker = OpenPicker();
    ASSERT_NE(nullptr, picker);
    e2e::PressChord({VK_ESCAPE});
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !IsWindow(picker); })) << "closed";
    ptrtest::PumpFor(1000);
    EXPECT_EQ(u"", box.Text());
    EXPECT_EQ("元の内容", ptrtest::GetClipboardText()) << "nothing offered";
}
