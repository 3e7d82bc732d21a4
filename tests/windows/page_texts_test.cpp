// The settings window's page texts, list rows and version text, the splash bars and the
// first start's balloon, without windows.
#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "memory_ini.h"
#include "mode_texts.h"
#include "page_rows.h"
#include "splash_bars.h"
#include "welcome_text.h"

using namespace ptr;

namespace {

// Plug-ins that exist only as information records.
class RecordPlugins : public PluginProxy {
public:
    struct Info {
        std::string name, version, copyright;
    };
    std::map<std::string, Info> infos;

    void LoadInto(PluginList &list, std::initializer_list<const char *> files) {
        for (const char *file : files) {
            auto plugin = std::make_unique<vbKXPlugin>(*this);
            if (plugin->Init("C:\\Plugins\\", file)) list.Add(std::move(plugin));
        }
    }
    intptr_t Init(const std::string &path) override {
        loaded_.push_back(path.substr(path.find_last_of('\\') + 1));
        return static_cast<intptr_t>(loaded_.size());
    }
    void Quit(intptr_t) override {}
    int32_t ShowAbout(intptr_t, WindowHandle) override { return 0; }
    int32_t ShowSetting(intptr_t, int32_t, int32_t, WindowHandle) override { return 0; }
    int32_t Func(intptr_t, int32_t, int32_t, WindowHandle, int32_t) override { return 0; }
    void GetInfo(intptr_t id, TlxPluginInfo &info) override {
        const Info &i = infos.at(loaded_.at(id - 1));
        std::strncpy(info.Name, i.name.c_str(), sizeof info.Name);
        std::strncpy(info.Version, i.version.c_str(), sizeof info.Version);
        std::strncpy(info.Copyright, i.copyright.c_str(), sizeof info.Copyright);
    }
    void GetFuncInfo(intptr_t, int32_t, TlxFuncInfo &) override {}
    int32_t GetFuncSettingName(intptr_t, int32_t, int32_t, char *, int32_t) override { return 0; }

private:
    std::vector<std::string> loaded_;
};

// Menus without popups: only names and files matter here.
class NoPopups : public MenuBackend, public MenuFiles {
public:
    std::map<std::string, std::string> names;   // path -> MenuName
    MenuHandle CreatePopup() override { return this; }
    void AppendCommand(MenuHandle, uint32_t, const std::string &) override {}
    void AppendSeparator(MenuHandle, uint32_t, const std::string &) override {}
    void AppendPopup(MenuHandle, MenuHandle, const std::string &) override {}
    void Destroy(MenuHandle) override {}
    uint32_t Track(MenuHandle, WindowHandle) override { return 0; }
    bool Exists(const std::string &path) const override { return names.count(path) != 0; }
    std::vector<std::string> List(const std::string &) const override { return {}; }
    std::unique_ptr<IniStore> Open(const std::string &path) const override {
        auto ini = std::make_unique<ptrtest::MemoryIni>();
        ini->SetText("Main", "MenuName", names.at(path));
        return ini;
    }
};

struct NoMenus : MenuLookup {
    std::optional<std::string> MenuNameOf(const std::string &) const override { return std::nullopt; }
};

}  // namespace

TEST(ModeTexts, CellsSitAtTheirColumnBasePlusMode) {
    ModeTextTable t;
    t.Fill();
    EXPECT_EQ("ソフト起動時、スプラッシュ画面を表示する", t.Cell(0));
    EXPECT_EQ("『終了』選択時、確認する", t.Cell(6));
    EXPECT_EQ("クリップボードの監視を行います。", t.Cell(12 + 1));
    EXPECT_EQ("本ソフト終了時に、確認メッセージを表示します。", t.Cell(18));
    EXPECT_EQ("登録メニュー一覧(チェック付の物はﾀｽｸﾒﾆｭｰに利用)", t.Cell(24 + 3));
    EXPECT_EQ("下へ", t.Cell(30 + 6 * 4 + 1));
    EXPECT_EQ("外部DLL\\n情報", t.Cell(30 + 6 * 3 + 5));
    EXPECT_EQ("選択されたメニューの表示テストをします。", t.Cell(60 + 6 * 3 + 3));
    EXPECT_EQ("Readmeを表示します。", t.ButtonTip(2, kModeInformation));
    EXPECT_EQ("パスワードなど非公開のコピーは処理しない", t.CheckCaption(1, kModeWatch));
    // Unlisted cells are empty: no second check box outside the basic and watch pages, no
    // list title on the basic and information pages, no fifth button but on the watch page.
    for (int mode = 2; mode < kModeCount; ++mode) EXPECT_EQ("", t.CheckCaption(1, mode)) << mode;
    EXPECT_EQ("", t.ListTitle(kModeBasic));
    EXPECT_EQ("", t.ListTitle(kModeInformation));
    for (int mode : {0, 2, 3, 4, 5}) EXPECT_EQ("", t.ButtonCaption(4, mode)) << mode;
    EXPECT_EQ("", t.ButtonCaption(3, kModeHotkey));
}

