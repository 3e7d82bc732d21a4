// The settings window loaded in this process over prepared lists: what every page
// shows, how switching pages repaints, what the check boxes and list marks change.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <set>

#include "app_state.h"
#include "basMain.h"
#include "frmMain.h"
#include "host_dll.h"
#include "menus.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "wine_support.h"

using namespace ptr;

namespace {

struct PageExpectation {
    int mode;
    std::set<int> visible;   // panel controls shown
    std::string title;
    std::vector<std::string> buttons;   // captions of the shown list buttons
    std::string check0, check1, listTitle;
};

const int kPanelControls[] = {IDC_CHECK0,          IDC_CHECK0 + 1,      IDC_LIST,
                              IDC_INFORMATION,     IDC_PICTURE,         IDC_LIST_BUTTON0,
                              IDC_LIST_BUTTON0 + 1, IDC_LIST_BUTTON0 + 2, IDC_LIST_BUTTON0 + 3,
                              IDC_LIST_BUTTON0 + 4};

const PageExpectation kPages[] = {
    {kModeBasic, {IDC_CHECK0, IDC_CHECK0 + 1, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1}, "基本設定",
     {"ｽﾀｰﾄｱｯﾌﾟ\r\n登録", "ｼｮｰﾄｶｯﾄ\r\n作成"}, "ソフト起動時、スプラッシュ画面を表示する", "『終了』選択時、確認する", ""},
    {kModeWatch,
     {IDC_CHECK0, IDC_CHECK0 + 1, IDC_LIST, IDC_INFORMATION, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1,
      IDC_LIST_BUTTON0 + 2, IDC_LIST_BUTTON0 + 3, IDC_LIST_BUTTON0 + 4},
     "クリップボード監視", {"追加", "変更", "削除", "上へ", "下へ"}, "クリップボードの監視を行う",
     "パスワードなど非公開のコピーは処理しない",
     "クリップボード内容が変更された時の動作一覧"},
    {kModeHotkey,
     {IDC_LIST, IDC_INFORMATION, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1, IDC_LIST_BUTTON0 + 2},
     "ホットキー", {"追加", "変更", "削除"}, "", "", "登録ホットキー一覧"},
    {kModeMenu,
     {IDC_CHECK0, IDC_LIST, IDC_INFORMATION, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1, IDC_LIST_BUTTON0 + 2,
      IDC_LIST_BUTTON0 + 3},
     // The first row, selected, is the default menu: rebuilt instead of edited.
     "メニュー", {"新規", "再構築", "削除", "テスト"}, "デフォルトメニューを生成する", "",
     "登録メニュー一覧(チェック付の物はﾀｽｸﾒﾆｭｰに利用)"},
    {kModePlugin,
     {IDC_LIST, IDC_INFORMATION, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1, IDC_LIST_BUTTON0 + 2,
      IDC_LIST_BUTTON0 + 3},
     "プラグイン", {"プラグイン\r\n設定", "情報", "Webサイト", "作者に\r\nメール"}, "", "", "プラグイン一覧"},
    {kModeInformation,
     {IDC_PICTURE, IDC_INFORMATION, IDC_LIST_BUTTON0, IDC_LIST_BUTTON0 + 1, IDC_LIST_BUTTON0 + 2,
      IDC_LIST_BUTTON0 + 3},
     "情報", {"Webサイト", "作者に\r\nメール", "お読み下さい", "外部DLL\r\n情報"}, "", "", ""},
};

std::string TextOf(HWND control) {
    char text[1024] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

LONG FontWeight(HWND control) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfWeight;
}

RECT ClientRectOf(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT *>(&r), 2);
    return r;
}

const char kToolsMenu[] =
    "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
    "[Menu]\r\n001Caption=メモ帳\r\n001Type=Function\r\n001FuncType= 3\r\n001FuncOption=notepad.exe\r\n";

