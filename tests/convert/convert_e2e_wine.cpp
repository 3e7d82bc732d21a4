// The conversion plug-in in the real program: a watch rule whose two conditions
// (the copied text and the program it came from) decide a replacement, and every
// action asked for from a second start, on Unicode text and on a private copy.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "unicode_text.h"

using e2e::ProgramFolder;

namespace {

const char kSourceProgram[] = "TextSource.exe";

std::u16string ClipboardUnicode() {
    const std::optional<std::string> block = ptrtest::GetClipboardBlock(CF_UNICODETEXT);
    if (!block) return u"(none)";
    std::u16string text(block->size() / 2, u'\0');
    std::memcpy(text.data(), block->data(), text.size() * 2);
    return text.substr(0, text.find(u'\0'));
}

bool SetClipboardUnicode(const std::u16string &text, std::vector<std::pair<UINT, std::string>> more = {}) {
    more.insert(more.begin(), {CF_UNICODETEXT, ptrtest::Utf16Bytes(text)});
    return ptrtest::SetClipboardBlocks(more);
}

bool WaitForClipboard(const std::u16string &expected, DWORD ms = 20000) {
    return ptrtest::PumpUntil([&] { return ClipboardUnicode() == expected; }, ms);
}

std::string Utf8(const std::u16string &text) { return utf::Utf8FromUtf16(text); }

// The watch rule: a replacement on copies that match the pattern and come from the named
// programs. The mark last tells when a copy has been handled.
const std::string kWatchRule =
    ptrtest::QuietMain(true) + ptrtest::WatchSection({{"tlxConvert.tlx/11/2", "tlxConvert.tlx/12/3,tlxConvert.tlx/13/4"},
                                                      ProgramFolder::HandledMark()});

const char kConvertSettings[] =
    "[Replace02]\r\nFind=\"ID-(\\d+)\"\r\nReplace=\"No.$1\"\r\nRegex=1\r\n"
    "[Pattern03]\r\nPattern=\"^ID-\\d+\"\r\nRegex=1\r\n"
    "[Program04]\r\nPrograms=\"notepad.exe; textsource.exe\"\r\n"
    "[Program05]\r\nPrograms=\"convert_e2e_wine.exe\"\r\n"   // this test
    "[Quote]\r\nMark=\"＞ \"\r\n";

struct Convert : ::testing::Test {
    ProgramFolder program;
    e2e::FrontWindow front;
    ptrtest::TempDir sourceDir;

    void SetUp() override {
        program.AddPlugin("tlxConvert.tlx");
        program.AddHandledMark();
        CreateDirectoryA((program.Path() + "Plugins\\tlxConvert").c_str(), nullptr);
        ASSERT_TRUE(ptrtest::WriteFileBytes(program.Path() + "Plugins\\tlxConvert\\Setting.ini", kConvertSettings));
        // A program of the test's own under a file name of its choosing.
        char self[MAX_PATH];
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        ASSERT_TRUE(ptrtest::CopyFileTo(self, sourceDir.path + kSourceProgram));
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }
    bool Start(const std::string &settings) {
        program.WriteSettings(settings);
        const bool started = program.Start();
        front.BringToFront();
        return started;
    }
    ptrtest::ChildProcess CopyFromSource(const std::string &text) {
        return ptrtest::StartProcess("\"" + sourceDir.path + kSourceProgram + "\" --child=copy_as_owner \"" + text + "\"",
                                     sourceDir.path);
    }
};

}  // namespace

TEST_F(Convert, WatchReplacesOnlyMatchingCopiesFromTheNamedProgram) {
    ASSERT_TRUE(Start(kWatchRule));
    {
        ptrtest::ChildProcess source = CopyFromSource("ID-42 の件");
        ASSERT_TRUE(program.WaitForHandled("No.42 の件")) << Utf8(ClipboardUnicode());
        EXPECT_EQ(ClipboardUnicode(), u"No.42 の件");
    }
    {
        ptrtest::ChildProcess source = CopyFromSource("件名 ID-43");   // from the program, but no match at the start
        ASSERT_TRUE(program.WaitForHandled("件名 ID-43"));
        EXPECT_EQ(ClipboardUnicode(), u"件名 ID-43");
    }
    // The same kind of text copied by another program (this test) stays as it is.
    ASSERT_TRUE(SetClipboardUnicode(u"ID-44"));
    ASSERT_TRUE(program.WaitForHandled("ID-44"));
    EXPECT_EQ(ClipboardUnicode(), u"ID-44");
    EXPECT_EQ(program.Handled(), (std::vector<std::string>{"No.42 の件", "件名 ID-43", "ID-44"}));
    // An action asked for afterwards works on the copy the checks read.
    program.Run("/Execute:1:tlxConvert.tlx/6/1").Wait();
    EXPECT_TRUE(WaitForClipboard(u"id-44")) << Utf8(ClipboardUnicode());
}

struct ExecuteCase {
    int funcno, setno;
    const char16_t *copied;
    const char16_t *expected;
};

