// The five functions on the real clipboard, through KXDLL's proxies.
#include <gtest/gtest.h>


#include "text_plugin_host.h"

using namespace texttest;

namespace {

class TextFunctions : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        ASSERT_TRUE(plugin.Loaded()) << folder.PluginPath();
    }
    void TearDown() override { PutClipboard({}); }

    const UINT privateFormat = RegisterClipboardFormatA("tlxText test private format");
    HostDll host;
    ProgramFolder folder;
    TextPlugin plugin{host, folder};
};

// The folder's Setting.ini, written before the plug-in reads it.
class TextFunctionsWithSettings : public TextFunctions {
protected:
    void Reload(const std::string &ini) {
        plugin.Quit();
        folder.WriteSettings(ini);
        reloaded.emplace(host, folder);
        ASSERT_TRUE(reloaded->Loaded());
    }
    int32_t Func(int32_t funcno) { return reloaded->Func(funcno); }
    std::optional<TextPlugin> reloaded;
};

TEST_F(TextFunctions, InformationRecords) {
    TlxPluginInfo info = {};
    host.GetInfo(plugin.Id(), &info);
    EXPECT_STREQ("テキスト", info.Name);
    EXPECT_STREQ("1.00", info.Version);
    EXPECT_STREQ("テキストを操作するプラグインです。", info.Comment);
    EXPECT_EQ(1, info.IsSetting);
    EXPECT_EQ(0, info.IsAbout);
    EXPECT_EQ(5, info.FuncCount);

    const struct {
        const char *name;
        int isSetting;
    } expected[] = {{"テキストのみ", 0}, {"ファイル名取得", 1}, {"HTMLタグ取得", 0}, {"テキスト連結", 1}, {"テキストクリア", 0}};
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        TlxFuncInfo func = {};
        host.GetFuncInfo(plugin.Id(), n, &func);
        EXPECT_STREQ(expected[n - 1].name, func.Name);
        EXPECT_NE('\0', func.Comment[0]);
        EXPECT_EQ(expected[n - 1].isSetting, func.IsSetting);
        EXPECT_EQ(1, func.FuncNameNumMax);
        EXPECT_EQ(TLX_FUNC_ACTION, func.FunctionType);
        char name[TLX_SETTING_NAME_SIZE] = "untouched";
        EXPECT_EQ(0, host.GetFuncSettingName(plugin.Id(), n, 1, name, sizeof name));
        EXPECT_STREQ("untouched", name);
    }
    TlxFuncInfo func = {};
    host.GetFuncInfo(plugin.Id(), 4, &func);
    EXPECT_STREQ("前回コピーしたテキストデータと、現在コピーされているテキストデータを連結します。", func.Comment);
}

TEST_F(TextFunctions, TextOnlyKeepsTheTextBlockAlone) {
    const std::string text = "abc 日本語\r\nｶﾀｶﾅ\t~";
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(text)}, {privateFormat, "private"},
                              {CF_HDROP, DropFilesBlock({"C:\\a.txt"})}}));
    EXPECT_EQ(0, plugin.Func(kTextOnly));

    EXPECT_EQ(WithNul(text), ClipboardBlock(CF_TEXT).value_or("<none>"));
    EXPECT_FALSE(ClipboardHas(privateFormat));
    EXPECT_FALSE(ClipboardHas(CF_HDROP));
    for (UINT format : ClipboardFormats())
        EXPECT_TRUE(format == CF_TEXT || format == CF_UNICODETEXT || format == CF_OEMTEXT || format == CF_LOCALE)
            << "format " << format << " left";
}

TEST_F(TextFunctions, TextOnlyWithoutTextChangesNothing) {
    ASSERT_TRUE(PutClipboard({{privateFormat, "private"}}));
    plugin.Func(kTextOnly);
    EXPECT_EQ("private", ClipboardBlock(privateFormat).value_or("<none>"));
}

TEST_F(TextFunctions, FileNamesWithTheDefaultEmptySeparator) {
    // An explicit Unicode text would otherwise still show the old text to Unicode programs.
    const std::u16string oldText = u"old";
    ASSERT_TRUE(PutClipboard({{CF_HDROP, DropFilesBlock({"C:\\one.txt", "C:\\dir\\two"})}, {privateFormat, "p"},
                              {CF_UNICODETEXT, std::string(reinterpret_cast<const char *>(oldText.c_str()), 8)}}));
    plugin.Func(kFileNames);
    EXPECT_EQ("C:\\one.txtC:\\dir\\two", ClipboardText());
    EXPECT_EQ(u"C:\\one.txtC:\\dir\\two", ClipboardUnicodeText());
    EXPECT_EQ(DropFilesBlock({"C:\\one.txt", "C:\\dir\\two"}), ClipboardBlock(CF_HDROP).value_or("<none>"));
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
}

