// Copies from Unicode programs through each function: what a paste gives
// afterwards (both text formats as read back) against what was copied.
#include <gtest/gtest.h>

#include <functional>

#include "text_plugin_host.h"

using namespace texttest;
using ptrtest::Utf16Bytes;

namespace {

// Accented Latin, an emoji (a surrogate pair), hangul, and the euro sign and
// the double vertical line, which code page 932 lacks or only approximates.
const std::u16string kUnicodeCopies[] = {
    u"Caf\u00e9 \u00f1", u"\U0001F600 \u6F22\u5B57", u"\uD55C\uAD6D\uC5B4", u"\u20AC 5 \u2016",
};

// What the system makes of a Unicode text for programs that read CF_TEXT.
std::string AnsiOf(const std::u16string &text) {
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int length = static_cast<int>(text.size());
    std::string ansi(WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, ansi.data(), static_cast<int>(ansi.size()), nullptr, nullptr);
    return ansi;
}

// Both forms a paste may take.
struct Pasted {
    std::string ansi;
    std::u16string unicode;
};
Pasted Paste() { return {ClipboardText(), ClipboardUnicodeText()}; }

// A copy as a Unicode program makes it: the Unicode text and a second format.
Pasted CopyUnicode(const std::u16string &text, UINT other, int line) {
    EXPECT_TRUE(PutClipboard({{CF_UNICODETEXT, Utf16Bytes(text)}, {other, "other"}})) << "line " << line;
    return Paste();
}

class TextUnicode : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        ASSERT_TRUE(plugin->Loaded()) << folder.PluginPath();
    }
    void TearDown() override { PutClipboard({}); }
    void Reload(const std::string &ini) {
        plugin.reset();
        folder.WriteSettings(ini);
        plugin.emplace(host, folder);
        ASSERT_TRUE(plugin->Loaded());
    }
    const UINT privateFormat = RegisterClipboardFormatA("tlxText test private format");
    HostDll host;
    ProgramFolder folder;
    std::optional<TextPlugin> plugin{std::in_place, host, folder};
};

TEST_F(TextUnicode, TextOnlyKeepsBothTextsAsCopied) {
    for (const std::u16string &text : kUnicodeCopies) {
        const Pasted copied = CopyUnicode(text, privateFormat, __LINE__);
        ASSERT_EQ(text, copied.unicode);
        plugin->Func(kTextOnly);
        const Pasted pasted = Paste();
        EXPECT_EQ(text, pasted.unicode);
        EXPECT_EQ(copied.ansi, pasted.ansi) << "the 8-bit text stays byte for byte";
        EXPECT_FALSE(ClipboardHas(privateFormat));
    }
    // A program that sets both texts itself, each its own: both stay as they were.
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("Cafe")}, {CF_UNICODETEXT, Utf16Bytes(u"Caf\u00e9")}, {privateFormat, "p"}}));
    plugin->Func(kTextOnly);
    EXPECT_EQ("Cafe", ClipboardText());
    EXPECT_EQ(u"Caf\u00e9", ClipboardUnicodeText());
    EXPECT_FALSE(ClipboardHas(privateFormat));
}

// A copy of the Unicode text alone: the 8-bit text a paste gets is the one the
// system made of it, in the code page of the locale the copy was made in.
TEST_F(TextUnicode, TextOnlyOfAUnicodeCopyKeepsTheEightBitTextTheSystemMade) {
    const struct {
        const char *what;
        std::u16string text;
        LCID locale;  // 0: none placed, the system adds its own
    } copies[] = {
        {"the code page holds every character", u"\u65E5\u672C\u8A9E abc \uFF76\uFF85", 0},
        {"copied in a Western locale", u"Caf\u00e9 \u00f1", 0x0409},
    };
    for (const auto &copy : copies) {
        SCOPED_TRACE(copy.what);
        std::vector<Block> blocks = {{CF_UNICODETEXT, Utf16Bytes(copy.text)}};
        if (copy.locale) blocks.push_back({CF_LOCALE, std::string(reinterpret_cast<const char *>(&copy.locale), 4)});
        blocks.push_back({privateFormat, "p"});
        ASSERT_TRUE(PutClipboard(blocks));
        const std::string madeBySystem = ClipboardText();
        ASSERT_FALSE(madeBySystem.empty());
        plugin->Func(kTextOnly);
        EXPECT_EQ(madeBySystem, ClipboardText());
        EXPECT_EQ(copy.text, ClipboardUnicodeText());
        EXPECT_FALSE(ClipboardHas(privateFormat));
    }
}

TEST_F(TextUnicode, TextOnlyOfAnEightBitCopyIsUnchanged) {
    const std::string text = "abc 日本語 ｶﾅ \x87\x40";  // with an NEC special character
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(text)}, {privateFormat, "p"}}));
    const Pasted copied = Paste();
    plugin->Func(kTextOnly);
    EXPECT_EQ(WithNul(text), ClipboardBlock(CF_TEXT).value_or("<none>"));
    EXPECT_EQ(copied.unicode, ClipboardUnicodeText());
}