TEST_F(Convert, EveryActionFromASecondStartKeepsWhatItIsNotAskedToChange) {
    ASSERT_TRUE(Start(ptrtest::QuietMain(false)));
    const ExecuteCase cases[] = {
        {1, 1, u"ＡＢＣ１２３！　カナ\U0001F600", u"ABC123! カナ\U0001F600"},
        {1, 2, u"ＡＢ　ガパ\U0001F600", u"AB ｶﾞﾊﾟ\U0001F600"},
        {2, 1, u"AB 12 ｶﾅ\U0001F600", u"ＡＢ　１２　ｶﾅ\U0001F600"},
        {2, 2, u"AB ｶﾞﾊﾟ\U0001F600", u"ＡＢ　ガパ\U0001F600"},
        {3, 1, u"ひらがな\U0001F600カナ", u"ヒラガナ\U0001F600カナ"},
        {4, 1, u"カタカナ\U0001F600ひら", u"かたかな\U0001F600ひら"},
        {5, 1, u"abc ａｂｃ \U0001F600", u"ABC ＡＢＣ \U0001F600"},
        {6, 1, u"ABC ＡＢＣ \U0001F600", u"abc ａｂｃ \U0001F600"},
        {7, 1, u"一行目\r\n\U0001F600", u"＞ 一行目\r\n＞ \U0001F600"},
        {8, 1, u"＞ 一行目\r\n\U0001F600", u"一行目\r\n\U0001F600"},
        {9, 1, u"日本語の\r\n文章 \U0001F600\r\n\r\nnext\r\nline", u"日本語の文章 \U0001F600\r\nnext line"},
        {10, 1, u"\u3000 \U0001F600 \r\n\r\n", u"\U0001F600"},
        {11, 2, u"ID-7 \U0001F600 ID-8", u"No.7 \U0001F600 No.8"},
    };
    for (const ExecuteCase &c : cases) {
        SCOPED_TRACE(std::to_string(c.funcno) + "/" + std::to_string(c.setno));
        ASSERT_TRUE(SetClipboardUnicode(c.copied));
        program.Run("/Execute:1:tlxConvert.tlx/" + std::to_string(c.funcno) + "/" + std::to_string(c.setno)).Wait();
        EXPECT_TRUE(WaitForClipboard(c.expected)) << Utf8(ClipboardUnicode());
    }
}

TEST_F(Convert, AnActionKeepsTheCopysPrivacyMarks) {
    ASSERT_TRUE(Start(ptrtest::QuietMain(false)));
    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    const UINT history = RegisterClipboardFormatA("CanIncludeInClipboardHistory");
    ASSERT_TRUE(SetClipboardUnicode(u"secret", {{exclude, "x"}, {history, std::string(4, '\0')}}));
    program.Run("/Execute:1:tlxConvert.tlx/5/1").Wait();
    ASSERT_TRUE(WaitForClipboard(u"SECRET"));
    EXPECT_TRUE(ptrtest::GetClipboardBlock(exclude).has_value());
    const std::optional<std::string> kept = ptrtest::GetClipboardBlock(history);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->substr(0, 4), std::string(4, '\0'));
    EXPECT_EQ(ptrtest::GetClipboardText(), "SECRET") << "the 8-bit form goes with it";
}

// The program hands private copies on to watching here: the plug-in's own checks and
// actions, run by watching, leave them alone.
TEST_F(Convert, WatchingLeavesAPrivateCopyAlone) {
    program.AddProbe("tlxProbe", "Probe");
    ASSERT_TRUE(Start(ptrtest::QuietMain(true, "IgnorePrivate= 0\r\n") +
                      ptrtest::WatchSection({
                          {"tlxProbe.tlx/1/1", "tlxConvert.tlx/12/3"},   // the pattern's check
                          {"tlxProbe.tlx/5/1", "tlxConvert.tlx/13/5"},   // the copy source's check
                          {"tlxConvert.tlx/11/2"},                       // the replacement, unchecked
                          ProgramFolder::HandledMark(),
                      })));
    ASSERT_TRUE(SetClipboardUnicode(u"ID-46"));
    ASSERT_TRUE(program.WaitForHandled("No.46")) << "the rule on an ordinary copy";
    const std::vector<std::string> checked = program.Calls("tlxProbe");
    ASSERT_EQ(checked.size(), 2u) << "both checks hold for an ordinary copy";

    const UINT exclude = RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
    ASSERT_TRUE(SetClipboardUnicode(u"ID-45", {{exclude, "x"}}));
    ASSERT_TRUE(program.WaitForHandled("ID-45")) << ::testing::PrintToString(program.Handled());
    EXPECT_EQ(ClipboardUnicode(), u"ID-45");
    EXPECT_EQ(program.Calls("tlxProbe"), checked) << "neither check holds for a private copy";
    // What watching left alone, the user may still convert.
    program.Run("/Execute:1:tlxConvert.tlx/11/2").Wait();
    EXPECT_TRUE(WaitForClipboard(u"No.45")) << Utf8(ClipboardUnicode());
}
