// The list buttons of the settings window open their editors over the window in the
// running program; what the editors hand back lands in the list, the information box,
// the menu files and, once saved, Setting.ini. Cancelling an editor changes nothing.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e_support.h"
#include "frmHotkey_ids.h"
#include "frmInputBox_ids.h"
#include "frmMenuEdit_ids.h"
#include "frmSelectFunc_ids.h"
#include "frmWatch_ids.h"
#include "program_dialogs.h"
#include "resource_ids.h"
#include "screen_capture.h"

using e2e::Answer;
using e2e::PressButton;
using e2e::ProgramFolder;
using e2e::SettingsWindow;
using e2e::TextOf;
using Rows = std::vector<std::string>;

namespace {

const char kMain[] = "[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n";

struct ListDialogs : testing::Test {
    ProgramFolder program;
    SettingsWindow window;
    COLORREF pageColour = CLR_INVALID;

    void SetUp() override { program.AddProbe("tlxProbe", "Probe"); }

    // Starts the program over these settings and opens the window at a page.
    void OpenAt(const std::string &settings, int page) {
        program.WriteSettings(settings);
        ASSERT_TRUE(program.Start());
        OpenPage(page);
    }
    // Opens the window of the running program at a page and notes the page's colour.
    void OpenPage(int page) {
        ASSERT_TRUE(window.Open(program, page));
        ptrtest::PumpFor(200);
        RECT title;
        GetWindowRect(window.Control(IDC_MODE_TITLE), &title);
        MapWindowPoints(HWND_DESKTOP, window.Handle(), reinterpret_cast<POINT *>(&title), 2);
        pageColour = wintest::ScreenShot(window.Handle()).Pixel(title.right - 2, title.top + 2);
    }

    // The dialog with this title that a press opened over `owner` (the window when null):
    // owned by it, centred on it, its first control focused and, for an editor, painted in
    // the page's light colour. shot: the picture's name, "" for none.
    HWND Opened(const std::string &title, const std::string &shot, int line, HWND owner = nullptr, bool editor = true) {
        testing::ScopedTrace trace(__FILE__, line, "opened here");
        if (!owner) owner = window.Handle();
        const HWND dialog = e2e::WaitForWindow(GetProcessId(program.Process()), "#32770", title);
        if (!dialog) {
            ADD_FAILURE() << "no dialog " << title;
            return nullptr;
        }
        ptrtest::PumpFor(300);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        RECT d, o;
        GetWindowRect(dialog, &d);
        GetWindowRect(owner, &o);
        EXPECT_LE(std::abs((d.left + d.right) - (o.left + o.right)), 2) << "centred across";
        EXPECT_LE(std::abs((d.top + d.bottom) - (o.top + o.bottom)), 2) << "centred down";
        const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
        const HWND focus = thread.hwndFocus;
        EXPECT_TRUE(focus && (focus == first || IsChild(first, focus)))
            << "focus on " << GetDlgCtrlID(focus) << ", first control " << GetDlgCtrlID(first);
        if (editor) {
            EXPECT_EQ(wintest::ScreenShot(dialog).Pixel(2, 2), pageColour) << "background";
        }
        if (!shot.empty()) wintest::ScreenShot(dialog, false).Save(shot);
        return dialog;
    }

    // Picks a function in the selection dialog that `editor` opened, and confirms it.
    void PickFunction(HWND editor, const std::string &category, const Rows &values, int line) {
        testing::ScopedTrace trace(__FILE__, line, "picked here");
        const HWND select = e2e::WaitForWindow(GetProcessId(program.Process()), "#32770", "", 5000, editor);
        ASSERT_NE(select, nullptr) << "no selection dialog";
        ptrtest::PumpFor(300);
        EXPECT_TRUE(e2e::PickComboItem(select, IDC_SELFUNC_CATEGORY, category)) << category;
        for (size_t i = 0; i < values.size(); ++i) {
            if (!values[i].empty()) {
                EXPECT_TRUE(e2e::PickComboItem(select, IDC_SELFUNC_VALUE0 + static_cast<int>(i), values[i])) << values[i];
            }
        }
        PressButton(select, IDOK);
        EXPECT_TRUE(e2e::WaitClosed(select));
    }

