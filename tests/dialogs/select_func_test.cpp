// The function selection dialog over loaded plug-ins (the probe and the two standard
// ones) and menus (a menu file and the generated default menu), driven through its
// controls as a user drives it.
#include <gtest/gtest.h>

#include <memory>

#include "app_state.h"
#include "dialog_driver.h"
#include "frmSelectFunc.h"
#include "frmSelectFunc_ids.h"
#include "screen_capture.h"

using dlgtest::Driver;

namespace {

const char kToolsMenu[] =
    "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
    "[Menu]\r\n001Caption=メモ帳\r\n001Type=Function\r\n001FuncType= 3\r\n001FuncOption=notepad.exe\r\n";

constexpr int kValue1 = IDC_SELFUNC_VALUE0 + 1, kValue2 = IDC_SELFUNC_VALUE0 + 2;
const std::vector<std::string> kProbeActions = {"Record", "Rewrite", "Choose"};
const std::vector<std::string> kProbeChecks = {"CheckA", "CheckB"};

class SelectFunc : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new dlgtest::DialogProgram(
            {{dlgtest::TestPlugin("e2e_probe.tlx"), dlgtest::StandardPlugin("tlxText.tlx"),
              dlgtest::StandardPlugin("tlxInternet.tlx")},
             {{"Tools.mnu", kToolsMenu}},
             true});
    }
    static void TearDownTestSuite() { delete program; }
    void SetUp() override { ASSERT_TRUE(program->Ready()); }

    // Opens a dialog of that mode with that function to preselect and runs the script
    // on it; the dialog is there to read afterwards.
    std::unique_ptr<ptr::frmSelectFunc> Run(int mode, int type, const std::string &option,
                                            const std::function<void(Driver &, HWND)> &script) {
        auto dialog = std::make_unique<ptr::frmSelectFunc>();
        dialog->EditMode = mode;
        dialog->EditFuncType = type;
        dialog->EditFuncOption = option;
        dialog->FormBackColor = RGB(0xFF, 0xF0, 0xE0);
        dlgtest::RunModal([&] { dialog->Show2(1, program->Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ", program->Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
        });
        return dialog;
    }
    static std::string ProbeIni() { return ptr::App().PluginsPath + "e2e_probe.ini"; }
    static std::string ProbeLog() { return ptr::App().PluginsPath + "e2e_probe.log"; }

    static dlgtest::DialogProgram *program;
};
dlgtest::DialogProgram *SelectFunc::program = nullptr;

std::string Hex(HWND w) {
    char text[32];
    snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(w)));
    return text;
}

TEST_F(SelectFunc, EveryCallerGetsItsTitleAndCategories) {
    struct Row {
        int mode;
        std::string title;
        std::vector<std::string> categories;
        int selected;
        std::string frame, cancel;
        bool ok;
    } rows[] = {
        {0, "ポルテリカ - ホットキー設定", {"プログラム動作", "プラグイン機能", "メニュー表示", "実行 / 開く"}, 0, "機能", "キャンセル", true},
        {1, "ポルテリカ - ホットキー変更", {"プログラム動作", "プラグイン機能", "メニュー表示", "実行 / 開く"}, 0, "機能", "キャンセル", true},
        {2, "ポルテリカ - クリップボード監視動作追加", {"プラグイン機能", "メニュー表示", "実行 / 開く"}, 0, "機能", "キャンセル", true},
        {3, "ポルテリカ - クリップボード監視動作変更", {"プラグイン機能", "メニュー表示", "実行 / 開く"}, -1, "機能", "キャンセル", true},
        {5, "ポルテリカ - メニュー機能選択", {"プラグイン機能", "実行 / 開く"}, 0, "機能", "キャンセル", true},
        {6, "ポルテリカ - プラグイン設定", {"プラグイン本体", "プラグイン機能"}, 0, "設定する項目", "閉じる", false},
        {7, "ポルテリカ - チェック機能選択", {"プラグイン機能"}, 0, "機能", "キャンセル", true},
        {8, "ポルテリカ - ショートカット機能選択", {"プログラム動作", "プラグイン機能", "メニュー表示"}, 0, "機能", "キャンセル", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.title);
        Run(row.mode, -1, "", [&](Driver &d, HWND w) {
            EXPECT_EQ(row.title, Driver::Text(w));
            EXPECT_EQ(row.categories, Driver::Items(w, IDC_SELFUNC_CATEGORY));
            EXPECT_EQ(row.selected, Driver::Selected(w, IDC_SELFUNC_CATEGORY));
            EXPECT_EQ(row.frame, Driver::Text(w, IDC_SELFUNC_FRAME));
            EXPECT_EQ(row.cancel, Driver::Text(w, IDC_SELFUNC_CANCEL));
            EXPECT_EQ(row.ok, Driver::Visible(w, IDC_SELFUNC_OK));
            EXPECT_EQ(GetDlgItem(w, IDC_SELFUNC_CATEGORY), d.Focus());   // the first control
            d.Key(w, VK_ESCAPE);
            EXPECT_TRUE(d.WaitClosed(w));
        });
    }
}