TEST_F(TextUnicode, JoinBuildsTheUnicodeTextFromTheUnicodeCopies) {
    Reload("[Main]\r\nTextAddSep=\"\\n\"\r\nTextAddType=1\r\n");
    const Pasted first = CopyUnicode(kUnicodeCopies[0], privateFormat, __LINE__);
    plugin->Func(kJoin);
    EXPECT_EQ(kUnicodeCopies[0], ClipboardUnicodeText());
    EXPECT_EQ(first.ansi, ClipboardText());

    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("8-bit 表")}}));
    plugin->Func(kJoin);
    const Pasted second = CopyUnicode(kUnicodeCopies[1], privateFormat, __LINE__);
    plugin->Func(kJoin);
    const Pasted joined = Paste();
    EXPECT_EQ(kUnicodeCopies[0] + u"\r\n8-bit \u8868\r\n" + kUnicodeCopies[1], joined.unicode);
    EXPECT_EQ(first.ansi + "\r\n8-bit 表\r\n" + second.ansi, joined.ansi);
    EXPECT_FALSE(ClipboardHas(privateFormat));
}

TEST_F(TextUnicode, FileNamesOutsideTheCodePageComeOutRight) {
    Reload("[Main]\r\nFileToTextSep=\"\\n\"\r\n");
    const std::vector<std::u16string> names = {u"C:\\Caf\u00e9\\\U0001F600.txt", u"D:\\\uD55C\uAD6D\\\u20AC.txt",
                                               u"C:\\日本語.txt"};
    ASSERT_TRUE(PutClipboard({{CF_HDROP, DropFilesBlockWide(names)}}));
    plugin->Func(kFileNames);
    const std::u16string expected = names[0] + u"\r\n" + names[1] + u"\r\n" + names[2];
    EXPECT_EQ(expected, ClipboardUnicodeText());
    EXPECT_EQ(AnsiOf(expected), ClipboardText());
}

TEST_F(TextUnicode, HtmlSourceLosesNothing) {
    const std::u16string fragment = u"<p>" + kUnicodeCopies[0] + kUnicodeCopies[1] + kUnicodeCopies[2] +
                                    kUnicodeCopies[3] + u"</p>";
    std::string utf8;
    const int size = WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t *>(fragment.c_str()), -1,
                                         nullptr, 0, nullptr, nullptr);
    utf8.resize(size);
    WideCharToMultiByte(CP_UTF8, 0, reinterpret_cast<const wchar_t *>(fragment.c_str()), -1, utf8.data(), size,
                        nullptr, nullptr);
    ASSERT_TRUE(PutClipboard({{HtmlFormat(), utf8}}));
    plugin->Func(kHtmlSource);
    EXPECT_EQ(fragment, ClipboardUnicodeText());
    EXPECT_EQ(AnsiOf(fragment), ClipboardText());
}

// Kept across runs: quit with a Unicode copy on the clipboard, start again.
class TextUnicodeDataLog : public TextUnicode {
protected:
    void SetUp() override {
        TextUnicode::SetUp();
        Reload("[Main]\r\nDataSave=1\r\n");
    }
    // The plug-in quits (the program ends) and starts again with the clipboard emptied in between.
    void Restart(const std::function<void()> &whileStopped = [] {}) {
        plugin.reset();
        ASSERT_TRUE(PutClipboard({}));
        whileStopped();
        plugin.emplace(host, folder);
        ASSERT_TRUE(plugin->Loaded());
    }
    std::string UnicodeLog() const { return folder.DataLog() + ".utf8"; }
};

TEST_F(TextUnicodeDataLog, RestoredTextHasEveryCharacter) {
    const std::u16string text = kUnicodeCopies[0] + u"\r\n" + kUnicodeCopies[1] + kUnicodeCopies[2] + kUnicodeCopies[3];
    const Pasted copied = CopyUnicode(text, privateFormat, __LINE__);
    Restart();
    EXPECT_EQ(copied.ansi, ptrtest::ReadFileBytes(folder.DataLog())) << "_datalog stays the 8-bit text";
    const Pasted restored = Paste();
    EXPECT_EQ(text, restored.unicode);
    EXPECT_EQ(copied.ansi, restored.ansi);
}

TEST_F(TextUnicodeDataLog, EightBitTextsRestoreAsBefore) {
    // An 8-bit copy after a Unicode one: the Unicode text must not come back.
    const Pasted cafe = CopyUnicode(u"Caf\u00e9", privateFormat, __LINE__);
    Restart();
    ASSERT_EQ(u"Caf\u00e9", ClipboardUnicodeText());
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(cafe.ansi)}}));
    const Pasted eightBit = Paste();
    Restart();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(UnicodeLog().c_str()));
    EXPECT_EQ(eightBit.ansi, ClipboardText());
    EXPECT_EQ(eightBit.unicode, ClipboardUnicodeText());

    // A "_datalog" rewritten by a program that knows only it: the Unicode log beside it is another text's.
    ASSERT_TRUE(PutClipboard({{CF_UNICODETEXT, Utf16Bytes(u"\uD55C")}}));
    Restart([&] { ASSERT_TRUE(ptrtest::WriteFileBytes(folder.DataLog(), "older 表")); });
    EXPECT_EQ("older 表", ClipboardText());
    EXPECT_EQ(u"older \u8868", ClipboardUnicodeText());

    // An old "_datalog" alone.
    Restart([&] {
        DeleteFileA(UnicodeLog().c_str());
        ASSERT_TRUE(ptrtest::WriteFileBytes(folder.DataLog(), "old 表\r\n"));
    });
    EXPECT_EQ("old 表\r\n", ClipboardText());
    EXPECT_EQ(u"old \u8868\r\n", ClipboardUnicodeText());
}

}  // namespace
