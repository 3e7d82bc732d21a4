// The plug-in's functions on the real clipboard, and the addresses that reach
// the browser and the mail program through the shell.
#include <gtest/gtest.h>

#include "internet_wine_support.h"

using inettest::InternetPlugin;
using inettest::ShellRecorder;

namespace {

enum { kOpenUrl = 1, kSendMail = 2, kSearch = 3, kIsUrl = 4, kIsMail = 5 };

// Search000 .. Search004 as a user might have saved them (code page 932 file).
const char *const kSearchIni =
    "[Search000]\r\nSettingName=シフトJIS\r\nHeaderURL=http://sjis.test/find?k=\r\nFooterURL=&ie=sjis\r\n"
    "CharSet=0\r\nUrlEncode=1\r\n"
    "[Search001]\r\nSettingName=UTF8\r\nHeaderURL=http://utf8.test/?q=\r\nFooterURL=\r\nCharSet=1\r\nUrlEncode=1\r\n"
    "[Search002]\r\nSettingName=EUC\r\nHeaderURL=http://euc.test/s?w=\r\nFooterURL=&e=euc\r\nCharSet=2\r\n"
    "UrlEncode=1\r\n"
    "[Search003]\r\nSettingName=Raw\r\nHeaderURL=http://raw.test/?q=\r\nFooterURL=&r=1\r\nCharSet=0\r\n"
    "UrlEncode=0\r\n"
    "[Search004]\r\nSettingName=UTF8Raw\r\nHeaderURL=http://utf8raw.test/?q=\r\nFooterURL=&u=1\r\nCharSet=1\r\n"
    "UrlEncode=0\r\n";

std::string Browser(const std::string &address) { return "browser " + address; }

// Runs one function and returns what reached the shell's programs.
std::vector<std::string> OpenedBy(InternetPlugin &plugin, const ShellRecorder &recorder, int funcno, int setno = 1) {
    const size_t before = recorder.Opened().size();
    EXPECT_EQ(0, plugin.Func(funcno, setno)) << "actions answer 0";
    std::vector<std::string> all = recorder.WaitForOpened(before + 1);
    return std::vector<std::string>(all.begin() + before, all.end());
}

class InternetFunctions : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
        ASSERT_TRUE(recorder.Ready());
    }
    void TearDown() override { inettest::EmptyTheClipboard(); }
    InternetPlugin plugin{kSearchIni};
    ShellRecorder recorder;
};

}  // namespace

TEST(InternetLoading, HostReadsTheFunctionsAndEverySettingName) {
    InternetPlugin plugin("[Search041]\r\nSettingName=辞書\r\n");
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    const TlxPluginInfo info = plugin.Info();
    EXPECT_STREQ("インターネット利用", info.Name);
    ASSERT_EQ(5, info.FuncCount);
    const int32_t expectedTypes[] = {TLX_FUNC_ACTION, TLX_FUNC_ACTION, TLX_FUNC_ACTION, TLX_FUNC_CHECK, TLX_FUNC_CHECK};
    for (int n = 1; n <= info.FuncCount; ++n) {
        const TlxFuncInfo f = plugin.FuncInfo(n);
        EXPECT_EQ(expectedTypes[n - 1], f.FunctionType) << n;
        EXPECT_EQ(n == kSearch ? 100 : 1, f.FuncNameNumMax) << n;
        for (int s = 1; s <= f.FuncNameNumMax; ++s) {
            char expected[16];
            snprintf(expected, sizeof expected, "設定%03d", s);
            const std::string name = plugin.SettingName(n, s);
            if (n != kSearch)
                EXPECT_EQ("(none)", name) << n << "/" << s;
            else
                EXPECT_EQ(s == 42 ? "辞書" : expected, name) << s;
        }
    }
}

TEST(InternetChecks, UrlCheckOnClipboardText) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    const struct {
        const char *text;
        int expected;
    } cases[] = {{"http://a.test/", 1},
                 {"https://a.test/", 1},
                 {"ttp://a.test/", 1},
                 {"ttps://a.test/", 1},
                 {"ftp://a.test/", 1},
                 {"http://a.test/\r\nhttp://b.test/", 0},
                 {"www.a.test", 0},
                 {"", 0}};
    for (const auto &c : cases) {
        ASSERT_TRUE(ptrtest::SetClipboardText(c.text));
        EXPECT_EQ(c.expected, plugin.Func(kIsUrl)) << c.text;
    }
    ASSERT_TRUE(inettest::EmptyTheClipboard());
    EXPECT_EQ(0, plugin.Func(kIsUrl)) << "no text at all";
}