class SettingsPages : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new ptrtest::TempDir;
        ASSERT_TRUE(HostDll::Load(ptrtest::DistDir()));
        AppState &app = App();
        app.AppPath = folder->path;
        app.MenuDataPath = folder->path + "MenuData\\";
        app.PluginsPath = ptrtest::DistDir() + "Plugins\\";
        CreateDirectoryA(app.MenuDataPath.c_str(), nullptr);
        ptrtest::WriteFileBytes(app.MenuDataPath + "Tools.mnu", kToolsMenu);
        app.Settings = MainSettings{};
        app.Settings.TaskMenu = "tools.mnu";
        app.Settings.ClipboardWatch = true;
        ModeTexts().Fill();
        LoadPlugins();
        LoadMenus();
        app.WatchActions = WatchActionList(2);
        app.WatchActions[0].Function = 3;
        app.WatchActions[0].Option = "notepad.exe";
        app.WatchActions[0].Enable = true;
        app.WatchActions[1].Function = 0;
        app.WatchActions[1].Option = "9";
        // The second binding of the same keys cannot be registered.
        hotkeyWindow = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        for (const char *option : {"tools.mnu", "notepad.exe"}) {
            auto key = std::make_unique<vbHotKey>();
            key->SetHotkey(hotkeyWindow, VK_F11, MOD_CONTROL | MOD_ALT | MOD_SHIFT, option[0] == 't' ? 2 : 3, option);
            app.HotKeys.push_back(std::move(key));
        }
        LoadSettingsWindow();
        window = SettingsMainWindow();
        ASSERT_NE(nullptr, window);
        window->Show2();
        ptrtest::PumpFor(300);
    }
    static void TearDownTestSuite() {
        AppState &app = App();
        app.HotKeys.clear();
        app.Menus.Clear();
        app.Plugins.Clear();
        if (window) window->Close();
        window = nullptr;
        DestroyWindow(hotkeyWindow);
        MSG msg;
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);   // the window's end posts it
        delete folder;
    }

    void ClickMode(int mode) {
        SendMessageA(window->Control(IDC_MODE0 + mode), BM_CLICK, 0, 0);
        ptrtest::PumpFor(150);
    }
    HWND C(int id) const { return window->Control(id); }

    static ptrtest::TempDir *folder;
    static frmMain *window;
    static HWND hotkeyWindow;
};
ptrtest::TempDir *SettingsPages::folder = nullptr;
frmMain *SettingsPages::window = nullptr;
HWND SettingsPages::hotkeyWindow = nullptr;

TEST_F(SettingsPages, EveryPageShowsItsControlsTextsAndColours) {
    const HMENU bar = GetMenu(window->Window());
    for (const PageExpectation &page : kPages) {
        SCOPED_TRACE("mode " + std::to_string(page.mode));
        ClickMode(page.mode);
        EXPECT_EQ(page.mode, App().Settings.Mode);
        for (int id : kPanelControls)
            EXPECT_EQ(page.visible.count(id) != 0, IsWindowVisible(C(id)) != 0) << "control " << id;
        EXPECT_EQ(page.title, TextOf(C(IDC_MODE_TITLE)));
        EXPECT_EQ(page.listTitle, TextOf(C(IDC_LIST_TITLE)));
        for (size_t i = 0; i < page.buttons.size(); ++i) {
            EXPECT_EQ(page.buttons[i], TextOf(C(IDC_LIST_BUTTON0 + static_cast<int>(i)))) << "button " << i;
            // Two-line captions need a button that breaks lines.
            EXPECT_TRUE(GetWindowLongA(C(IDC_LIST_BUTTON0 + static_cast<int>(i)), GWL_STYLE) & BS_MULTILINE);
        }
        if (page.visible.count(IDC_CHECK0)) {
            EXPECT_EQ(page.check0, TextOf(C(IDC_CHECK0)));
        }
        if (page.visible.count(IDC_CHECK0 + 1)) {
            EXPECT_EQ(page.check1, TextOf(C(IDC_CHECK0 + 1)));
        }

        // Bold mode button, checked view item, frame and panel in the page's colours.
        for (int i = 0; i < kModeCount; ++i) {
            EXPECT_EQ(i == page.mode ? FW_BOLD : FW_NORMAL, FontWeight(C(IDC_MODE0 + i))) << "button " << i;
            EXPECT_EQ(i == page.mode ? MF_CHECKED : 0u,
                      GetMenuState(bar, IDC_VIEW_MODE0 + i, MF_BYCOMMAND) & MF_CHECKED) << "view item " << i;
        }
        ptrtest::PumpFor(100);
        wintest::ScreenShot shot(window->Window());
        shot.Save("settings_mode" + std::to_string(page.mode));
        const ModeColours colours = ModeColour(page.mode);
        const RECT button = ClientRectOf(C(IDC_MODE0 + page.mode));
        EXPECT_EQ(colours.strong, shot.Pixel(button.left - 1, (button.top + button.bottom) / 2));
        EXPECT_EQ(colours.strong, shot.Pixel((button.left + button.right) / 2, button.bottom));
        const RECT title = ClientRectOf(C(IDC_MODE_TITLE));
        EXPECT_EQ(colours.light, shot.Pixel(title.right - 2, title.top + 2));
        const RECT info = ClientRectOf(C(IDC_INFORMATION));
        EXPECT_EQ(colours.light, shot.Pixel(info.right - 2, info.bottom + 4));   // the panel below the text
        // The other mode buttons have no frame.
        const RECT other = ClientRectOf(C(IDC_MODE0 + (page.mode + 1) % kModeCount));
        EXPECT_NE(colours.strong, shot.Pixel(other.left - 1, (other.top + other.bottom) / 2));
    }
}