    // Closes an editor with a button and waits until the window has handled what it gave.
    void Close(HWND dialog, int button) {
        PressButton(dialog, button);
        EXPECT_TRUE(e2e::WaitClosed(dialog));
        ptrtest::PumpFor(200);
    }

    Rows RowsOf() const {
        Rows rows;
        for (int i = 0; i < window.Rows(); ++i) rows.push_back(window.Row(i) + (window.Marked(i) ? " [x]" : ""));
        return rows;
    }

    // Saves with the window's button, then closes the window.
    void SaveAndClose() {
        window.Save();
        SendMessageA(window.Control(IDC_CLOSE), BM_CLICK, 0, 0);
        EXPECT_TRUE(e2e::WaitClosed(window.Handle()));
    }
};

std::string MenuValue(const ProgramFolder &program, const std::string &file, const char *section, const char *key) {
    char value[512] = {};
    GetPrivateProfileStringA(section, key, "(missing)", value, sizeof value,
                             (program.Path() + "MenuData\\" + file).c_str());
    return value;
}

const char kTools[] = "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
                      "[Menu]\r\n001Caption=メモ帳\r\n001Type=Function\r\n001FuncType= 3\r\n001FuncOption=notepad.exe\r\n";

}  // namespace

TEST_F(ListDialogs, MenusAreCreatedAndEditedInTheMenuEditor) {
    program.WriteMenu("Tools.mnu", kTools);
    OpenAt(std::string(kMain) + "TaskMenu=Tools.mnu\r\n", 3);
    const std::string tools = ptrtest::ReadFileBytes(program.Path() + "MenuData\\Tools.mnu");

    // Cancelled: nothing changes, neither the row nor the file.
    window.DoubleClick();
    HWND editor = Opened("ポルテリカ - メニュー編集", "dialogs_menu_edit", __LINE__);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, IDC_MENUEDIT_NAME)), "ツール");
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "捨てる名前");
    Close(editor, IDCANCEL);
    EXPECT_EQ(RowsOf(), Rows{"ツール [x]"});
    EXPECT_EQ(ptrtest::ReadFileBytes(program.Path() + "MenuData\\Tools.mnu"), tools);

    // Saved: the row takes the new name and keeps its mark, the box the new comment.
    window.Press(1);
    editor = Opened("ポルテリカ - メニュー編集", "", __LINE__);
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "工具");
    e2e::TypeInto(editor, IDC_MENUEDIT_COMMENT, "毎日使う");
    Close(editor, IDOK);
    EXPECT_EQ(RowsOf(), Rows{"工具 [x]"});
    EXPECT_EQ(window.Information(), "毎日使う");
    EXPECT_EQ(MenuValue(program, "Tools.mnu", "Main", "MenuName"), "工具");

    // "新規": the name asked for, then the editor on the new file.
    window.Press(0);
    HWND box = Opened("メニュー作成", "dialogs_menu_name", __LINE__, nullptr, false);
    ASSERT_NE(box, nullptr);
    e2e::TypeInto(box, IDC_INPUTBOX_TEXT, "日課");
    Close(box, IDOK);
    editor = Opened("ポルテリカ - メニュー編集", "dialogs_menu_new", __LINE__);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, IDC_MENUEDIT_NAME)), "") << "a new menu";
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "日課メニュー");
    e2e::TypeInto(editor, IDC_MENUEDIT_CAPTION, "記録");
    PressButton(editor, IDC_MENUEDIT_SELECTFUNC);
    PickFunction(editor, "プラグイン機能", {"Probe", "Record"}, __LINE__);
    Close(editor, IDOK);
    EXPECT_EQ(RowsOf(), (Rows{"工具 [x]", "日課メニュー"}));
    EXPECT_EQ(window.Selected(), 1);
    EXPECT_EQ(window.Information(), "\r\nファイル名:日課.mnu");
    EXPECT_EQ(MenuValue(program, "日課.mnu", "Main", "MenuName"), "日課メニュー");
    EXPECT_EQ(MenuValue(program, "日課.mnu", "Menu", "001Caption"), "記録");
    EXPECT_EQ(MenuValue(program, "日課.mnu", "Menu", "001FuncOption"), "tlxProbe.tlx/1/1");

    // A new menu whose editor is cancelled is no menu: no row, no file.
    window.Press(0);
    box = Opened("メニュー作成", "", __LINE__, nullptr, false);
    ASSERT_NE(box, nullptr);
    e2e::TypeInto(box, IDC_INPUTBOX_TEXT, "試し.MNU");
    Close(box, IDOK);
    editor = Opened("ポルテリカ - メニュー編集", "", __LINE__);
    ASSERT_NE(editor, nullptr);
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "試し");
    Close(editor, IDCANCEL);
    EXPECT_EQ(window.Rows(), 2);
    EXPECT_EQ(GetFileAttributesA((program.Path() + "MenuData\\試し.MNU").c_str()), INVALID_FILE_ATTRIBUTES);

    SaveAndClose();
    EXPECT_EQ(e2e::Saved(program, "Main", "TaskMenu"), "Tools.mnu");
}