TEST(InternetChecks, MailCheckOnClipboardText) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    const struct {
        std::string text;
        int expected;
    } cases[] = {{"user@host.test", 1},
                 {"user＠host.test", 1},
                 {"a@b.test\r\nc@d.test", 0},
                 {"user　host.test", 0},            // full-width space: second byte 0x40
                 {"\x89\x81\x97\x40", 0},           // 0x81 0x97 straddling two characters
                 {"no address", 0}};
    for (const auto &c : cases) {
        ASSERT_TRUE(ptrtest::SetClipboardText(c.text));
        EXPECT_EQ(c.expected, plugin.Func(kIsMail)) << c.text;
    }
    ASSERT_TRUE(inettest::EmptyTheClipboard());
    EXPECT_EQ(0, plugin.Func(kIsMail)) << "no text at all";
    EXPECT_EQ(0, plugin.Func(kIsUrl));
}

TEST(InternetChecks, UnterminatedAndHugeTextIsReadWithinItsBlock) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    ASSERT_TRUE(inettest::SetClipboardBlock(CF_TEXT, "http://a.test/"));  // no terminator
    EXPECT_EQ(1, plugin.Func(kIsUrl));
    ASSERT_TRUE(inettest::SetClipboardBlock(CF_TEXT, "mail@a.test"));
    EXPECT_EQ(1, plugin.Func(kIsMail));

    std::string huge = "http://a.test/" + std::string(8 << 20, 'x');
    ASSERT_TRUE(ptrtest::SetClipboardText(huge));
    EXPECT_EQ(1, plugin.Func(kIsUrl));
    EXPECT_EQ(0, plugin.Func(kIsMail));
    huge.back() = '@';
    ASSERT_TRUE(ptrtest::SetClipboardText(huge));
    EXPECT_EQ(1, plugin.Func(kIsMail));
    inettest::EmptyTheClipboard();
}