TEST_F(SettingsPages, ListRowsAndTheirMarks) {
    CheckList &list = window->lstView();
    struct Rows {
        int mode;
        std::vector<std::pair<std::string, bool>> rows;
    };
    const Rows expected[] = {
        {kModeWatch, {{"実行 / 開く(notepad.exe)", true}, {"クリップボード監視無効", false}}},
        {kModeHotkey,
         {{"ACS+F11     メニュー表示(ツール)", false}, {"ACS+F11     (無効)", false}}},
        {kModeMenu, {{"デフォルトメニュー(全機能選択)", false}, {"ツール", true}}},
        {kModePlugin, {{"テキスト変換", false}, {"履歴", false}, {"インターネット利用", false}, {"定型文", false},
                         {"テキスト", false}}},
    };
    for (const Rows &page : expected) {
        SCOPED_TRACE("mode " + std::to_string(page.mode));
        ClickMode(page.mode);
        ASSERT_EQ(static_cast<int>(page.rows.size()), list.Count());
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(page.rows[i].first, list.Text(i)) << "row " << i;
            EXPECT_EQ(page.rows[i].second, list.Checked(i)) << "row " << i;
        }
        EXPECT_EQ(0, list.Selected());   // the first row is selected
    }
    ClickMode(kModeBasic);
    EXPECT_EQ(0, list.Count());
    ClickMode(kModeInformation);
    const std::string version = TextOf(C(IDC_INFORMATION));
    EXPECT_EQ(0u, version.find("*** バージョン情報 ***\r\nポルテリカ Ver.1.1.0\r\n*** プラグイン情報 ***\r\n"))
        << version;
}

TEST_F(SettingsPages, SamePageAgainRebuildsFromTheLists) {
    ClickMode(kModeWatch);
    EXPECT_EQ(2, window->lstView().Count());
    App().WatchActions[1].Enable = true;
    ClickMode(kModeWatch);
    EXPECT_TRUE(window->lstView().Checked(1));
    App().WatchActions = EmptyWatchList();
    ClickMode(kModeWatch);
    EXPECT_EQ(0, window->lstView().Count());   // the placeholder shows no row
    EXPECT_EQ("", TextOf(C(IDC_INFORMATION)));
    App().WatchActions = WatchActionList(2);
    App().WatchActions[0].Function = 3;
    App().WatchActions[0].Option = "notepad.exe";
    App().WatchActions[0].Enable = true;
    App().WatchActions[1].Function = 0;
    App().WatchActions[1].Option = "9";
}