TEST(ModeTexts, BackslashNBecomesALineBreakButNotInsideACharacter) {
    EXPECT_EQ("ｽﾀｰﾄｱｯﾌﾟ\r\n登録", ApplyLineBreaks("ｽﾀｰﾄｱｯﾌﾟ\\n登録"));
    EXPECT_EQ("a\r\nb\r\n", ApplyLineBreaks("a\\nb\\n"));
    // The second byte of 表 (0x95 0x5C) is a backslash; followed by "n" it stays text.
    EXPECT_EQ("表n", ApplyLineBreaks("表n"));
    EXPECT_EQ("\\", ApplyLineBreaks("\\"));
}

TEST(ModeTexts, TitlesAndOneLineCaptions) {
    EXPECT_EQ("クリップボード\r\n監視(&C)", ModeButtonCaption(kModeWatch));
    EXPECT_EQ("クリップボード監視(&C)", OneLineCaption(ModeButtonCaption(kModeWatch)));
    EXPECT_EQ("クリップボード監視", ModeTitle(kModeWatch));
    EXPECT_EQ("基本設定", ModeTitle(kModeBasic));
    EXPECT_EQ("情報", ModeTitle(kModeInformation));
    // A stored page number that is no page opens the basic page.
    EXPECT_EQ(kModeBasic, ValidMode(6));
    EXPECT_EQ(kModeBasic, ValidMode(-1));
    EXPECT_EQ(kModePlugin, ValidMode(4));
}

TEST(ModeColours, StrongAndLightPerMode) {
    EXPECT_EQ(0x0000FFu, ModeColour(kModeWatch).strong);   // red
    EXPECT_EQ(0x8080FFu, ModeColour(kModeWatch).light);
    EXPECT_EQ(0xFF8080u, ModeColour(kModeMenu).light);
    EXPECT_EQ(0x80FFFFu, ModeColour(kModeInformation).light);
}

TEST(PageRows, HotkeyKeyColumnIsTwelveCellsWide) {
    EXPECT_EQ("AC+M        メニュー表示(x)", HotkeyRowText("AC+M", true, "メニュー表示(x)"));
    EXPECT_EQ("AC+M        (無効)", HotkeyRowText("AC+M", false, "メニュー表示(x)"));
    // Exactly twelve: the function follows directly; longer keys are cut.
    EXPECT_EQ("ACSW+CODE255F", HotkeyRowText("ACSW+CODE255", true, "F"));
    EXPECT_EQ("ACSW+CODE256F", HotkeyRowText("ACSW+CODE2567", true, "F"));
    // An arrow takes two cells, so the names still line up.
    EXPECT_EQ("C+↑        x", HotkeyRowText("C+↑", true, "x"));
    // A two-byte character that would end past the column is dropped, not split.
    EXPECT_EQ("ACSW+CODE12 x", HotkeyRowText("ACSW+CODE12↑", true, "x"));
}

TEST(PageRows, WatchRowsCheckedByEnableAndNoneForThePlaceholder) {
    PluginList plugins;
    NoMenus menus;
    EXPECT_TRUE(WatchRows(EmptyWatchList(), plugins, menus).empty());
    WatchActionList list(2);
    list[0].Function = 3;
    list[0].Option = "notepad.exe";
    list[0].Enable = true;
    list[1].Function = 1;
    list[1].Option = "tlxNone.tlx/1/1";
    const auto rows = WatchRows(list, plugins, menus);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("実行 / 開く(notepad.exe)", rows[0].text);
    EXPECT_TRUE(rows[0].checked);
    EXPECT_EQ("プラグイン機能(tlxNone.tlx - ロード出来ません!)", rows[1].text);
    EXPECT_FALSE(rows[1].checked);
}

TEST(PageRows, MenuRowsCheckOnlyTheTaskMenu) {
    NoPopups system;
    system.names["C:\\Menus\\Tools.mnu"] = "道具";
    system.names["C:\\Menus\\Other.mnu"] = "その他";
    MenuList menus;
    RecordPlugins proxy;
    PluginList plugins;
    const MenuEnvironment env{system, system, "C:\\Menus\\", plugins, {}};
    LoadMenuByName(menus, env, "/default");
    LoadMenuByName(menus, env, "Tools.mnu");
    LoadMenuByName(menus, env, "Other.mnu");
    LoadMenuByName(menus, env, "Gone.mnu");   // the file is not there

    auto rows = MenuRows(menus, "tools.MNU");
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ("デフォルトメニュー(全機能選択)", rows[0].text);
    EXPECT_EQ("道具", rows[1].text);
    EXPECT_EQ("その他", rows[2].text);
    EXPECT_EQ("(読み込めません)メニュー", rows[3].text);
    EXPECT_FALSE(rows[0].checked);
    EXPECT_TRUE(rows[1].checked);
    EXPECT_FALSE(rows[2].checked);
    EXPECT_FALSE(rows[3].checked);

    rows = MenuRows(menus, "/DEFAULT");
    EXPECT_TRUE(rows[0].checked);
    for (const ListRow &row : MenuRows(menus, "Nowhere.mnu")) EXPECT_FALSE(row.checked) << row.text;
    for (const ListRow &row : MenuRows(menus, "")) EXPECT_FALSE(row.checked) << row.text;
}

