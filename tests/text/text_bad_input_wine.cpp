// Clipboard blocks that do not hold what their format promises, a clipboard
// another program keeps open, and texts of several megabytes.
#include <gtest/gtest.h>

#include <cstdio>

#include "text_plugin_host.h"

using namespace texttest;

namespace {

class TextBadInput : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plugin.Loaded()); }
    void TearDown() override { PutClipboard({}); }

    HostDll host;
    ProgramFolder folder;
    TextPlugin plugin{host, folder};
};

// Text as any reader gets it from a block without terminator. (Wine ends such a
// block itself by overwriting its last byte; Windows hands it over as it is.)
std::string AsDelivered(const std::string &unterminated) {
    PutClipboard({{CF_TEXT, unterminated}});
    return ClipboardText();
}

TEST_F(TextBadInput, TextWithoutTerminatorIsReadWithinItsBlock) {
    const std::string abc = AsDelivered("ABC"), xyz = AsDelivered("xyz");
    ASSERT_TRUE(abc == "ABC" || abc == "AB") << abc;

    ASSERT_TRUE(PutClipboard({{CF_TEXT, "ABC"}}));
    plugin.Func(kTextOnly);
    EXPECT_EQ(abc, ClipboardText());

    ASSERT_TRUE(PutClipboard({{CF_TEXT, "xyz"}}));
    plugin.Func(kJoin);
    EXPECT_EQ(xyz, ClipboardText());
    ASSERT_TRUE(PutClipboard({{CF_TEXT, "ABC"}}));
    plugin.Func(kJoin);
    EXPECT_EQ(abc + xyz, ClipboardText());
}

TEST_F(TextBadInput, BlocksOfZeroOrOneByteDoNoHarm) {
    int accepted = 0;
    for (const std::string bytes : {"", "\xe6"}) {
        for (UINT format : {UINT(CF_TEXT), UINT(CF_HDROP), HtmlFormat()}) {
            for (int funcno : {kTextOnly, kFileNames, kHtmlSource, kJoin}) {
                if (!PutClipboard({{format, bytes}})) continue;  // Wine refuses blocks of zero bytes
                ++accepted;
                plugin.Func(funcno);
                EXPECT_LE(ClipboardText().size(), 1u)
                    << "format " << format << ", " << bytes.size() << " bytes, function " << funcno;
            }
        }
    }
    EXPECT_LT(0, accepted);
    plugin.Func(kClearJoin);
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("still working")}}));
    plugin.Func(kJoin);
    EXPECT_EQ("still working", ClipboardText());
}

TEST_F(TextBadInput, MalformedFileListsAreLeftAlone) {
    std::string header = DropFilesBlock({});
    header.resize(20);
    const struct {
        const char *what;
        std::string block;
    } cases[] = {
        {"header cut short", header.substr(0, 12)},
        {"last name not terminated", header + "C:\\a.txt"},
        {"list not ended", header + std::string("C:\\a.txt\0D:\\b\0", 14)},
        {"names offset past the end", [&] {
             std::string b = DropFilesBlock({"C:\\a"});
             b[0] = '\x40';
             b[1] = '\x1f';
             return b;
         }()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(PutClipboard({{CF_HDROP, c.block}, {CF_TEXT, WithNul("before")}}));
        plugin.Func(kFileNames);
        EXPECT_EQ("before", ClipboardText());
        EXPECT_EQ(c.block, ClipboardBlock(CF_HDROP).value_or("<none>"));
    }
}

TEST_F(TextBadInput, HtmlEndingInsideACharacterKeepsItsBytes) {
    // The block ends after two of the three bytes of "日"; no terminator.
    ASSERT_TRUE(PutClipboard({{HtmlFormat(), "<b>\xe6\x97"}}));
    plugin.Func(kHtmlSource);
    EXPECT_EQ(u"<b>\u00e6\u0097", ClipboardUnicodeText());
    EXPECT_EQ("<b>", ClipboardText().substr(0, 3));
}

// Holds the clipboard open, as a program does with its own window, until told
// to let go.
PTR_CHILD(hold_clipboard) {
    if (args.size() != 2) return 2;
    HANDLE held = OpenEventA(EVENT_MODIFY_STATE, FALSE, args[0].c_str());
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, args[1].c_str());
    HWND window = CreateWindowA("STATIC", "holder", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (!held || !release || !window) return 3;
    if (!ptrtest::PumpUntil([&] { return OpenClipboard(window) != FALSE; }, 5000)) return 4;
    SetEvent(held);
    WaitForSingleObject(release, 30000);
    CloseClipboard();
    DestroyWindow(window);
    return 0;
}

TEST_F(TextBadInput, ClipboardKeptOpenByAnotherProgram) {
    const UINT privateFormat = RegisterClipboardFormatA("tlxText test private format");
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("kept")}}));
    plugin.Func(kJoin);
    ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul("B")}, {privateFormat, "p"}, {HtmlFormat(), WithNul("<i>")},
                              {CF_HDROP, DropFilesBlock({"C:\\a"})}}));

    const std::string tag = std::to_string(GetCurrentProcessId());
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, ("tlxText-held-" + tag).c_str());
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, ("tlxText-release-" + tag).c_str());
    auto child = ptrtest::StartChild("hold_clipboard", {"tlxText-held-" + tag, "tlxText-release-" + tag});
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return WaitForSingleObject(held, 0) == WAIT_OBJECT_0; }, 10000));

    for (int funcno : {kTextOnly, kFileNames, kHtmlSource, kJoin}) EXPECT_EQ(0, plugin.Func(funcno)) << funcno;

    SetEvent(release);
    EXPECT_EQ(0, child.Wait());
    CloseHandle(held);
    CloseHandle(release);
    EXPECT_EQ("B", ClipboardText());
    EXPECT_EQ("p", ClipboardBlock(privateFormat).value_or("<none>"));
    EXPECT_EQ(WithNul("<i>"), ClipboardBlock(HtmlFormat()).value_or("<none>"));
    EXPECT_EQ(DropFilesBlock({"C:\\a"}), ClipboardBlock(CF_HDROP).value_or("<none>"));
    // The failed join did not touch the kept text.
    plugin.Func(kJoin);
    EXPECT_EQ("Bkept", ClipboardText());
}

TEST_F(TextBadInput, JoiningTextsOfSeveralMegabytes) {
    folder.WriteSettings("[Main]\r\nTextAddSep=\"\\n\"\r\nTextAddType=1\r\n");
    plugin.Quit();
    TextPlugin joining(host, folder);
    ASSERT_TRUE(joining.Loaded());

    const size_t size = 4u << 20;
    const ULONGLONG start = GetTickCount64();
    for (char c : {'a', 'b', 'c'}) {
        ASSERT_TRUE(PutClipboard({{CF_TEXT, WithNul(std::string(size, c))}}));
        joining.Func(kJoin);
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    const std::string joined = ClipboardText();
    ASSERT_EQ(3 * size + 4, joined.size());
    EXPECT_EQ(std::string(size, 'a') + "\r\n" + std::string(size, 'b') + "\r\n" + std::string(size, 'c'), joined);
    std::printf("three joins of 4 MB: %lld ms\n", static_cast<long long>(elapsed));
}

}  // namespace