TEST_F(SettingsPages, CheckBoxesChangeTheSettingsOfTheirPage) {
    AppState &app = App();
    const auto click = [&](int box) {
        SendMessageA(C(IDC_CHECK0 + box), BM_CLICK, 0, 0);
        ptrtest::PumpFor(50);
    };
    ClickMode(kModeBasic);
    EXPECT_EQ(BST_CHECKED, SendMessageA(C(IDC_CHECK0), BM_GETCHECK, 0, 0));
    click(0);
    EXPECT_FALSE(app.Settings.SplashShow);
    click(1);
    EXPECT_FALSE(app.Settings.EndingCheck);
    click(0);
    click(1);
    EXPECT_TRUE(app.Settings.SplashShow);
    EXPECT_TRUE(app.Settings.EndingCheck);

    ClickMode(kModeWatch);
    EXPECT_EQ(BST_CHECKED, SendMessageA(C(IDC_CHECK0), BM_GETCHECK, 0, 0));
    click(0);
    EXPECT_FALSE(app.Settings.ClipboardWatch);
    click(0);
    EXPECT_TRUE(app.Settings.ClipboardWatch);
    EXPECT_EQ(BST_CHECKED, SendMessageA(C(IDC_CHECK0 + 1), BM_GETCHECK, 0, 0)) << "private copies left alone";
    click(1);
    EXPECT_FALSE(app.Settings.IgnorePrivate);
    click(1);
    EXPECT_TRUE(app.Settings.IgnorePrivate);

    ClickMode(kModeMenu);
    click(0);
    EXPECT_FALSE(app.Settings.DefaultMenu);
    click(0);
    EXPECT_TRUE(app.Settings.DefaultMenu);
}

TEST_F(SettingsPages, MarksSetByTheUser) {
    CheckList &list = window->lstView();
    // A click on a row's check box, as the mouse makes it.
    const auto clickBox = [&](int row) {
        RECT r;
        SendMessageA(list.Handle(), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM(r.left + 6, (r.top + r.bottom) / 2);
        SendMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list.Handle(), WM_LBUTTONUP, 0, at);
        ptrtest::PumpFor(50);
    };
    AppState &app = App();
    ClickMode(kModeMenu);
    clickBox(0);   // the default menu becomes the task menu, the other row loses its mark
    EXPECT_TRUE(list.Checked(0));
    EXPECT_FALSE(list.Checked(1));
    EXPECT_EQ("/default", app.Settings.TaskMenu);
    clickBox(0);   // and unchecking leaves no task menu
    EXPECT_FALSE(list.Checked(0));
    EXPECT_EQ("", app.Settings.TaskMenu);
    clickBox(1);
    EXPECT_EQ("Tools.mnu", app.Settings.TaskMenu);   // the file's own name

    ClickMode(kModeWatch);
    clickBox(1);
    EXPECT_TRUE(app.WatchActions[1].Enable);
    SendMessageA(list.Handle(), WM_CHAR, ' ', 0);   // the space bar flips the selected row
    EXPECT_FALSE(app.WatchActions[1].Enable);
    EXPECT_FALSE(list.Checked(1));

    ClickMode(kModePlugin);
    clickBox(0);
    EXPECT_FALSE(list.Checked(0));   // plug-ins have no mark to set
}

TEST_F(SettingsPages, ToolTipsFollowThePage) {
    const ToolTips &tips = window->Tips();
    EXPECT_EQ("クリップボード監視に関する設定を行います。", tips.Text(C(IDC_MODE0 + 1)));
    EXPECT_EQ("現在の設定を保存します。 通常、設定情報は終了時に保存されます。", tips.Text(C(IDC_SAVE)));
    EXPECT_EQ("この画面を閉じます。", tips.Text(C(IDC_CLOSE)));
    ClickMode(kModeMenu);
    EXPECT_EQ("選択されたメニューの表示テストをします。", tips.Text(C(IDC_LIST_BUTTON0 + 3)));
    EXPECT_EQ("起動時に、デフォルトメニュー(全プラグイン機能選択)を生成します。", tips.Text(C(IDC_CHECK0)));
    ClickMode(kModeBasic);
    EXPECT_EQ("スタートアップの登録を行います。", tips.Text(C(IDC_LIST_BUTTON0)));
    EXPECT_EQ("動作を実行するショートカットファイルを作成します。", tips.Text(C(IDC_LIST_BUTTON0 + 1)));
    EXPECT_EQ("本ソフト終了時に、確認メッセージを表示します。", tips.Text(C(IDC_CHECK0 + 1)));
}