TEST(PageRows, VersionTextWithAndWithoutPlugins) {
    PluginList none;
    EXPECT_EQ("*** バージョン情報 ***\r\nポルテリカ Ver.1.1.0", VersionText(1, 1, 0, none));

    RecordPlugins proxy;
    proxy.infos["a.tlx"] = {"テキスト", "1.2", "(C) A"};
    proxy.infos["b.tlx"] = {"ネット", "", ""};
    proxy.infos["c.tlx"] = {"C", "", "(C) C"};
    PluginList plugins;
    proxy.LoadInto(plugins, {"a.tlx", "b.tlx", "c.tlx"});
    EXPECT_EQ("*** バージョン情報 ***\r\nポルテリカ Ver.2.10.3\r\n*** プラグイン情報 ***\r\n"
              "テキスト Ver.1.2 (C) A\r\nネット\r\nC (C) C",
              VersionText(2, 10, 3, plugins));
    const auto rows = PluginRows(plugins);
    ASSERT_EQ(3u, rows.size());
    EXPECT_EQ("ネット", rows[1].text);
}

TEST(SplashBars, PositionWrapsAfter320) {
    int pos = 0;
    for (int report = 1; report <= 320; ++report) pos = NextSlidePos(pos, 1);
    EXPECT_EQ(320, pos);   // the 321st report draws here...
    EXPECT_EQ(0, NextSlidePos(pos, 1));   // ...and the next one at the start again
    EXPECT_EQ(0, NextSlidePos(315, 10));
    EXPECT_EQ(320, NextSlidePos(310, 10));
}

TEST(SplashBars, BarsRotateInOppositeDirections) {
    // At x the top bar shows strip column x at its left edge, the bottom bar column
    // 320 - x; 0 and 320 draw the same picture.
    const auto at = [](int x, int column, bool top) {
        for (const StripCopy &c : BarCopies(x, 1.0f))
            if ((c.dstY == 0) == top && column >= c.dstX && column < c.dstX + c.width) return c.srcX + column - c.dstX;
        return -1;
    };
    EXPECT_EQ(5, at(5, 0, true));
    EXPECT_EQ(4, at(5, 319, true));
    EXPECT_EQ(315, at(5, 0, false));
    EXPECT_EQ(0, at(5, 5, false));
    for (int column : {0, 100, 319}) {
        EXPECT_EQ(at(0, column, true), at(320, column, true)) << column;
        EXPECT_EQ(at(0, column, false), at(320, column, false)) << column;
    }
    for (const StripCopy &c : BarCopies(7, 1.0f)) EXPECT_EQ(12, c.height);
    // Help mode: everything 1.3 times, the bottom bar at 140.
    const auto scaled = BarCopies(100, 1.3f);
    EXPECT_EQ(140, scaled[2].dstY);
    EXPECT_EQ(16, scaled[2].height);
    EXPECT_EQ(130, scaled[1].srcX);
}

// The balloon names the hotkeys Setting.ini really binds to the history and the phrases,
// in few enough bytes for the balloon (255).
TEST(WelcomeText, NamesTheHotkeysThatOpenTheHistoryAndThePhrases) {
    const HotkeyEntry history{1, 'V', kModAlt | kModShift, "tlxHistory.tlx/2/1"};
    const HotkeyEntry queue{1, 'V', kModCtrl | kModAlt | kModShift, "tlxHistory.tlx/4/1"};
    const HotkeyEntry phrases{1, 'Z', kModAlt | kModShift, "tlxSnippet.tlx/2/1"};
    const HotkeyEntry onePhrase{1, '1', kModAlt, "tlxSnippet.tlx/1/2"};
    const HotkeyEntry longest{1, 123, kModCtrl | kModAlt | kModShift | kModWin, "TLXHISTORY.TLX/2/3"};
    const HotkeyEntry longestPhrases{1, 123, kModCtrl | kModAlt | kModShift | kModWin, "tlxsnippet.tlx/2/1"};
    const struct {
        const char *what;
        std::vector<HotkeyEntry> hotkeys;
        std::string lastLine;
    } cases[] = {
        {"as shipped", {history, queue, phrases}, "履歴は Alt+Shift+V、定型文は Alt+Shift+Z で開けます。"},
        {"the history alone, on another key", {onePhrase, longest}, "履歴は Ctrl+Alt+Shift+Win+F12 で開けます。"},
        {"neither window", {queue, onePhrase}, "設定の変更を行うには、このアイコンを右クリックして、『設定画面を開く』を選択します。"},
        {"the longest", {longest, longestPhrases},
         "履歴は Ctrl+Alt+Shift+Win+F12、定型文は Ctrl+Alt+Shift+Win+F12 で開けます。"},
    };
    for (const auto &c : cases) {
        const std::string text = WelcomeText(c.hotkeys);
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), c.lastLine) << c.what;
        EXPECT_EQ(text.rfind("ポルテリカをご利用いただき、ありがとうございます。\r\n", 0), 0u) << c.what;
        EXPECT_LT(text.size(), 256u) << c.what;
    }
}
