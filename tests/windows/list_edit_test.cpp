// The settings window's list operations and information texts, without windows: the
// watch list's placeholder rule, the selection after a removal, the new-menu name rules
// and what the information box says about a row.
#include <gtest/gtest.h>

#include "fakes.h"
#include "hotkey_entries.h"
#include "information_text.h"
#include "menu_names.h"
#include "page_rows.h"
#include "watch_list_edit.h"

using namespace ptr;

namespace {

struct NoMenus : MenuLookup {
    std::optional<std::string> MenuNameOf(const std::string &) const override { return std::nullopt; }
};

WatchAction Action(const std::string &option) {
    WatchAction action;
    action.Function = kFunctionOpen;
    action.Option = option;
    return action;
}

// The options of the list in order; "-" for the placeholder.
std::string Options(const WatchActionList &list) {
    if (IsEmptyWatchList(list)) return list.size() == 1 ? "-" : "broken placeholder";
    std::string text;
    for (const WatchAction &action : list) text += (text.empty() ? "" : ",") + action.Option;
    return text;
}

WatchActionList ListOf(std::initializer_list<const char *> options) {
    WatchActionList list = EmptyWatchList();
    for (const char *option : options) InsertWatchEntry(list, WatchRowCount(list), Action(option));
    return list;
}

}  // namespace

TEST(WatchListEdit, InsertKeepsOrderAndReplacesThePlaceholder) {
    const struct {
        std::vector<const char *> before;
        int position;
        int row;
        std::string after;
    } cases[] = {
        {{}, 0, 0, "new"},           // the placeholder gives way
        {{}, 3, 0, "new"},           // an empty list has only row 0
        {{"a", "b"}, 0, 0, "new,a,b"},
        {{"a", "b"}, 1, 1, "a,new,b"},   // after the selected row 0
        {{"a", "b"}, 2, 2, "a,b,new"},   // after the last row
        {{"a", "b"}, 9, 2, "a,b,new"},
    };
    for (const auto &c : cases) {
        WatchActionList list = EmptyWatchList();
        for (const char *option : c.before) InsertWatchEntry(list, WatchRowCount(list), Action(option));
        SCOPED_TRACE(Options(list) + " at " + std::to_string(c.position));
        EXPECT_EQ(c.row, InsertWatchEntry(list, c.position, Action("new")));
        EXPECT_EQ(c.after, Options(list));
    }
}

TEST(WatchListEdit, DeletingTheOnlyActionLeavesThePlaceholder) {
    WatchActionList list = ListOf({"a", "b", "c"});
    EXPECT_FALSE(DeleteWatchEntry(list, 3));
    EXPECT_FALSE(DeleteWatchEntry(list, -1));
    EXPECT_TRUE(DeleteWatchEntry(list, 1));
    EXPECT_EQ("a,c", Options(list));
    EXPECT_TRUE(DeleteWatchEntry(list, 1));
    EXPECT_TRUE(DeleteWatchEntry(list, 0));
    EXPECT_EQ("-", Options(list));
    EXPECT_EQ(0, WatchRowCount(list));
    EXPECT_FALSE(DeleteWatchEntry(list, 0)) << "the placeholder is no row";
    EXPECT_EQ("-", Options(list));
}

TEST(WatchListEdit, SwapsOnlyRowsThatExist) {
    WatchActionList list = ListOf({"a", "b", "c"});
    EXPECT_FALSE(SwapWatchEntries(list, 0, -1));   // "上へ" on the first row
    EXPECT_FALSE(SwapWatchEntries(list, 2, 3));    // "下へ" on the last row
    EXPECT_EQ("a,b,c", Options(list));
    EXPECT_TRUE(SwapWatchEntries(list, 2, 1));
    EXPECT_EQ("a,c,b", Options(list));
    WatchActionList empty = EmptyWatchList();
    EXPECT_FALSE(SwapWatchEntries(empty, 0, 0));
}

