// Phrases pasted by the real program into an edit box of another process: by hotkey and
// through "/Execute:", with the caret where {カーソル} was, {入力:…} answered or
// cancelled, {連番} counting across a restart, the clipboard given back afterwards, no
// keys for a program running as administrator and the history not recording the phrase.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input_dialog_ids.h"
#include "program_dialogs.h"
#include "program_settings.h"
#include "recorded_history.h"
#include "snippet_program.h"

using snippettest::EditBox;
using snippettest::HotkeyEntry;
using snippettest::SnippetProgram;

namespace {

const std::u16string kCaretPhrase = u"前{カーソル}後\r\n次の行";
const std::u16string kQuestionPhrase = u"{入力:氏名}様、{入力:会社名}の{入力:氏名}様";
const std::u16string kCounterPhrase = u"No.{連番:01} ";

// Phrases 1, 2 and 3, and Alt+Shift+1 for the first.
struct PastedPhrases : SnippetProgram {
    void SetUp() override {
        tlxsnippet::PhraseBook book;
        book.Add(u"テスト", u"カーソル", kCaretPhrase);
        book.Add(u"テスト", u"質問", kQuestionPhrase);
        book.Add(u"テスト", u"連番", kCounterPhrase);
        Prepare(book, "[HotKey]\r\n" + HotkeyEntry(1, 1, 1, '1', MOD_ALT | MOD_SHIFT) + "002Function=-1\r\n");
    }
};

// The input dialog of the phrase once it shows, with the focus in its first field.
HWND QuestionDialog(const SnippetProgram &test) {
    const HWND dialog = test.WaitForDialog("定型文の入力");
    if (dialog) e2e::WaitForFocusIn(dialog);
    return dialog;
}

}  // namespace

TEST_F(PastedPhrases, HotkeyAndExecutePasteWithTheCaretWhereTheMarkWas) {
    ASSERT_TRUE(program.Start());
    for (const snippettest::Way &way : snippettest::HotkeyAndExecute(*this, '1', 1)) {
        SCOPED_TRACE(way.how);
        EditBox box;
        way.run();
        EXPECT_TRUE(box.WaitForText(u"前後\r\n次の行")) << "the text without the mark";
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return box.Caret() == 1; })) << "the caret at " << box.Caret();
    }
}

TEST_F(PastedPhrases, QuestionsAreAskedOnceEachAndEscCancelsThePaste) {
    ASSERT_TRUE(program.Start());
    const struct {
        const char *how;
        std::function<void(HWND)> answer;
        std::u16string pasted;
    } cases[] = {
        {"answered", [](HWND dialog) {
             EXPECT_EQ(nullptr, GetDlgItem(dialog, IDC_SNIPPET_INPUT_FIRST + 5)) << "two questions, not three";
             e2e::TypeInto(dialog, IDC_SNIPPET_INPUT_FIRST + 1, "山田");
             e2e::TypeInto(dialog, IDC_SNIPPET_INPUT_FIRST + 3, "ポルテリカ商事");
             e2e::PressButton(dialog, IDOK);
         }, u"山田様、ポルテリカ商事の山田様"},
        {"cancelled", [](HWND) { e2e::PressChord({VK_ESCAPE}); }, u""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        ASSERT_TRUE(ptrtest::SetClipboardText("元の内容"));
        EditBox box;
        Execute(1, 2);
        const HWND dialog = QuestionDialog(*this);
        ASSERT_NE(nullptr, dialog);
        c.answer(dialog);
        EXPECT_TRUE(e2e::WaitClosed(dialog));
        if (c.pasted.empty()) {
            EXPECT_EQ("元の内容", ptrtest::GetClipboardText()) << "nothing offered";
        }
        // The one after it settles what this one pasted.
        box.BringToFront();
        Execute(1, 1);
        EXPECT_TRUE(box.WaitForText(c.pasted + u"前後\r\n次の行"))
            << e2e::FromWide(reinterpret_cast<const wchar_t *>(box.Text().c_str()));
    }
}

TEST_F(PastedPhrases, TheCounterCountsOnAcrossARestart) {
    ASSERT_TRUE(program.Start());
    EditBox box;
    Execute(1, 3);
    EXPECT_TRUE(box.WaitForText(u"No.01 "));
    Execute(1, 3);
    EXPECT_TRUE(box.WaitForText(u"No.01 No.02 "));
    EXPECT_TRUE(ptrtest::PumpUntil([&] {
        const tlxsnippet::PhraseBook saved = Saved();
        return saved.Find(3) && saved.Find(3)->pastes == 2;
    }, 5000)) << "written a moment after the paste, before the program ends";
    program.Stop();
    ASSERT_TRUE(program.Start());
    box.BringToFront();
    Execute(1, 3);
    EXPECT_TRUE(box.WaitForText(u"No.01 No.02 No.03 "));
}

TEST_F(PastedPhrases, TheClipboardIsGivenBackOnceTheBoxHasTheText) {
    const UINT html = RegisterClipboardFormatA("HTML Format");
    const UINT other = RegisterClipboardFormatA("PortericaTestMark");
    ASSERT_TRUE(ptrtest::SetClipboardBlocks(
        {{CF_UNICODETEXT, ptrtest::Utf16Bytes(u"元の内容")}, {html, "<b>元の内容</b>"}, {other, "mark"}}));
    ASSERT_TRUE(program.Start());
    EditBox box;
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(u"前後\r\n次の行"));
    EXPECT_TRUE(ptrtest::PumpUntil([] { return ptrtest::GetClipboardText() == "元の内容"; }))
        << ptrtest::GetClipboardText();
    EXPECT_EQ(std::optional<std::string>("<b>元の内容</b>"), ptrtest::GetClipboardBlock(html)) << "the forms a paste takes";
    EXPECT_EQ(std::nullopt, ptrtest::GetClipboardBlock(other)) << "no form a paste does not take";
}

