// The editors' rules without windows: format text in and out of the watch action
// editor, the hotkey editor's keys and tests, the shortcut texts, OK's refusals.
#include <gtest/gtest.h>

#include "command_line.h"
#include "editor_refusals.h"
#include "hotkey_edit_rules.h"
#include "shortcut_rules.h"
#include "watch_edit_rules.h"

using namespace ptr;

namespace {

std::vector<ClipboardType> Listed(std::initializer_list<const char *> values) {
    std::vector<ClipboardType> listed;
    for (const char *v : values) listed.push_back({std::string("name of ") + v, v, 0});
    return listed;
}

}  // namespace

TEST(WatchFormats, WantedValuesAreMatchedOnceAndTheRestGoToTheBox) {
    const auto listed = Listed({"1", "2", "HTML Format", "1"});
    struct Case {
        const char *text;
        std::vector<bool> selected;
        const char *other;
    } cases[] = {
        {"", {false, false, false, false}, ""},
        {"2,HTML Format", {false, true, true, false}, ""},
        {"html FORMAT", {false, false, true, false}, ""},                // case-insensitive
        {"MyFormat,2,7", {false, true, false, false}, "MyFormat\r\n7"},  // unknown ones in order
        {"2,2", {false, true, false, false}, "2"},                       // the second mention is left over
        {"1", {true, false, false, false}, ""},                          // one value takes one entry
        {"1,1", {true, false, false, true}, ""},                         // ... even of the same format
        {"2,,X,", {false, true, false, false}, "X"},                     // empty items are dropped
    };
    for (const Case &c : cases) {
        const FormatChoice choice = MatchWantedFormats(listed, c.text);
        EXPECT_EQ(c.selected, choice.selected) << c.text;
        EXPECT_EQ(c.other, choice.otherText) << c.text;
    }
}

TEST(WatchFormats, ChoiceIsWrittenListedFirstThenTheBoxLines) {
    struct Case {
        std::vector<std::string> selected;
        const char *other, *expected;
    } cases[] = {
        {{}, "", ""},
        {{"1", "HTML Format"}, "", "1,HTML Format"},
        {{}, "A\r\nB", "A,B"},
        {{"1"}, "MyFormat", "1,MyFormat"},
        {{"1"}, "A\r\n\r\nB", "1,A,,B"},   // an empty line stays an empty item
        {{"1"}, "A\r\n", "1,A,"},
    };
    for (const Case &c : cases) EXPECT_EQ(c.expected, JoinChosenFormats(c.selected, c.other)) << c.other;

    // An unknown format named first comes back after the listed ones.
    const auto listed = Listed({"1", "2"});
    const FormatChoice choice = MatchWantedFormats(listed, "MyFormat,2");
    std::vector<std::string> values;
    for (size_t i = 0; i < listed.size(); ++i)
        if (choice.selected[i]) values.push_back(listed[i].Value);
    EXPECT_EQ("2,MyFormat", JoinChosenFormats(values, choice.otherText));
}

TEST(WatchFormats, NoFormatMeansAllFormats) {
    EXPECT_TRUE(ChosenAllType("", false));
    EXPECT_TRUE(ChosenAllType("1", true));
    EXPECT_FALSE(ChosenAllType("1", false));
    EXPECT_FALSE(ChosenAllType(",", false)) << "two empty items are still a format text";
}

TEST(WatchFormats, OnlyEntriesWithAValueAreOffered) {
    EXPECT_TRUE(ListedFormats(ClipboardTypeList()).empty()) << "the placeholder of an empty file";
}

TEST(WatchChecks, ListTextRoundTripsAndEmptyIsNoCheck) {
    EXPECT_TRUE(SplitCheckList("").empty());
    const std::vector<std::string> two{"tlxInternet.tlx/3/1", "tlxText.tlx/5/2"};
    EXPECT_EQ(two, SplitCheckList("tlxInternet.tlx/3/1:tlxText.tlx/5/2"));
    EXPECT_EQ("tlxInternet.tlx/3/1:tlxText.tlx/5/2", JoinCheckList(two));
    EXPECT_EQ("", JoinCheckList({}));
}

