// What every kind of function is called in the lists, and how options are read.
#include <gtest/gtest.h>

#include "fakes.h"
#include "function_catalogue.h"
#include "split_to_array.h"
#include "vbMenu.h"

using namespace ptr;

namespace {
struct Names : ::testing::Test {
    fntest::FakePlugins proxy;
    PluginList plugins;
    fntest::FakeMenus backend;
    MenuList menus;
    void SetUp() override {
        auto &p = proxy.Define("tlxText.tlx", "テキスト");
        p.functions = {{"テキストのみ"}, {"検索", TLX_FUNC_ACTION, {"Google", ""}}};
        proxy.LoadInto(plugins, {"tlxText.tlx"});
        menus.Add("sample.mnu", std::make_unique<vbMenu>(backend)).MenuName = "サンプル";
    }
    std::string Name(int32_t type, const std::string &option) { return GetFunctionName(type, option, plugins, menus); }
};
}  // namespace

TEST_F(Names, EveryType) {
    EXPECT_EQ(Name(0, "1"), "基本設定画面表示");
    EXPECT_EQ(Name(0, "10"), "クリップボード監視切り替え");
    EXPECT_EQ(Name(0, "11"), "(動作無し)");
    EXPECT_EQ(Name(1, "TLXTEXT.TLX/2/1"), "プラグイン機能(テキスト:検索/Google)");
    EXPECT_EQ(Name(1, "tlxText.tlx/2/2"), "プラグイン機能(テキスト:検索/(設定名無し))");
    EXPECT_EQ(Name(1, "tlxNone.tlx/1/1"), "プラグイン機能(tlxNone.tlx - ロード出来ません!)");
    EXPECT_EQ(Name(2, "SAMPLE.MNU"), "メニュー表示(サンプル)");
    EXPECT_EQ(Name(2, "gone.mnu"), "メニュー表示(gone.mnu - 読み込めません!)");
    EXPECT_EQ(Name(3, "C:\\a b\\notes.txt"), "実行 / 開く(C:\\a b\\notes.txt)");
    EXPECT_EQ(Name(-1, ""), "(動作無し)");
    EXPECT_EQ(Name(4, "1"), "(動作無し)");
}

TEST_F(Names, NumberedProgramOptions) {
    EXPECT_EQ(ParseProgramFunction(" 3"), ProgramFunction::ShowHotkeyPage);
    EXPECT_EQ(ParseProgramFunction("3.0"), ProgramFunction::ShowHotkeyPage);
    EXPECT_EQ(ParseProgramFunction("3.5"), ProgramFunction::None);
    EXPECT_EQ(ParseProgramFunction("abc"), ProgramFunction::None);
    EXPECT_EQ(ParseProgramFunction(""), ProgramFunction::None);
    EXPECT_EQ(Name(0, "3.5"), "(動作無し)");
}

TEST_F(Names, ShortPluginReferencesNameNothingLoaded) {
    EXPECT_EQ(Name(1, "tlxText.tlx/1"), "プラグイン機能(tlxText.tlx - ロード出来ません!)");
    EXPECT_EQ(Name(1, "tlxText.tlx"), "プラグイン機能(tlxText.tlx - ロード出来ません!)");
    EXPECT_EQ(Name(1, ""), "プラグイン機能( - ロード出来ません!)");
    EXPECT_TRUE(proxy.calls.empty());
}

TEST(SplitToArray, PartsGoToTargetsInOrder) {
    std::string file = "unchanged";
    int32_t funcno = -7, setno = -7;
    SplitToArray("tlxText.tlx/2/1.6/extra", "/", {&file, &funcno, &setno});
    EXPECT_EQ(file, "tlxText.tlx");
    EXPECT_EQ(funcno, 2);
    EXPECT_EQ(setno, 2) << "a numeric target gets the whole number";

    file = "unchanged";
    funcno = setno = -7;
    SplitToArray("x.tlx/abc", "/", {&file, &funcno, &setno});
    EXPECT_EQ(file, "x.tlx");
    EXPECT_EQ(funcno, 0) << "no number reads as 0";
    EXPECT_EQ(setno, -7) << "a target without a part keeps its value";
}