TEST(WatchListEdit, EditorFieldsBecomeAnActionAndBack) {
    ClipboardTypeList types;
    fntest::FakeFormats formats;
    WatchActionFields fields{kFunctionPlugin, "tlxText.tlx/1/1", "1,HTML Format", false,
                             "tlxInternet.tlx/4/1:tlxInternet.tlx/5/1", false, true};
    const WatchAction action = BuildWatchAction(fields, types, formats);
    ASSERT_EQ(2u, action.Type.size());
    EXPECT_EQ(1, action.Type[0].ID);
    EXPECT_EQ(0xC000, action.Type[1].ID);   // registered by name
    EXPECT_EQ((std::vector<std::string>{"tlxInternet.tlx/4/1", "tlxInternet.tlx/5/1"}), action.PluginCheck);
    EXPECT_FALSE(action.PluginCheckAnd);
    EXPECT_TRUE(action.Enable);
    const WatchActionFields back = FieldsOf(action);
    EXPECT_EQ(fields.TypeText, back.TypeText);
    EXPECT_EQ(fields.CheckText, back.CheckText);
    EXPECT_EQ(fields.Option, back.Option);

    // No checks is an empty list, not one empty reference.
    fields.CheckText = "";
    EXPECT_TRUE(BuildWatchAction(fields, types, formats).PluginCheck.empty());
}

TEST(PageRows, RowAfterRemovalStaysOrTakesTheLast) {
    EXPECT_EQ(1, RowAfterRemoval(1, 3));
    EXPECT_EQ(1, RowAfterRemoval(2, 2));   // the last row went
    EXPECT_EQ(0, RowAfterRemoval(0, 1));
    EXPECT_EQ(-1, RowAfterRemoval(0, 0));  // nothing left
}