TEST(WatchChecks, CurrentRowAfterRemoval) {
    struct Case {
        int removed, remaining, expected;
    } cases[] = {{0, 0, -1}, {0, 2, 0}, {1, 2, 1}, {2, 2, 1}, {4, 1, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(c.expected, CurrentAfterRemoval(c.removed, c.remaining)) << c.removed << " of " << c.remaining;
}

TEST(HotkeyKeys, CategoriesHoldTheirRangesInOrder) {
    struct Case {
        int category;
        size_t count;
        int32_t first, last;
        const char *firstText, *lastText;
    } cases[] = {
        {kKeysAll, 52, 65, 127, "A", "F16"},
        {kKeysAlphabet, 26, 65, 90, "A", "Z"},
        {kKeysDigits, 10, 48, 57, "0", "9"},
        {kKeysFunction, 16, 112, 127, "F1", "F16"},
    };
    for (const Case &c : cases) {
        const auto keys = HotkeyCategoryKeys(c.category);
        ASSERT_EQ(c.count, keys.size()) << HotkeyCategoryCaption(c.category);
        EXPECT_EQ(c.first, keys.front().code);
        EXPECT_EQ(c.last, keys.back().code);
        EXPECT_EQ(c.firstText, keys.front().text);
        EXPECT_EQ(c.lastText, keys.back().text);
    }
    const auto all = HotkeyCategoryKeys(kKeysAll);
    EXPECT_EQ(48, all[26].code) << "digits follow the letters";
    EXPECT_EQ(112, all[36].code) << "function keys come last";
    EXPECT_TRUE(HotkeyCategoryKeys(kHotkeyCategoryCount).empty());
    EXPECT_STREQ("全て", HotkeyCategoryCaption(kKeysAll));
    EXPECT_STREQ("ファンクション", HotkeyCategoryCaption(kKeysFunction));
}

TEST(HotkeyKeys, KeyOutsideTheListSelectsTheFirst) {
    const auto all = HotkeyCategoryKeys(kKeysAll);
    EXPECT_EQ(36, KeyIndexOf(all, 112));
    EXPECT_EQ(0, KeyIndexOf(all, 0x6A));   // numeric keypad *
    EXPECT_EQ(0, KeyIndexOf(HotkeyCategoryKeys(kKeysDigits), 65));
}

TEST(HotkeyKeys, ModifierBoxesGiveRegisterHotKeyBits) {
    EXPECT_EQ(0, ModifierBitsOf({false, false, false, false}));
    EXPECT_EQ(1 | 4, ModifierBitsOf({true, false, true, false}));
    EXPECT_EQ(2 | 8, ModifierBitsOf({false, true, false, true}));
}

TEST(HotkeyKeys, TestIsDueForNewEntriesAndChangedCombinations) {
    struct Case {
        int mode;
        int32_t key, mod;
        bool due;
    } cases[] = {
        {0, 65, 2, true},    // new, even when equal to what came in
        {1, 65, 2, false},   // unchanged: the program holds it already
        {1, 66, 2, true},
        {1, 65, 3, true},
        {1, 65, 0, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.due, IsHotkeyTestDue(c.mode, 65, 2, c.key, c.mod)) << c.mode << " " << c.key << " " << c.mod;
}

TEST(EditRefusals, FunctionFirstThenTheDialogsOwnRule) {
    int tries = 0;
    const auto free = [&] { ++tries; return true; };
    const auto taken = [&] { ++tries; return false; };
    EXPECT_EQ(EditRefusal::NoFunction, HotkeyOkRefusal("", true, taken));
    EXPECT_EQ(0, tries) << "no test without a function";
    EXPECT_EQ(EditRefusal::None, HotkeyOkRefusal("1", false, taken));
    EXPECT_EQ(0, tries) << "no test when none is due";
    EXPECT_EQ(EditRefusal::KeyUnavailable, HotkeyOkRefusal("1", true, taken));
    EXPECT_EQ(EditRefusal::None, HotkeyOkRefusal("1", true, free));
    EXPECT_EQ(2, tries);

    EXPECT_EQ(EditRefusal::NoFunction, WatchOkRefusal(""));
    EXPECT_EQ(EditRefusal::None, WatchOkRefusal("tlxText.tlx/1/1"));
    EXPECT_EQ(EditRefusal::NoFunction, ShortcutOkRefusal("", ""));
    EXPECT_EQ(EditRefusal::NoFileName, ShortcutOkRefusal("8", ""));
    EXPECT_EQ(EditRefusal::None, ShortcutOkRefusal("8", "C:\\a.lnk"));
    EXPECT_STREQ("動作が指定されていません！\r\n動作を指定して下さい。", RefusalMessage(EditRefusal::NoFunction));
    EXPECT_STREQ("", RefusalMessage(EditRefusal::None));
}

TEST(ShortcutTexts, ArgumentsNameTheFunctionAsTheProgramReadsThem) {
    struct Case {
        int32_t type;
        const char *option, *expected;
    } cases[] = {
        {0, "8", "/Execute:0:8"},
        {1, "tlxText.tlx/2/1", "/Execute:1:tlxText.tlx/2/1"},
        {3, "C:\\Program Files\\a.exe", "/Execute:3:C:\\Program Files\\a.exe"},
        {2, "/default", "/Execute:2:/default"},
    };
    for (const Case &c : cases) {
        const std::string arguments = ExecuteArguments(c.type, c.option);
        EXPECT_EQ(c.expected, arguments);
        const CommandLine parsed = ParseCommandLine(arguments);
        EXPECT_TRUE(parsed.kind == CommandLine::Kind::Execute && parsed.executeValid) << arguments;
        EXPECT_EQ(c.type, parsed.functionType) << arguments;
        EXPECT_EQ(c.option, parsed.functionOption) << arguments;
    }
    EXPECT_EQ("ポルテリカ - テキストのみ", ShortcutDescription("テキストのみ"));
}

TEST(ShortcutTexts, LinkExtensionAddedUnlessPresentInAnyCase) {
    struct Case {
        const char *path, *expected;
    } cases[] = {
        {"C:\\a", "C:\\a.lnk"},
        {"C:\\a.lnk", "C:\\a.lnk"},
        {"C:\\a.LNK", "C:\\a.LNK"},
        {"C:\\a.Lnk", "C:\\a.Lnk"},
        {"C:\\a.lnk.txt", "C:\\a.lnk.txt.lnk"},
        {"C:\\ポルテリカ", "C:\\ポルテリカ.lnk"},
        {"C:\\lnk", "C:\\lnk.lnk"},
    };
    for (const Case &c : cases) EXPECT_EQ(c.expected, WithLinkExtension(c.path)) << c.path;
}
