// The function selection dialog's decisions without a window: what each caller is
// offered, which plug-in functions are listed, and the function its selections make.
#include <gtest/gtest.h>

#include "fakes.h"
#include "select_func_model.h"

using namespace ptr;

namespace {

class NoMenus : public MenuLookup {
public:
    std::optional<std::string> MenuNameOf(const std::string &option) const override {
        if (EqualsNoCase(option, "tools.mnu")) return std::string("ツール");
        return std::nullopt;
    }
};

class SelectFuncModel : public testing::Test {
protected:
    SelectFuncModel() {
        auto &mixed = fake.Define("Mixed.tlx", "混合");
        mixed.functions = {{"動作A", TLX_FUNC_ACTION, {"標準"}},
                           {"判定B", TLX_FUNC_CHECK, {"(1)"}},
                           {"動作C", TLX_FUNC_ACTION, {"一", "二"}}};
        fake.Define("Actions.tlx", "動作だけ").functions = {{"動作", TLX_FUNC_ACTION, {"x"}}};
        fake.LoadInto(plugins, {"Mixed.tlx", "Actions.tlx"});
    }
    fntest::FakePlugins fake;
    PluginList plugins;
    NoMenus menus;
};

TEST(SelectFuncVariants, TitleFilterAndCategoriesOfEveryCaller) {
    struct Row {
        int32_t mode;
        std::string title;
        int32_t filter;
        std::vector<int32_t> categories;
        bool selectFirst;
    } rows[] = {
        {0, "ポルテリカ - ホットキー設定", 1, {0, 1, 2, 3}, true},
        {1, "ポルテリカ - ホットキー変更", 1, {0, 1, 2, 3}, true},
        {2, "ポルテリカ - クリップボード監視動作追加", 1, {1, 2, 3}, true},
        {3, "ポルテリカ - クリップボード監視動作変更", 1, {1, 2, 3}, false},
        {5, "ポルテリカ - メニュー機能選択", 1, {1, 3}, true},
        {6, "ポルテリカ - プラグイン設定", 3, {4, 1}, true},
        {7, "ポルテリカ - チェック機能選択", 2, {1}, true},
        {8, "ポルテリカ - ショートカット機能選択", 1, {0, 1, 2}, true},
        {4, "ポルテリカ - ホットキー設定", 1, {0, 1, 2, 3}, true},    // no caller: as a new hotkey
        {-1, "ポルテリカ - ホットキー設定", 1, {0, 1, 2, 3}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mode);
        const SelectFuncVariant &v = SelectFuncVariantOf(row.mode);
        EXPECT_EQ(row.title, SelectFuncTitle(row.mode));
        EXPECT_EQ(row.filter, v.pluginFuncFilter);
        EXPECT_EQ(row.categories, v.categories);
        EXPECT_EQ(row.selectFirst, v.selectFirst);
    }
    EXPECT_STREQ("実行 / 開く", FuncCategoryCaption(kCategoryOpen));
    EXPECT_STREQ("プラグイン本体", FuncCategoryCaption(kCategoryPluginItself));
}

TEST(SelectFuncVariants, ProgramFunctionsInTheirOrderEndWithQuit) {
    std::vector<int32_t> numbers;
    for (const ProgramFunctionEntry &entry : ProgramFunctionEntries()) {
        numbers.push_back(entry.number);
        // Every entry is a function the dispatcher knows.
        EXPECT_NE("(動作無し)", ProgramFunctionName(static_cast<ProgramFunction>(entry.number))) << entry.caption;
    }
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3, 4, 5, 6, 8, 9, 10, 7}), numbers);
    EXPECT_STREQ("終了", ProgramFunctionEntries().back().caption);
    EXPECT_STREQ("設定画面(ﾎｯﾄｷｰ)", ProgramFunctionEntries()[2].caption);
}

TEST_F(SelectFuncModel, FilterListsActionsChecksOrBoth) {
    const vbKXPlugin &mixed = *plugins.Find("mixed.tlx");
    EXPECT_EQ((std::vector<int32_t>{1, 3}), ListedFunctions(mixed, kFilterActions));
    EXPECT_EQ((std::vector<int32_t>{2}), ListedFunctions(mixed, kFilterChecks));
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3}), ListedFunctions(mixed, kFilterActions | kFilterChecks));
    EXPECT_TRUE(ListedFunctions(*plugins.Find("Actions.tlx"), kFilterChecks).empty());
}