TEST(MenuNames, ExtensionAndProblems) {
    const struct {
        const char *answer;
        const char *file;
        bool exists;
        const char *title;   // "" for a usable name
    } cases[] = {
        {"新規メニュー", "新規メニュー.mnu", false, ""},
        {"Tools.MNU", "Tools.MNU", false, ""},   // any letter case
        {"Tools.mnu.bak", "Tools.mnu.bak.mnu", false, ""},
        {"Tools", "Tools.mnu", true, "ファイル名重複"},
        // ポ, ソ and 表 end in the bytes of "|" and "\": characters, not forbidden ones.
        {"ポルテリカ ソフト表", "ポルテリカ ソフト表.mnu", false, ""},
        {"a/b", "a/b.mnu", false, "ファイル名不正"},
        {"a\\b", "a\\b.mnu", false, "ファイル名不正"},
        {"メニュー|2", "メニュー|2.mnu", false, "ファイル名不正"},
        {"a:b", "a:b.mnu", false, "ファイル名不正"},
        {"\"quoted\"", "\"quoted\".mnu", false, "ファイル名不正"},
        {"x*?<>;,", "x*?<>;,.mnu", false, "ファイル名不正"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        const std::string file = MenuFileNameFor(c.answer);
        EXPECT_EQ(c.file, file);
        EXPECT_EQ(c.title, CheckMenuFileName(file, c.exists).title);
    }
    const MenuNameProblem bad = CheckMenuFileName("a/b.mnu", false);
    EXPECT_EQ("以下の文字は、ファイル名に使えません。\r\n\\ / : , ; * ? \" < > |\r\n"
              "他のファイル名を指定する時は[はい]を\r\n作成を中断する場合は[いいえ]をクリックして下さい。",
              RetryQuestion(bad));
    EXPECT_EQ("同じファイル名のメニューが存在しています。", CheckMenuFileName("a/b.mnu", true).text)
        << "an existing file is named first";
}

class InformationText : public testing::Test {
protected:
    void SetUp() override {
        auto &internet = proxy.Define("tlxInternet.tlx", "インターネット利用");
        internet.functions = {{"URLを開く"}, {"URL確認", TLX_FUNC_CHECK}};
        internet.version = "1.10";
        internet.copyright = "(C) ポルテリカ";
        internet.comment = "インターネットを利用する機能";
        internet.url = "https://example.jp/";
        internet.mail = "author@example.jp";
        internet.about = true;
        proxy.Define("bare.tlx", "素").comment = "何も無い";
        proxy.LoadInto(plugins, {"tlxInternet.tlx", "bare.tlx"});
    }
    std::vector<ClipboardType> Types(const std::string &text) { return types.ParseTypeList(text, formats); }

    fntest::FakePlugins proxy;
    PluginList plugins;
    NoMenus menus;
    ClipboardTypeList types;
    fntest::FakeFormats formats;
};

TEST_F(InformationText, WatchActionsLineByLine) {
    WatchAction all = Action("notepad.exe");
    all.Enable = true;
    all.AllType = true;
    EXPECT_EQ("(有効)実行 / 開く(notepad.exe)\r\n全てのクリップボードデータ時に動作します。",
              WatchInformation(all, plugins, menus));

    WatchAction none = Action("x");
    none.Type = Types("");
    EXPECT_EQ("(無効)実行 / 開く(x)\r\n以下のクリップボードデータ時に動作します。", WatchInformation(none, plugins, menus));

    WatchAction checked = Action("y");
    checked.Type = Types("1,HTML Format");
    checked.PluginCheck = {"tlxInternet.tlx/2/1", "gone.tlx/1/1"};
    EXPECT_EQ("(無効)実行 / 開く(y)\r\n以下のクリップボードデータ時に動作します。\r\n○ 1\r\n○HTML Format\r\n"
              "以下の条件全てに合致した時に動作します。\r\n○インターネット利用:URL確認/(1)\r\n"
              "○gone.tlx - ロード出来ません!",
              WatchInformation(checked, plugins, menus));
    checked.PluginCheckAnd = false;
    EXPECT_NE(std::string::npos,
              WatchInformation(checked, plugins, menus).find("\r\n以下の条件のいずれかに合致した時に動作します。\r\n"));
}

TEST_F(InformationText, HotkeysAndMenus) {
    EXPECT_EQ("ALT + CTRL + M\r\nメニュー表示(x)", HotkeyInformation('M', kModAlt | kModCtrl, true, "メニュー表示(x)"));
    EXPECT_EQ("SHIFT + F5\r\n(キーが無効です)", HotkeyInformation(0x74, kModShift, false, "メニュー表示(x)"));

    fntest::FakeMenus backend;
    fntest::FakeMenuFiles files;
    ptrtest::MemoryIni &tools = files.File("C:\\Menus\\Tools.mnu");
    tools.SetText("Main", "MenuName", "道具");
    tools.SetText("Main", "Comment", "よく使う物");
    MenuList list;
    const MenuEnvironment env{backend, files, "C:\\Menus\\", plugins, {}};
    EXPECT_EQ("よく使う物\r\nファイル名:Tools.mnu", MenuInformation(LoadMenuByName(list, env, "Tools.mnu")));
    EXPECT_EQ("", MenuInformation(LoadMenuByName(list, env, "Gone.mnu")));
    EXPECT_TRUE(IsDefaultMenu("/DEFAULT"));
    EXPECT_FALSE(IsDefaultMenu("default.mnu"));
}

TEST_F(InformationText, PluginsShowWhatTheyGive) {
    EXPECT_EQ("インターネット利用\r\nインターネットを利用する機能\r\nファイル名:tlxInternet.tlx\r\n"
              "バージョン:1.10\r\n著作情報:(C) ポルテリカ",
              PluginInformation(plugins.At(0)));
    EXPECT_EQ("素\r\n何も無い\r\nファイル名:bare.tlx", PluginInformation(plugins.At(1)));
    const PluginOffers full = OffersOf(plugins.At(0)), bare = OffersOf(plugins.At(1));
    EXPECT_TRUE(full.about && full.web && full.mail);
    EXPECT_FALSE(bare.about || bare.web || bare.mail);
}