TEST_F(TextFunctionsWithSettings, FileNamesWithSeparators) {
    const struct {
        const char *stored;
        const char *expected;
    } cases[] = {
        {"\\n", "C:\\a\r\nD:\\b c\r\nC:\\日本語.txt"},
        {"\\t", "C:\\a\tD:\\b c\tC:\\日本語.txt"},
        {"\\\\n", "C:\\a\\\r\nD:\\b c\\\r\nC:\\日本語.txt"},
        {" ; ", "C:\\a ; D:\\b c ; C:\\日本語.txt"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        Reload(std::string("[Main]\r\nFileToTextSep=\"") + c.stored + "\"\r\n");
        // Names as the shell puts them: UTF-16, converted to the ANSI code page.
        ASSERT_TRUE(PutClipboard({{CF_HDROP, DropFilesBlockWide({u"C:\\a", u"D:\\b c", u"C:\\日本語.txt"})},
                                  {CF_TEXT, WithNul("old text")}}));
        Func(kFileNames);
        EXPECT_EQ(c.expected, ClipboardText());
        EXPECT_TRUE(ClipboardBlock(CF_HDROP).has_value());
    }
}

TEST_F(TextFunctionsWithSettings, FileNamesOfOneFileHaveNoSeparator) {
    Reload("[Main]\r\nFileToTextSep=\"\\n\"\r\n");
    ASSERT_TRUE(PutClipboard({{CF_HDROP, DropFilesBlock({"C:\\only one.txt"})}}));
    Func(kFileNames);
    EXPECT_EQ("C:\\only one.txt", ClipboardText());
}

TEST_F(TextFunctions, FileNamesWithoutFileListChangeNothing) {
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("text")}, {privateFormat, "p"}}));
    plugin.Func(kFileNames);
    EXPECT_EQ("text", ClipboardText());
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
}

TEST_F(TextFunctions, HtmlSourceDecodesTheWholeBlock) {
    // "日本語" and U+1F600, which needs a surrogate pair.
    const std::string html = "Version:0.9\r\nStartHTML:00000071\r\n<b>\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e</b>"
                             "\xf0\x9f\x98\x80";
    ASSERT_TRUE(PutClipboard({{HtmlFormat(), WithNul(html)}, {CF_TEXT, WithNul("plain")}, {privateFormat, "p"}}));
    plugin.Func(kHtmlSource);

    EXPECT_EQ(u"Version:0.9\r\nStartHTML:00000071\r\n<b>日本語</b>\U0001F600", ClipboardUnicodeText());
    const std::string ansi = ClipboardText();
    EXPECT_EQ("Version:0.9\r\nStartHTML:00000071\r\n<b>日本語</b>", ansi.substr(0, ansi.find("</b>") + 4));
    EXPECT_EQ(WithNul(html), ClipboardBlock(HtmlFormat()).value_or("<none>"));
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
}

TEST_F(TextFunctionsWithSettings, JoinAccumulatesBehindTheKeptText) {
    Reload("[Main]\r\nTextAddSep=\"\\n\"\r\nTextAddType=1\r\n");
    const char *expected[] = {"A", "A\r\nB", "A\r\nB\r\nC"};
    const char *copies[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(copies[i])}, {privateFormat, "p"}}));
        Func(kJoin);
        EXPECT_EQ(expected[i], ClipboardText()) << "after copying " << copies[i];
    }
    EXPECT_FALSE(ClipboardHas(privateFormat));  // the clipboard was emptied for the joined text
}

TEST_F(TextFunctionsWithSettings, JoinAccumulatesInFrontOfTheKeptText) {
    Reload("[Main]\r\nTextAddSep=\" | \"\r\nTextAddType=0\r\n");
    const char *expected[] = {"A", "B | A", "C | B | A"};
    const char *copies[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(copies[i])}}));
        Func(kJoin);
        EXPECT_EQ(expected[i], ClipboardText()) << "after copying " << copies[i];
    }
}

TEST_F(TextFunctions, JoinAfterClearGivesTheCurrentTextAlone) {
    for (const char *copy : {"one", "two"}) {
        ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(copy)}}));
        plugin.Func(kJoin);
    }
    EXPECT_EQ("twoone", ClipboardText());
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("three")}}));
    plugin.Func(kClearJoin);
    EXPECT_EQ("three", ClipboardText());  // clearing leaves the clipboard alone
    plugin.Func(kJoin);
    EXPECT_EQ("three", ClipboardText());
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("four")}}));
    plugin.Func(kJoin);
    EXPECT_EQ("fourthree", ClipboardText());
}

TEST_F(TextFunctions, JoinWithoutTextKeepsClipboardAndKeptText) {
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("A")}}));
    plugin.Func(kJoin);
    ASSERT_TRUE(PutClipboard({{privateFormat, "p"}}));
    plugin.Func(kJoin);
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("B")}}));
    plugin.Func(kJoin);
    EXPECT_EQ("BA", ClipboardText());
}

TEST_F(TextFunctions, UnknownFunctionNumbersDoNothing) {
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("t")}, {privateFormat, "p"}}));
    for (int funcno : {0, 6, -1, 1000}) EXPECT_EQ(0, plugin.Func(funcno)) << funcno;
    EXPECT_EQ("t", ClipboardText());
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
}

}  // namespace