TEST_F(PastedPhrases, NoKeysGoToAProgramRunningAsAdministratorAndTheUserIsTold) {
    // The program runs as a user's program does; the test, and so the box in front, as administrator.
    e2e::LimitedToken limited;
    if (!limited.Handle()) GTEST_SKIP() << "the test does not run as administrator";
    ASSERT_TRUE(program.Start(limited.Handle()));
    EditBox box;
    auto execute = program.Run("/Execute:1:tlxSnippet.tlx/1/1");
    ASSERT_TRUE(e2e::ExpectNoticeOfKeysNotReaching("定型文")) << "a word to the user instead of keys Windows would drop";
    EXPECT_EQ(u"", box.Text()) << "no keys sent";
    EXPECT_EQ("前後\r\n次の行", ptrtest::GetClipboardText()) << "the phrase waits on the clipboard";
}

// The history plug-in beside the phrases, recording every copy; the phrase left on the
// clipboard after the paste.
struct PhrasesBesideTheHistory : PastedPhrases {
    void SetUp() override {
        PastedPhrases::SetUp();
        program.AddPlugin("tlxHistory.tlx");
        program.WriteSettings(ptrtest::QuietMain(true) +
                              ptrtest::WatchSection({{.function = "tlxHistory.tlx/1/1", .formats = ""}}));
        ASSERT_TRUE(ptrtest::WriteFileBytes(program.Path() + "Plugins\\tlxSnippet\\Setting.ini",
                                            "[Main]\r\nRestoreClipboard=0\r\n"));
    }
    std::vector<std::u16string> History(const std::vector<std::u16string> &expected) const {
        return historytest::RecordedTexts(program, expected);
    }
};

TEST_F(PhrasesBesideTheHistory, APastedPhraseIsNotRecordedEvenWhenAskedTo) {
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(ptrtest::SetClipboardBlocks({{CF_UNICODETEXT, ptrtest::Utf16Bytes(u"前の写し")}}));
    ASSERT_EQ(History({u"前の写し"}), std::vector<std::u16string>{u"前の写し"});
    EditBox box;
    Execute(1, 1);
    ASSERT_TRUE(box.WaitForText(u"前後\r\n次の行"));
    program.Run("/Execute:1:tlxHistory.tlx/1/1").Wait(10000);
    EXPECT_EQ(std::optional<std::string>(std::string(4, '\0')),
              ptrtest::GetClipboardBlock(RegisterClipboardFormatA("CanIncludeInClipboardHistory")))
        << "kept out of the system's history too";
    ptrtest::PumpFor(400);   // as between any two copies
    // A later copy lands after anything the phrase would have left.
    ASSERT_TRUE(ptrtest::SetClipboardBlocks({{CF_UNICODETEXT, ptrtest::Utf16Bytes(u"後の写し")}}));
    const std::vector<std::u16string> recorded = {u"後の写し", u"前の写し"};
    EXPECT_EQ(History(recorded), recorded);
}