TEST(SettingEntries, NumberOfAtLeastThreeDigitsAndName) {
    EXPECT_EQ("001:標準", SettingEntryText(1, "標準"));
    EXPECT_EQ("042:(設定名無し)", SettingEntryText(42, "(設定名無し)"));
    EXPECT_EQ("1000:", SettingEntryText(1000, ""));
}

TEST(FuncValuesForOk, OptionAndWhetherTheChoiceIsComplete) {
    FuncSelection none;
    FuncSelection plugin;
    plugin.pluginFile = "tlxText.tlx";
    plugin.funcno = 2;
    plugin.setno = 1;
    FuncSelection noFunction = plugin;
    noFunction.funcno = -1;
    noFunction.setno = -1;
    FuncSelection noSetting = plugin;
    noSetting.setno = -1;
    FuncSelection program;
    program.programFunction = 8;
    FuncSelection menu;
    menu.menuFile = "/default";
    FuncSelection path;
    path.path = "C:\\Program Files\\a.exe";
    struct Row {
        const char *what;
        int32_t category;
        const FuncSelection &selection;
        int32_t type;
        std::string option;
        bool complete;
    } rows[] = {
        {"program", 0, program, 0, "8", true},
        {"no program function", 0, none, 0, "", false},
        {"plug-in", 1, plugin, 1, "tlxText.tlx/2/1", true},
        {"plug-in without a function", 1, noFunction, 1, "", false},
        {"plug-in without a setting", 1, noSetting, 1, "", false},
        {"no plug-in", 1, none, 1, "", false},
        {"menu", 2, menu, 2, "/default", true},
        {"no menu", 2, none, 2, "", false},
        {"path", 3, path, 3, "C:\\Program Files\\a.exe", true},
        {"empty path", 3, none, 3, "", true},
        {"plug-in itself", 4, plugin, -1, "", false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const FuncValues v = GetFuncValues(row.category, row.selection);
        EXPECT_EQ(row.type, v.type);
        EXPECT_EQ(row.option, v.option);
        EXPECT_EQ(row.complete, v.complete);
    }
}

TEST(FuncValuesForOk, AFunctionReadBackMakesTheSameFunction) {
    const std::pair<int32_t, std::string> functions[] = {
        {0, "10"}, {1, "tlxInternet.tlx/3/12"}, {2, "Tools.mnu"}, {2, "/default"}, {3, "http://example.com/"}, {3, ""}};
    for (const auto &[type, option] : functions) {
        SCOPED_TRACE(option);
        const FuncValues v = GetFuncValues(type, ParseFuncSelection(type, option));
        EXPECT_TRUE(v.complete);
        EXPECT_EQ(type, v.type);
        EXPECT_EQ(option, v.option);
    }
    // What names no entry selects nothing.
    EXPECT_EQ(-1, ParseFuncSelection(0, "3.5").programFunction);
    EXPECT_EQ(3, ParseFuncSelection(0, " 3").programFunction);
    EXPECT_FALSE(ParseFuncSelection(-1, "x").pluginFile.has_value());
}

TEST_F(SelectFuncModel, DescriptionOfTheChoice) {
    FuncSelection plugin;
    plugin.pluginFile = "MIXED.TLX";
    plugin.funcno = 3;
    plugin.setno = 2;
    FuncSelection incomplete = plugin;
    incomplete.setno = -1;
    FuncSelection program;
    program.programFunction = 3;
    FuncSelection menu;
    menu.menuFile = "tools.mnu";
    FuncSelection path;
    path.path = "notepad.exe";
    EXPECT_EQ("プラグイン機能(混合:動作C/二)\r\n二つ目を使います", FuncInfoText(1, plugin, "二つ目を使います", plugins, menus));
    EXPECT_EQ("", FuncInfoText(1, incomplete, "二つ目を使います", plugins, menus));
    EXPECT_EQ("ホットキー設定画面表示", FuncInfoText(0, program, "", plugins, menus));
    EXPECT_EQ("メニュー表示(ツール)", FuncInfoText(2, menu, "", plugins, menus));
    EXPECT_EQ("メニュー表示( - 読み込めません!)", FuncInfoText(2, FuncSelection{}, "", plugins, menus));
    EXPECT_EQ("実行 / 開く(notepad.exe)", FuncInfoText(3, path, "", plugins, menus));
}

}  // namespace