TEST_F(SelectFunc, ProgramFunctionsEndWithQuit) {
    Run(0, -1, "", [&](Driver &d, HWND w) {
        const std::vector<std::string> items = Driver::Items(w, IDC_SELFUNC_VALUE0);
        ASSERT_EQ(10u, items.size());
        EXPECT_EQ("設定画面(基本)", items.front());
        EXPECT_EQ("クリップボード監視(TOGGLE)", items[8]);
        EXPECT_EQ("終了", items.back());
        EXPECT_EQ("基本設定画面表示", Driver::Text(w, IDC_SELFUNC_INFO));
        EXPECT_FALSE(Driver::Visible(w, IDC_SELFUNC_SETTING));
        d.Select(w, IDC_SELFUNC_VALUE0, 9);
        EXPECT_EQ("プログラム終了", Driver::Text(w, IDC_SELFUNC_INFO));
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
}

TEST_F(SelectFunc, OnlyTheFunctionsOfTheCallersKindAreListed) {
    struct Row {
        int mode;
        std::vector<std::string> functions;
    } rows[] = {
        {0, kProbeActions}, {1, kProbeActions}, {2, kProbeActions}, {3, kProbeActions}, {5, kProbeActions},
        {8, kProbeActions}, {7, kProbeChecks},  {6, {"Record", "CheckA", "CheckB", "Rewrite", "Choose"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.mode);
        Run(row.mode, -1, "", [&](Driver &d, HWND w) {
            ASSERT_TRUE(d.SelectText(w, IDC_SELFUNC_CATEGORY, "プラグイン機能"));
            ASSERT_TRUE(d.SelectText(w, IDC_SELFUNC_VALUE0, "e2e_probe"));
            EXPECT_EQ(row.functions, Driver::Items(w, kValue1));
            d.Key(w, VK_ESCAPE);
            EXPECT_TRUE(d.WaitClosed(w));
        });
    }
}

TEST_F(SelectFunc, ThePreselectedFunctionComesBackFromOk) {
    struct Row {
        int type;
        std::string option;
        std::string category, value0, value1, value2, path, info;
        std::string result;
    } rows[] = {
        {0, " 3", "プログラム動作", "設定画面(ﾎｯﾄｷｰ)", "", "", "", "ホットキー設定画面表示", "3"},
        {1, "E2E_PROBE.TLX/5/2", "プラグイン機能", "e2e_probe", "Choose", "002:S2", "",
         "プラグイン機能(e2e_probe:Choose/S2)\r\n", "e2e_probe.tlx/5/2"},
        {2, "TOOLS.MNU", "メニュー表示", "ツール", "", "", "", "メニュー表示(ツール)", "Tools.mnu"},
        {2, "/default", "メニュー表示", "デフォルトメニュー(全機能選択)", "", "", "",
         "メニュー表示(デフォルトメニュー(全機能選択))", "/default"},
        {3, "http://example.com/", "実行 / 開く", "", "", "", "http://example.com/", "実行 / 開く(http://example.com/)",
         "http://example.com/"},
        // A plug-in that is not loaded: the first plug-in stays, with its first function.
        {1, "nothing.tlx/2/1", "プラグイン機能", "e2e_probe", "Record", "001:(設定名無し)", "",
         "プラグイン機能(e2e_probe:Record/(設定名無し))\r\n", "e2e_probe.tlx/1/1"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.option);
        const auto dialog = Run(1, row.type, row.option, [&](Driver &d, HWND w) {
            EXPECT_EQ(row.category, Driver::SelectedText(w, IDC_SELFUNC_CATEGORY));
            EXPECT_EQ(row.value0, Driver::SelectedText(w, IDC_SELFUNC_VALUE0));
            EXPECT_EQ(row.value1, Driver::SelectedText(w, kValue1));
            EXPECT_EQ(row.value2, Driver::SelectedText(w, kValue2));
            EXPECT_EQ(row.path, Driver::Text(w, IDC_SELFUNC_PATH));
            EXPECT_EQ(row.info, Driver::Text(w, IDC_SELFUNC_INFO));
            d.Key(w, VK_RETURN);
            EXPECT_TRUE(d.WaitClosed(w));
        });
        EXPECT_EQ(1, dialog->EditMode);
        EXPECT_EQ(row.type, dialog->EditFuncType);
        EXPECT_EQ(row.result, dialog->EditFuncOption);
    }
}

TEST_F(SelectFunc, WatchActionChangeStartsWithTheActionsCategory) {
    // Mode 3 offers no category until the action's own function selects one.
    const auto dialog = Run(3, 3, "notepad.exe", [&](Driver &d, HWND w) {
        EXPECT_EQ("実行 / 開く", Driver::SelectedText(w, IDC_SELFUNC_CATEGORY));
        EXPECT_EQ("notepad.exe", Driver::Text(w, IDC_SELFUNC_PATH));
        d.Type(GetDlgItem(w, IDC_SELFUNC_PATH), "calc.exe");
        EXPECT_EQ("実行 / 開く(calc.exe)", Driver::Text(w, IDC_SELFUNC_INFO));
        d.Click(w, IDC_SELFUNC_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(3, dialog->EditFuncType);
    EXPECT_EQ("calc.exe", dialog->EditFuncOption);
}

TEST_F(SelectFunc, OkWithoutAFunctionOfTheWantedKindDoesNothing) {
    const auto dialog = Run(7, 1, "tlxInternet.tlx/1/1", [&](Driver &d, HWND w) {
        // The text plug-in has no checks.
        ASSERT_TRUE(d.SelectText(w, IDC_SELFUNC_VALUE0, ptr::App().Plugins.Find("tlxText.tlx")->PluginName()));
        EXPECT_TRUE(Driver::Items(w, kValue1).empty());
        EXPECT_TRUE(Driver::Items(w, kValue2).empty());
        EXPECT_EQ("", Driver::Text(w, IDC_SELFUNC_INFO));
        EXPECT_FALSE(Driver::Enabled(w, IDC_SELFUNC_SETTING));
        d.Key(w, VK_RETURN);
        d.Click(w, IDC_SELFUNC_OK);
        d.Sync();
        EXPECT_FALSE(d.WaitClosed(w, 300));
        d.Click(w, IDC_SELFUNC_CANCEL);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(-1, dialog->EditMode);
    EXPECT_EQ(1, dialog->EditFuncType);
    EXPECT_EQ("tlxInternet.tlx/1/1", dialog->EditFuncOption);
}

TEST_F(SelectFunc, CancelEscAndTheCloseBoxReturnMinusOne) {
    const std::function<void(Driver &, HWND)> ways[] = {
        [](Driver &d, HWND w) { d.Click(w, IDC_SELFUNC_CANCEL); },
        [](Driver &d, HWND w) { d.Key(w, VK_ESCAPE); },
        [](Driver &, HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto &way : ways) {
        const auto dialog = Run(0, 0, "8", [&](Driver &d, HWND w) {
            d.Select(w, IDC_SELFUNC_VALUE0, 0);
            way(d, w);
            EXPECT_TRUE(d.WaitClosed(w));
        });
        EXPECT_EQ(-1, dialog->EditMode);
        EXPECT_EQ("8", dialog->EditFuncOption);
    }
}

TEST_F(SelectFunc, ASettingsDialogRenamesTheSettingEntry) {
    DeleteFileA(ProbeLog().c_str());
    Run(0, 1, "e2e_probe.tlx/5/2", [&](Driver &d, HWND w) {
        EXPECT_TRUE(Driver::Enabled(w, IDC_SELFUNC_SETTING));
        EXPECT_EQ("設定", Driver::Text(w, IDC_SELFUNC_SETTING));
        // What the plug-in's settings dialog saves.
        WritePrivateProfileStringA("SettingName", "5.2", "夜の設定", ProbeIni().c_str());
        EXPECT_TRUE(d.Click(w, IDC_SELFUNC_SETTING));
        d.Sync();
        EXPECT_EQ("Setting 5 2 " + Hex(w) + "\r\n", ptrtest::ReadFileBytes(ProbeLog()));
        EXPECT_EQ((std::vector<std::string>{"001:S1", "002:夜の設定", "003:S3"}), Driver::Items(w, kValue2));
        EXPECT_EQ("002:夜の設定", Driver::SelectedText(w, kValue2));
        EXPECT_EQ("プラグイン機能(e2e_probe:Choose/夜の設定)\r\n", Driver::Text(w, IDC_SELFUNC_INFO));
        // Functions without settings leave the button disabled.
        d.Select(w, kValue1, 0);
        EXPECT_FALSE(Driver::Enabled(w, IDC_SELFUNC_SETTING));
        d.Key(w, VK_ESCAPE);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    WritePrivateProfileStringA("SettingName", nullptr, nullptr, ProbeIni().c_str());
}

TEST_F(SelectFunc, EditingTheDefaultMenuAsksToRebuildIt) {
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        Run(0, 2, "/default", [&](Driver &d, HWND w) {
            EXPECT_EQ("編集", Driver::Text(w, IDC_SELFUNC_SETTING));
            EXPECT_TRUE(d.Click(w, IDC_SELFUNC_SETTING));
            const HWND question = d.WaitForDialog("ポルテリカ", w);
            ASSERT_NE(nullptr, question);
            EXPECT_EQ("デフォルトメニューを再構築しますか？", Driver::MessageText(question));
            EXPECT_TRUE(d.Click(question, answer));
            EXPECT_TRUE(d.WaitClosed(question));
            if (answer == IDYES) {
                const HWND done = d.WaitForDialog("ポルテリカ", w);
                ASSERT_NE(nullptr, done);
                EXPECT_EQ("再構築が終了しました。", Driver::MessageText(done));
                d.Key(done, VK_RETURN);
                EXPECT_TRUE(d.WaitClosed(done));
            } else {
                EXPECT_EQ(nullptr, d.WaitForDialog("ポルテリカ", w, 300));
            }
            d.Key(w, VK_ESCAPE);
            EXPECT_TRUE(d.WaitClosed(w));
        });
    }
}

TEST_F(SelectFunc, TheBrowseMenuFillsThePathFromAFileOrAnInternetShortcut) {
    const std::string exe = program->Folder() + "tool.exe";
    const std::string withUrl = program->Folder() + "サイト.url";
    const std::string withoutUrl = program->Folder() + "空.url";
    ASSERT_TRUE(ptrtest::WriteFileBytes(exe, "MZ"));
    ASSERT_TRUE(ptrtest::WriteFileBytes(withUrl, "[InternetShortcut]\r\nURL=http://example.com/a\r\n"));
    ASSERT_TRUE(ptrtest::WriteFileBytes(withoutUrl, "[InternetShortcut]\r\nIconIndex=0\r\n"));
    struct Row {
        char item;
        const char *title;
        std::string typed, expected;
    } rows[] = {
        {'o', "ファイルを開く", exe, exe},
        {'h', "ショートカットを開く", withUrl, "http://example.com/a"},
        {'h', "ショートカットを開く", withoutUrl, withoutUrl},
        {'o', "ファイルを開く", "", withoutUrl},   // cancelled: the path stays
    };
    const auto dialog = Run(0, 3, "", [&](Driver &d, HWND w) {
        for (const Row &row : rows) {
            SCOPED_TRACE(row.typed);
            EXPECT_TRUE(d.Click(w, IDC_SELFUNC_BROWSE));
            const HWND menu = d.WaitForMenu();
            ASSERT_NE(nullptr, menu);
            d.Char(menu, row.item);
            EXPECT_TRUE(d.AnswerFileDialog(w, row.title, row.typed));
            d.Sync();
            EXPECT_EQ(row.expected, Driver::Text(w, IDC_SELFUNC_PATH));
        }
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(3, dialog->EditFuncType);
    EXPECT_EQ(withoutUrl, dialog->EditFuncOption);
}

TEST_F(SelectFunc, PluginBrowserOpensAPluginsOwnSettings) {
    const auto dialog = Run(6, -1, "tlxinternet.tlx", [&](Driver &d, HWND w) {
        const ptr::vbKXPlugin *internet = ptr::App().Plugins.Find("tlxInternet.tlx");
        ASSERT_NE(nullptr, internet);
        EXPECT_EQ(internet->PluginName(), Driver::SelectedText(w, IDC_SELFUNC_VALUE0));
        EXPECT_EQ(internet->PluginComment(), Driver::Text(w, IDC_SELFUNC_INFO));
        EXPECT_EQ(internet->IsSetting(), Driver::Enabled(w, IDC_SELFUNC_SETTING));
        EXPECT_FALSE(Driver::Visible(w, kValue1));
        const ptr::vbKXPlugin *text = ptr::App().Plugins.Find("tlxText.tlx");
        ASSERT_NE(nullptr, text);
        ASSERT_TRUE(d.SelectText(w, IDC_SELFUNC_VALUE0, text->PluginName()));
        EXPECT_EQ(text->PluginComment(), Driver::Text(w, IDC_SELFUNC_INFO));
        EXPECT_TRUE(Driver::Enabled(w, IDC_SELFUNC_SETTING));
        // The plug-in's settings dialog, owned by this one.
        EXPECT_TRUE(d.Click(w, IDC_SELFUNC_SETTING));
        const HWND settings = d.WaitForDialog("", w);
        ASSERT_NE(nullptr, settings);
        d.Key(settings, VK_ESCAPE);
        EXPECT_TRUE(d.WaitClosed(settings));
        d.Key(w, VK_RETURN);   // Enter is "閉じる"
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(-1, dialog->EditMode);
}

}  // namespace

namespace {

// Whether every caption shown fits its control in the control's own font.
void ExpectCaptionsFit(HWND w, int line) {
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(c, cls, sizeof cls);
        const std::string text = Driver::Text(c);
        if (!IsWindowVisible(c) || text.empty() || (strcmp(cls, "Static") && strcmp(cls, "Button"))) continue;
        const HDC dc = GetDC(c);
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(c, dc);
        RECT r;
        GetClientRect(c, &r);
        EXPECT_LE(size.cx, r.right - 4) << "line " << line << ": " << text;
    }
}

}  // namespace

TEST_F(SelectFunc, EveryCategoryLooksFinishedNormallyAndInHelpMode) {
    struct Shot {
        int mode, category;
        const char *name;
    } shots[] = {{0, 0, "program"}, {0, 1, "plugin"}, {0, 2, "menu"}, {0, 3, "open"}, {6, 0, "plugin_settings"}};
    for (bool help : {false, true}) {
        std::unique_ptr<dlgtest::HelpModeOn> helpMode;
        if (help) helpMode = std::make_unique<dlgtest::HelpModeOn>();
        for (const Shot &shot : shots) {
            SCOPED_TRACE(shot.name);
            Run(shot.mode, -1, "", [&](Driver &d, HWND w) {
                d.Select(w, IDC_SELFUNC_CATEGORY, shot.category);
                // Help mode's fixed-pitch font is wider than the enlargement: its captions
                // are not checked yet.
                if (!help) ExpectCaptionsFit(w, __LINE__);
                EXPECT_TRUE(d.Screenshot(w, std::string("select_func_") + shot.name + (help ? "_helpmode" : "")));
                d.Key(w, VK_ESCAPE);
                EXPECT_TRUE(d.WaitClosed(w));
            });
        }
    }
}