TEST_F(ListDialogs, WatchActionsAreAddedAndChangedInTheWatchEditor) {
    OpenAt(std::string(kMain) +
               "[Watch]\r\n001Enable= 1\r\n001Type=1\r\n001AllType= 0\r\n001Function= 3\r\n001Option=a.txt\r\n"
               "002Enable= 1\r\n002AllType= 1\r\n002Function= 3\r\n002Option=b.txt\r\n003Function=-1\r\n",
           1);
    // A new action goes first without a selection, else right after the selected row.
    const struct {
        int selected;
        Rows function;   // in the selection dialog: plug-in, function
        int row;
    } adds[] = {{-1, {"Probe", "Record"}, 0}, {1, {"Probe", "Rewrite"}, 2}, {3, {"Probe", "Choose"}, 4}};
    for (const auto &add : adds) {
        SCOPED_TRACE(add.function[1]);
        window.Select(add.selected);
        window.Press(0);
        const HWND editor = Opened("ポルテリカ - クリップボード監視動作追加", add.row ? "" : "dialogs_watch_add", __LINE__);
        ASSERT_NE(editor, nullptr);
        PressButton(editor, IDC_WATCH_FUNC_SELECT);
        PickFunction(editor, "プラグイン機能", add.function, __LINE__);
        Close(editor, IDOK);
        EXPECT_EQ(window.Selected(), add.row);
    }
    EXPECT_EQ(RowsOf(), (Rows{"プラグイン機能(Probe:Record/(設定名無し)) [x]", "実行 / 開く(a.txt) [x]",
                              "プラグイン機能(Probe:Rewrite/(設定名無し)) [x]", "実行 / 開く(b.txt) [x]",
                              "プラグイン機能(Probe:Choose/S1) [x]"}));
    EXPECT_EQ(window.Information(), "(有効)プラグイン機能(Probe:Choose/S1)\r\n全てのクリップボードデータ時に動作します。");

    // Cancelled: nothing is added.
    window.Press(0);
    HWND editor = Opened("ポルテリカ - クリップボード監視動作追加", "", __LINE__);
    ASSERT_NE(editor, nullptr);
    Close(editor, IDCANCEL);
    EXPECT_EQ(window.Rows(), 5);

    // "変更" by a double-click: the editor shows the action, the row takes what it gives.
    window.Select(1);
    window.DoubleClick();
    editor = Opened("ポルテリカ - クリップボード監視動作変更", "dialogs_watch_change", __LINE__);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(editor, IDC_WATCH_FUNC)), "実行 / 開く(a.txt)");
    SendMessageA(GetDlgItem(editor, IDC_WATCH_ALL_DATA), BM_CLICK, 0, 0);
    PressButton(editor, IDC_WATCH_FUNC_SELECT);
    PickFunction(editor, "プラグイン機能", {"Probe", "Record"}, __LINE__);
    Close(editor, IDOK);
    EXPECT_EQ(window.Row(1), "プラグイン機能(Probe:Record/(設定名無し))");
    EXPECT_EQ(window.Selected(), 1);
    EXPECT_EQ(window.Information(), "(有効)プラグイン機能(Probe:Record/(設定名無し))\r\n全てのクリップボードデータ時に動作します。");

    SaveAndClose();
    EXPECT_EQ(e2e::SavedEntries(program, "Watch", {"Enable", "AllType", "Function", "Option"}),
              (Rows{"1 1 1 tlxProbe.tlx/1/1", "1 1 1 tlxProbe.tlx/1/1", "1 1 1 tlxProbe.tlx/4/1", "1 1 3 b.txt",
                    "1 1 1 tlxProbe.tlx/5/1"}));
}

