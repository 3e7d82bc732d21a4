// The phrases as settings of the real program: the clipboard registered as a phrase
// (never a private copy), phrases changed in the editor offered at once by the function
// selection dialog, and a hotkey whose phrase was deleted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frmHotkey_ids.h"
#include "frmSelectFunc_ids.h"
#include "program_dialogs.h"
#include "resource.h"
#include "snippet_program.h"

using snippettest::EditBox;
using snippettest::HotkeyEntry;
using snippettest::SnippetProgram;
using Lines = std::vector<std::string>;

namespace {

tlxsnippet::PhraseBook Sample() {
    tlxsnippet::PhraseBook book;
    book.Add(u"挨拶", u"お世話になっております。", u"お世話になっております。");
    book.Add(u"日付", u"和暦", u"{和暦}");
    return book;
}

// Each folder, and under it each phrase as "  name = text", in code page 932 as the test writes it.
Lines BookLines(const tlxsnippet::PhraseBook &book) {
    Lines lines;
    for (const std::u16string &folder : book.Folders()) {
        lines.push_back(e2e::FromWide(reinterpret_cast<const wchar_t *>(folder.c_str())));
        for (const tlxsnippet::Phrase &phrase : book.Phrases())
            if (phrase.folder == folder)
                lines.push_back("  " + e2e::FromWide(reinterpret_cast<const wchar_t *>(phrase.name.c_str())) + " = " +
                                e2e::FromWide(reinterpret_cast<const wchar_t *>(phrase.text.c_str())));
    }
    return lines;
}

}  // namespace