TEST_F(SettingsPages, HalfHeightButtonsOnlyOnTheWatchPage) {
    ClickMode(kModeWatch);
    const RECT up = ClientRectOf(C(IDC_LIST_BUTTON0 + 3)), down = ClientRectOf(C(IDC_LIST_BUTTON0 + 4));
    const RECT first = ClientRectOf(C(IDC_LIST_BUTTON0));
    EXPECT_EQ(19, up.bottom - up.top);   // 292 twips
    EXPECT_EQ(first.top, up.top);
    EXPECT_EQ(170, down.top);            // 2557 twips
    EXPECT_EQ(19, down.bottom - down.top);
    ClickMode(kModeMenu);
    const RECT test = ClientRectOf(C(IDC_LIST_BUTTON0 + 3));
    EXPECT_EQ(first.top, test.top);
    EXPECT_EQ(first.bottom - first.top, test.bottom - test.top);
}

TEST_F(SettingsPages, TheCloseButtonAndTheCloseBoxOnlyHide) {
    SendMessageA(C(IDC_CLOSE), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window->Window()));
    window->Show2();
    SendMessageA(window->Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ptrtest::PumpFor(50);
    EXPECT_FALSE(IsWindowVisible(window->Window()));
    EXPECT_EQ(window, App().SettingsWindow);
    window->Show2();
    EXPECT_TRUE(IsWindowVisible(window->Window()));
}

}  // namespace

// The program's manifest asks for the common controls of version 6 (visual styles);
// this test program carries the same resources.
TEST(ProgramResources, CommonControlsSixAndTheProgramsPictures) {
    // Only the buttons of version 6 know their ideal size.
    const HWND button = CreateWindowExA(0, "BUTTON", "設定の保存", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 30, nullptr,
                                        nullptr, nullptr, nullptr);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageA(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    EXPECT_GT(ideal.cx, 0);
    DestroyWindow(button);

    const HINSTANCE self = GetModuleHandleA(nullptr);
    // An image of its own for each size Windows asks for from 100 % to 200 % display
    // scale, so none is a blurred stretch of another.
    const HRSRC group = FindResourceA(self, MAKEINTRESOURCEA(IDI_PROGRAM), MAKEINTRESOURCEA(14));   // RT_GROUP_ICON
    ASSERT_NE(nullptr, group);
    const auto *directory = static_cast<const BYTE *>(LockResource(LoadResource(self, group)));
    const int count = directory[4] | directory[5] << 8;
    std::set<int> widths;
    for (int i = 0; i < count; ++i) widths.insert(directory[6 + 14 * i]);   // 14-byte entries from byte 6
    EXPECT_EQ((std::set<int>{16, 20, 24, 32, 40, 48}), widths);
    for (int size : {16, 20, 24, 32, 40, 48}) {
        const HICON icon =
            static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info{};
        GetIconInfo(icon, &info);
        BITMAP bm{};
        GetObjectA(info.hbmColor, sizeof bm, &bm);
        EXPECT_EQ(size, bm.bmWidth) << "an icon drawn at " << size << " pixels";
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    const struct {
        int id, width, height;
    } pictures[] = {{IDB_SPLASH_STRIP, 320, 1}, {IDB_INFORMATION, 317, 121}};
    for (const auto &p : pictures) {
        const HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(self, MAKEINTRESOURCEA(p.id), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(nullptr, bitmap) << p.id;
        BITMAP bm{};
        GetObjectA(bitmap, sizeof bm, &bm);
        EXPECT_EQ(p.width, bm.bmWidth) << p.id;
        EXPECT_EQ(p.height, bm.bmHeight) << p.id;
        DeleteObject(bitmap);
    }
}