TEST_F(ListDialogs, HotkeysAreAddedAndChangedInTheHotkeyEditor) {
    program.WriteSettings(std::string(kMain) +
                          "[HotKey]\r\n001Function= 1\r\n001Key= 75\r\n001ModKey= 3\r\n001Option=tlxProbe.tlx/1/1\r\n"
                          "002Function= 1\r\n002Key= 75\r\n002ModKey= 3\r\n002Option=tlxProbe.tlx/5/2\r\n"
                          "003Function=-1\r\n");   // Alt+Ctrl+K twice: the second is not registered
    ASSERT_TRUE(program.Start());
    EXPECT_NE(Answer("ポルテリカ", IDOK), "");
    OpenPage(2);

    window.Press(0);
    HWND editor = Opened("ポルテリカ - ホットキー設定", "dialogs_hotkey_add", __LINE__);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(e2e::PickComboItem(editor, IDC_HOTKEY_KEY, "J"));
    SendMessageA(GetDlgItem(editor, IDC_HOTKEY_MOD0 + 1), BM_CLICK, 0, 0);   // Ctrl
    PressButton(editor, IDC_HOTKEY_FUNC_SELECT);
    PickFunction(editor, "プラグイン機能", {"Probe", "Rewrite"}, __LINE__);
    Close(editor, IDOK);
    EXPECT_EQ(window.Rows(), 3);
    EXPECT_EQ(window.Selected(), 2);
    EXPECT_EQ(window.Row(2), "C+J         プラグイン機能(Probe:Rewrite/(設定名無し))");
    EXPECT_EQ(window.Information(), "CTRL + J\r\nプラグイン機能(Probe:Rewrite/(設定名無し))");

    // "変更" unregisters the entry and registers it again with what the editor gives: the
    // taken combination stays unregistered, a free one is registered.
    const struct {
        const char *key;
        const char *row;
    } changes[] = {{"K", "AC+K        (無効)"}, {"L", "AC+L        プラグイン機能(Probe:Choose/S2)"}};
    for (const auto &change : changes) {
        SCOPED_TRACE(change.key);
        window.Select(1);
        window.DoubleClick();
        editor = Opened("ポルテリカ - ホットキー変更", "", __LINE__);
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(e2e::PickComboItem(editor, IDC_HOTKEY_KEY, change.key));
        Close(editor, IDOK);
        EXPECT_EQ(window.Row(1), change.row);
        EXPECT_EQ(window.Selected(), 1);
    }

    // Cancelled: the entry keeps its keys.
    window.Select(0);
    window.Press(1);
    editor = Opened("ポルテリカ - ホットキー変更", "", __LINE__);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(e2e::PickComboItem(editor, IDC_HOTKEY_KEY, "M"));
    Close(editor, IDCANCEL);
    EXPECT_EQ(window.Row(0), "AC+K        プラグイン機能(Probe:Record/(設定名無し))");

    SaveAndClose();
    EXPECT_EQ(e2e::SavedEntries(program, "HotKey", {"Function", "Key", "ModKey", "Option"}),
              (Rows{"1 75 3 tlxProbe.tlx/1/1", "1 76 3 tlxProbe.tlx/5/2", "1 74 2 tlxProbe.tlx/4/1"}));
}

TEST_F(ListDialogs, PluginSettingsOpenTheSelectionDialogOnThePlugin) {
    OpenAt(kMain, 4);
    window.Press(0);
    const HWND dialog = Opened("ポルテリカ - プラグイン設定", "dialogs_plugin_settings", __LINE__);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_SELFUNC_VALUE0)), "Probe");
    Close(dialog, IDCANCEL);
    window.DoubleClick();
    const HWND again = Opened("ポルテリカ - プラグイン設定", "", __LINE__);
    ASSERT_NE(again, nullptr);
    Close(again, IDCANCEL);
}