TEST_F(SnippetProgram, TheClipboardsTextBecomesAPhraseUnlessTheCopyIsPrivate) {
    Prepare(tlxsnippet::PhraseBook{});
    ASSERT_TRUE(program.Start());
    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    const struct {
        const char *what;
        std::vector<std::pair<UINT, std::string>> copy;
        size_t phrases;   // in the book afterwards
    } cases[] = {
        {"lines", {{CF_UNICODETEXT, ptrtest::Utf16Bytes(u"件名\r\n本文")}}, 1},
        {"private", {{CF_UNICODETEXT, ptrtest::Utf16Bytes(u"秘密")}, {exclude, std::string(1, '\0')}}, 1},
        {"code page text", {{CF_TEXT, std::string("ANSI の文") + '\0'}}, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(ptrtest::SetClipboardBlocks(c.copy));
        Execute(3, 1);
        SavedWith(c.phrases);
        ptrtest::PumpFor(400);   // a private copy changes nothing to wait for
    }
    EXPECT_EQ((Lines{"未分類", "  件名 = 件名\r\n本文", "  ANSI の文 = ANSI の文"}), BookLines(Saved()));
}

TEST_F(SnippetProgram, AHotkeyOrRequestForADeletedPhraseOnlySaysSo) {
    tlxsnippet::PhraseBook book = Sample();
    book.Remove(2);
    Prepare(book, "[HotKey]\r\n" + HotkeyEntry(1, 1, 2, '2', MOD_ALT | MOD_SHIFT) + "002Function=-1\r\n");
    ASSERT_TRUE(program.Start());
    for (const snippettest::Way &way : snippettest::HotkeyAndExecute(*this, '2', 2)) {
        SCOPED_TRACE(way.how);
        ASSERT_TRUE(ptrtest::SetClipboardText("元の内容"));
        EditBox box;
        way.run();
        EXPECT_EQ("この定型文は削除されています。\n", e2e::Answer("定型文", IDOK));
        EXPECT_EQ("元の内容", ptrtest::GetClipboardText());
        EXPECT_EQ(u"", box.Text());
    }
}

TEST_F(SnippetProgram, PhrasesChangedInTheEditorAreOfferedAtOnce) {
    Prepare(Sample());
    ASSERT_TRUE(program.Start());
    e2e::SettingsWindow window;
    ASSERT_TRUE(window.Open(program, 2));   // the hotkeys
    window.Press(0);
    const DWORD process = GetProcessId(program.Process());
    const HWND hotkey = e2e::WaitForDialog(process, "ポルテリカ - ホットキー設定", window.Handle());
    ASSERT_NE(nullptr, hotkey);
    e2e::ClickButton(hotkey, IDC_HOTKEY_FUNC_SELECT);
    const HWND select = e2e::WaitForWindow(process, "#32770", "", 5000, hotkey);
    ASSERT_NE(nullptr, select);
    ASSERT_TRUE(e2e::PickComboItem(select, IDC_SELFUNC_CATEGORY, "プラグイン機能"));
    ASSERT_TRUE(e2e::PickComboItem(select, IDC_SELFUNC_VALUE0, "定型文"));
    ASSERT_TRUE(e2e::PickComboItem(select, IDC_SELFUNC_VALUE0 + 1, "定型文を貼り付け"));
    EXPECT_EQ((Lines{"001:挨拶/お世話になっております。", "002:日付/和暦"}),
              e2e::ComboItems(select, IDC_SELFUNC_VALUE0 + 2));

    // The first phrase renamed and one added, in the editor its setting opens.
    e2e::ClickButton(select, IDC_SELFUNC_SETTING);
    const HWND editor = e2e::WaitForDialog(process, "設定", select);
    ASSERT_NE(nullptr, editor);
    e2e::TypeInto(editor, IDC_PHRASE_NAME, "いつもの挨拶");
    e2e::ClickAndWait(editor, IDC_ADD_PHRASE);
    e2e::TypeInto(editor, IDC_PHRASE_NAME, "新しい挨拶");
    e2e::PressButton(editor, IDOK);
    ASSERT_TRUE(e2e::WaitClosed(editor));
    ptrtest::PumpFor(300);
    const std::string added = std::to_string(snippettest::AddedNumber(snippettest::kTestComputer, 1));
    EXPECT_EQ((Lines{"001:挨拶/いつもの挨拶", "002:日付/和暦", added + ":挨拶/新しい挨拶"}),
              e2e::ComboItems(select, IDC_SELFUNC_VALUE0 + 2))
        << "a phrase added is numbered in this PC's block";
    EXPECT_EQ("001:挨拶/いつもの挨拶", e2e::ComboSelection(select, IDC_SELFUNC_VALUE0 + 2)) << "still the phrase chosen";
    e2e::PressButton(select, IDCANCEL);
    e2e::PressButton(hotkey, IDCANCEL);
}

// A phrase numbered as high as a number goes (typed by hand, or from another PC) once kept
// the program from ever starting: the menu of every plug-in function was built with
// 100,000 unnamed settings.
TEST_F(SnippetProgram, APhraseNumberedAsHighAsNumbersGoIsPastedAndOneMoreAdded) {
    tlxsnippet::PhraseBook book;
    book.Restore({tlxsnippet::kHighestOwnNumber, u"挨拶", u"高い番号", u"高い番号の定型文", 0});
    Prepare(book);
    std::string settings = ptrtest::QuietMain(false);   // with the default menu of every plug-in function
    settings.replace(settings.find("DefaultMenu= 0"), 14, "DefaultMenu= 1");
    program.WriteSettings(settings);
    ASSERT_TRUE(program.Start()) << "resident";
    {
        EditBox box;
        Execute(1, tlxsnippet::kHighestOwnNumber);
        EXPECT_TRUE(box.WaitForText(u"高い番号の定型文"));
    }
    ASSERT_TRUE(ptrtest::SetClipboardText("もう一つ"));
    Execute(3, 1);
    const tlxsnippet::PhraseBook saved = SavedWith(2);
    ASSERT_EQ(2u, saved.Phrases().size());
    EXPECT_TRUE(tlxsnippet::IsOwnNumber(saved.Phrases().back().number)) << "the next one a number the reader takes";
}