TEST_F(InternetFunctions, OpenUrlCompletesTheMissingH) {
    ASSERT_TRUE(ptrtest::SetClipboardText("ttp://www.example.test/page?x=1"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://www.example.test/page?x=1")}, OpenedBy(plugin, recorder, kOpenUrl));
    ASSERT_TRUE(ptrtest::SetClipboardText("https://www.example.test/"));
    EXPECT_EQ(std::vector<std::string>{Browser("https://www.example.test/")}, OpenedBy(plugin, recorder, kOpenUrl));
}

TEST_F(InternetFunctions, SendMailMakesTheFullWidthAtSignHalfWidth) {
    ASSERT_TRUE(ptrtest::SetClipboardText("user＠example.test"));
    EXPECT_EQ(std::vector<std::string>{"mailer mailto:user@example.test"}, OpenedBy(plugin, recorder, kSendMail));
    ASSERT_TRUE(ptrtest::SetClipboardText("someone@example.test"));
    EXPECT_EQ(std::vector<std::string>{"mailer mailto:someone@example.test"}, OpenedBy(plugin, recorder, kSendMail));
}

TEST_F(InternetFunctions, SearchInShiftJis) {
    ASSERT_TRUE(ptrtest::SetClipboardText("表 ア"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://sjis.test/find?k=%95%5C%20%83A&ie=sjis")},
              OpenedBy(plugin, recorder, kSearch, 1));
}

TEST_F(InternetFunctions, SearchInUtf8FromTheUnicodeText) {
    ASSERT_TRUE(inettest::SetClipboardUnicode(u"\u8868\U0001F600 x"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://utf8.test/?q=%E8%A1%A8%F0%9F%98%80%20x")},
              OpenedBy(plugin, recorder, kSearch, 2));
}

TEST_F(InternetFunctions, SearchInEucJp) {
    // "表ｱ" with an odd lead byte at the end, as a cut-off copy may leave it.
    ASSERT_TRUE(ptrtest::SetClipboardText("表\xB1 a\x95"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://euc.test/s?w=%C9%BD%8E%B1%20a&e=euc")},
              OpenedBy(plugin, recorder, kSearch, 3));
}

TEST_F(InternetFunctions, SearchWithoutEncodingAndWithLineBreaks) {
    ASSERT_TRUE(ptrtest::SetClipboardText("alpha\r\nbeta_1.0"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://raw.test/?q=alphabeta_1.0&r=1")},
              OpenedBy(plugin, recorder, kSearch, 4));
    ASSERT_TRUE(ptrtest::SetClipboardText("one\r\ntwo three"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://sjis.test/find?k=onetwo%20three&ie=sjis")},
              OpenedBy(plugin, recorder, kSearch, 1));
}

TEST_F(InternetFunctions, UnencodedKeywordReachesTheBrowserAsText) {
    // The shell passes the address on as Unicode; Wine's address parser writes the blank as %20.
    ASSERT_TRUE(ptrtest::SetClipboardText("表 a+b"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://raw.test/?q=\xE8\xA1\xA8%20a+b&r=1")},
              OpenedBy(plugin, recorder, kSearch, 4));
}

TEST_F(InternetFunctions, NeverSavedSettingSearchesTheDefaultAddressInUtf8) {
    EXPECT_EQ("設定007", plugin.SettingName(kSearch, 7));
    ASSERT_TRUE(inettest::SetClipboardUnicode(u"a b"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://www.google.co.jp/search?q=a%20b")},
              OpenedBy(plugin, recorder, kSearch, 7));
}

TEST_F(InternetFunctions, SettingNumbersOutsideTheRangeDoNothing) {
    ASSERT_TRUE(ptrtest::SetClipboardText("http://www.example.test/"));
    for (int setno : {0, -1, 101, 0x7FFFFFFF}) {
        for (int funcno : {kOpenUrl, kSendMail, kSearch}) EXPECT_EQ(0, plugin.Func(funcno, setno));
        EXPECT_EQ(0, plugin.Func(kIsUrl, setno)) << setno;
    }
    EXPECT_EQ(0, plugin.Func(0)) << "no function 0";
    EXPECT_EQ(0, plugin.Func(6)) << "no function 6";
    // A valid call afterwards is the only address that arrives.
    const auto opened = OpenedBy(plugin, recorder, kOpenUrl);
    ptrtest::PumpFor(1000);
    EXPECT_EQ(std::vector<std::string>{Browser("http://www.example.test/")}, recorder.Opened());
    EXPECT_EQ(1u, opened.size());
}

TEST_F(InternetFunctions, NoTextOpensNothing) {
    ASSERT_TRUE(inettest::EmptyTheClipboard());
    for (int funcno : {kOpenUrl, kSendMail, kSearch}) EXPECT_EQ(0, plugin.Func(funcno));
    // An empty text is no address either (the shell would open a folder for it).
    ASSERT_TRUE(ptrtest::SetClipboardText(""));
    for (int funcno : {kOpenUrl, kSendMail}) EXPECT_EQ(0, plugin.Func(funcno));
    ASSERT_TRUE(ptrtest::SetClipboardText("http://www.example.test/after"));
    OpenedBy(plugin, recorder, kOpenUrl);
    ptrtest::PumpFor(1000);
    EXPECT_EQ(std::vector<std::string>{Browser("http://www.example.test/after")}, recorder.Opened());
}

TEST_F(InternetFunctions, UnterminatedClipboardTextIsReadWithinItsBlock) {
    const std::string text = "http://www.example.test/unterminated";
    ASSERT_TRUE(inettest::SetClipboardBlock(CF_TEXT, text));
    // Wine ends a text block it hands out with a NUL in its last byte; Windows
    // hands it out as it was put. Either way the address is what the block holds.
    const std::string held = ptrtest::GetClipboardText();
    ASSERT_EQ(text.substr(0, held.size()), held);
    ASSERT_GE(held.size(), text.size() - 1);
    EXPECT_EQ(std::vector<std::string>{Browser(held)}, OpenedBy(plugin, recorder, kOpenUrl));
}

// Addresses exactly as the plug-in hands them to the shell, long ones included.
class InternetHandedToShell : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
        ASSERT_TRUE(spy.Installed());
    }
    void TearDown() override { inettest::EmptyTheClipboard(); }
    std::vector<std::string> Run(int funcno, int setno = 1) {
        inettest::ShellExecuteSpy::WideAddresses().clear();
        EXPECT_EQ(0, plugin.Func(funcno, setno));
        return inettest::ShellExecuteSpy::Addresses();
    }
    InternetPlugin plugin{kSearchIni};
    inettest::ShellExecuteSpy spy{plugin.Module()};
};

TEST_F(InternetHandedToShell, OpenUrlFromMegabytesOfText) {
    const std::string start = "ttp://www.example.test/";
    ASSERT_TRUE(ptrtest::SetClipboardText(start + std::string(4 << 20, 'p')));
    EXPECT_EQ(std::vector<std::string>{"h" + start + std::string(3071 - 1 - start.size(), 'p')}, Run(kOpenUrl));

    // Two-byte characters are never cut in half at the limit.
    std::string wide = "http://www.example.test/";
    while (wide.size() < 3070) wide += "表";
    wide.resize(3070);
    ASSERT_TRUE(inettest::SetClipboardBlock(CF_TEXT, wide + "表表"));  // and no terminator
    const auto opened = Run(kOpenUrl);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(wide.size() % 2 == 0 ? 3070u : 3069u, opened[0].size());
    EXPECT_EQ(wide.substr(0, opened[0].size()), opened[0]);
}

TEST_F(InternetHandedToShell, MailAddressFromMegabytesOfText) {
    ASSERT_TRUE(ptrtest::SetClipboardText(std::string(3 << 20, 'm') + "@example.test"));
    EXPECT_EQ(std::vector<std::string>{"mailto:" + std::string(2040 - 7, 'm')}, Run(kSendMail));
    ASSERT_TRUE(ptrtest::SetClipboardText(std::string(2032, 'm') + "＠example.test"));
    EXPECT_EQ(std::vector<std::string>{"mailto:" + std::string(2032, 'm') + "@"}, Run(kSendMail));
}

TEST_F(InternetHandedToShell, SearchAddressFromMegabytesOfText) {
    const std::string header = "http://sjis.test/find?k=";
    const std::string footer = "&ie=sjis";
    const size_t room = 3071 - header.size() - footer.size();
    ASSERT_TRUE(ptrtest::SetClipboardText(std::string(2 << 20, 'k')));
    EXPECT_EQ(std::vector<std::string>{header + std::string(room, 'k') + footer}, Run(kSearch, 1));

    // "表" encodes to six bytes; only whole ones go in, and the footer stays.
    std::string keyword;
    for (int i = 0; i < 200000; ++i) keyword += "表";
    ASSERT_TRUE(ptrtest::SetClipboardText(keyword));
    std::string encoded;
    while (encoded.size() + 6 <= room) encoded += "%95%5C";
    EXPECT_EQ(std::vector<std::string>{header + encoded + footer}, Run(kSearch, 1));

    // An odd lead byte at the very end of an unterminated block is no character.
    ASSERT_TRUE(inettest::SetClipboardBlock(CF_TEXT, "ab\x95"));
    EXPECT_EQ(std::vector<std::string>{header + "ab" + footer}, Run(kSearch, 1));
}

TEST_F(InternetHandedToShell, UnencodedKeywordKeepsItsBytes) {
    ASSERT_TRUE(ptrtest::SetClipboardText("表 a+b\r\n"));
    EXPECT_EQ(std::vector<std::string>{"http://raw.test/?q=表 a+b&r=1"}, Run(kSearch, 4));
}

// Copies from Unicode programs: accented Latin, an emoji (a surrogate pair),
// hangul and the euro sign, none of which code page 932 holds.
TEST_F(InternetHandedToShell, UnicodeTextReachesTheShellWhole) {
    const struct {
        std::u16string copied;
        int funcno, setno;
        std::u16string expected;
    } cases[] = {
        {u"ttp://caf\u00e9.test/\U0001F600?q=\uD55C\u20AC", kOpenUrl, 1,
         u"http://caf\u00e9.test/\U0001F600?q=\uD55C\u20AC"},
        {u"jos\u00e9\uFF20\uD55C.test", kSendMail, 1, u"mailto:jos\u00e9@\uD55C.test"},
        {u"caf\u00e9 \U0001F600\r\n\u20AC", kSearch, 5, u"http://utf8raw.test/?q=caf\u00e9 \U0001F600\u20AC&u=1"},
        {u"caf\u00e9 \U0001F600", kSearch, 2, u"http://utf8.test/?q=caf%C3%A9%20%F0%9F%98%80"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(inettest::SetClipboardUnicode(c.copied));
        Run(c.funcno, c.setno);
        EXPECT_EQ(std::vector<std::u16string>{c.expected}, inettest::ShellExecuteSpy::WideAddresses())
            << "function " << c.funcno << "/" << c.setno;
    }
}

TEST_F(InternetHandedToShell, ShiftJisAndEucJpSearchWhatTheirSetsHold) {
    // The euro sign is outside both sets: the system's 8-bit text has "?" for it.
    ASSERT_TRUE(inettest::SetClipboardUnicode(u"\u8868\u20AC"));
    ASSERT_EQ("表?", ptrtest::GetClipboardText());
    EXPECT_EQ(std::vector<std::string>{"http://sjis.test/find?k=%95%5C%3F&ie=sjis"}, Run(kSearch, 1));
    EXPECT_EQ(std::vector<std::string>{"http://euc.test/s?w=%C9%BD%3F&e=euc"}, Run(kSearch, 3));
}

TEST_F(InternetFunctions, UnicodeUrlReachesTheBrowser) {
    ASSERT_TRUE(inettest::SetClipboardUnicode(u"http://caf\u00e9.test/\uD55C"));
    EXPECT_EQ(std::vector<std::string>{Browser("http://caf\xC3\xA9.test/\xED\x95\x9C")},
              OpenedBy(plugin, recorder, kOpenUrl));
}
