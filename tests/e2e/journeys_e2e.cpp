// What a new user does with the unpacked release folder and nothing else: everything is
// made in the settings window and its editors, then used as it is meant to be used — a
// copy, a hotkey, the tray icon's menu, a shortcut. Each step leaves a screenshot in
// test-artifacts\journey_*.png.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <tuple>

#include "e2e_support.h"
#include "frmHotkey_ids.h"
#include "frmInputBox_ids.h"
#include "frmMenuEdit_ids.h"
#include "frmSelectFunc_ids.h"
#include "frmShortcut_ids.h"
#include "frmWatch_ids.h"
#include "program_dialogs.h"
#include "resource_ids.h"
#include "shell_recorder.h"
#include "shortcut_reader.h"

using e2e::ClickButton;
using e2e::PickComboItem;
using e2e::Shoot;
using e2e::TextOf;

namespace {

const char kTextOnly[] = "プラグイン機能(テキスト:テキストのみ/(設定名無し))";
const char kRecordHistory[] = "プラグイン機能(履歴:履歴に記録/(設定名無し))";
const char kPasteHistory[] = "プラグイン機能(履歴:履歴から貼り付け/(設定名無し))";
const char kSequentialPaste[] = "プラグイン機能(履歴:連続貼り付け/(設定名無し))";
const char kPickPhrase[] = "プラグイン機能(定型文:定型文から選んで貼り付け/(設定名無し))";

// A function of a plug-in as the selection dialog offers it.
struct PluginFunction {
    const char *plugin;
    const char *function;
};

// Puts text and the same as HTML on the clipboard, as a browser's copy does.
bool CopyTextWithHtml(HWND owner, const std::string &text) {
    const std::string html = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\n<b>" + text + "</b>";
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    for (const auto &[format, bytes] : {std::pair{UINT{CF_TEXT}, text},
                                        std::pair{RegisterClipboardFormatA("HTML Format"), html}}) {
        const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size() + 1);
        memcpy(GlobalLock(block), bytes.c_str(), bytes.size() + 1);
        GlobalUnlock(block);
        SetClipboardData(format, block);
    }
    return CloseClipboard() != FALSE;
}

bool HtmlOnClipboard() { return IsClipboardFormatAvailable(RegisterClipboardFormatA("HTML Format")) != FALSE; }

struct Journey : testing::Test {
    e2e::ProgramFolder program;
    e2e::SettingsWindow window;
    e2e::FrontWindow front;   // the program the user works in

    // The rest of the release folder: the standard plug-ins, the user guide and the
    // first settings (the history's watch action and hotkeys, the phrases' hotkey).
    void SetUp() override {
        for (const char *plugin : {"tlxText.tlx", "tlxInternet.tlx", "tlxHistory.tlx", "tlxSnippet.tlx"})
            ASSERT_TRUE(ptrtest::CopyFileTo(ptrtest::DistDir() + "Plugins\\" + plugin,
                                            program.Path() + "Plugins\\" + plugin));
        for (const char *file : {"Readme.html", "Setting.ini"})
            ASSERT_TRUE(ptrtest::CopyFileTo(std::string("Z:") + PTR_SOURCE_DIR + "/dist/" + file,
                                            program.Path() + file));
    }
    void TearDown() override { ptrtest::SetClipboardText("clean"); }

    DWORD Pid() const { return GetProcessId(program.Process()); }

    std::string Saved(const char *section, const char *key) const { return e2e::Saved(program, section, key); }

    void Start() {
        ASSERT_TRUE(program.Start());
        ASSERT_NE(e2e::TrayIcon(10000), nullptr) << "the program sits in the tray";
    }

    // Opens the settings window from the tray icon's menu and shows a page.
    void OpenSettings(int page) {
        ASSERT_TRUE(ptrtest::PumpUntil([&] {
            e2e::MouseClick(e2e::TrayIcon(), true);
            return e2e::WaitForPopupMenu(1500);
        }, 10000)) << "a right click on the icon opens its menu";
        Shoot(e2e::VisiblePopupMenu(), "journey_tray_menu");
        e2e::TypeIntoPopup({VK_DOWN, VK_RETURN});   // "設定画面を開く(&S)"
        ASSERT_TRUE(window.WaitShown(program));
        window.ShowPage(page);
        EXPECT_TRUE(e2e::WaitForFocusIn(window.Handle())) << "the window has the keyboard";
    }

    // The dialog with this title owned by owner: it is modal to its owner and never
    // hides behind it.
    HWND Dialog(const std::string &title, HWND owner) { return e2e::WaitForDialog(Pid(), title, owner); }

    // Picks a plug-in function in the function selection dialog that editor opened.
    void Select(HWND editor, const std::string &title, const PluginFunction &pick, const std::string &shot) {
        const HWND select = Dialog(title, editor);
        ASSERT_NE(select, nullptr) << title << " owned by the editor";
        EXPECT_TRUE(e2e::WaitForFocusIn(select));
        ASSERT_TRUE(PickComboItem(select, IDC_SELFUNC_CATEGORY, "プラグイン機能"));
        ASSERT_TRUE(PickComboItem(select, IDC_SELFUNC_VALUE0, pick.plugin))
            << ::testing::PrintToString(e2e::ComboItems(select, IDC_SELFUNC_VALUE0));
        ASSERT_TRUE(PickComboItem(select, IDC_SELFUNC_VALUE0 + 1, pick.function))
            << ::testing::PrintToString(e2e::ComboItems(select, IDC_SELFUNC_VALUE0 + 1));
        EXPECT_EQ(e2e::ComboSelection(select, IDC_SELFUNC_VALUE0 + 2), "001:(設定名無し)");
        Shoot(select, shot);
        ClickButton(select, IDC_SELFUNC_OK);
        ASSERT_TRUE(e2e::WaitClosed(select));
        EXPECT_TRUE(e2e::WaitForFocusIn(editor)) << "the focus comes back to the editor";
    }

    // The text of a control once it reads `expected` (the handler that sets it may still run).
    std::string WaitForText(HWND control, const std::string &expected) {
        ptrtest::PumpUntil([&] { return TextOf(control) == expected; }, 3000);
        return TextOf(control);
    }

    // Answers the message box with this text that owner shows.
    void Answer(HWND owner, const std::string &text, int button) {
        const HWND box = Dialog("ポルテリカ", owner);
        ASSERT_NE(box, nullptr) << "a message box owned by its dialog: " << text;
        EXPECT_EQ(e2e::MessageBoxText(box), text + "\n");
        e2e::PressButton(box, button);
        EXPECT_TRUE(e2e::WaitClosed(box));
    }

    void CloseSettings() {
        ClickButton(window.Handle(), IDC_CLOSE);
        ASSERT_TRUE(e2e::WaitClosed(window.Handle()));
    }

    // The clipboard reduced to its text by the program: the HTML is gone, the text stays.
    void ExpectReducedToText(const std::string &text) {
        EXPECT_TRUE(ptrtest::PumpUntil([] { return !HtmlOnClipboard(); }, 10000)) << "the HTML is gone";
        // The HTML goes when the program empties the clipboard, a moment before its text is there.
        ptrtest::PumpUntil([&] { return ptrtest::GetClipboardText() == text; }, 3000);
        EXPECT_EQ(ptrtest::GetClipboardText(), text);
    }
};

}  // namespace

TEST_F(Journey, ATextOnlyWatchActionMadeInTheEditorsStripsCopiesAfterARestart) {
    Start();
    OpenSettings(1);
    ASSERT_EQ(window.Rows(), 1);
    EXPECT_EQ(window.Row(0), kRecordHistory) << "the release's first action records every copy";
    EXPECT_EQ(SendMessageA(window.Control(IDC_CHECK0), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "watching is on from the start";
    window.Press(0);   // "追加"
    const HWND editor = Dialog("ポルテリカ - クリップボード監視動作追加", window.Handle());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(e2e::WaitForFocusIn(editor));
    EXPECT_TRUE(e2e::Checked(editor, IDC_WATCH_ALL_DATA)) << "a new action starts on every format";
    e2e::ClickAndWait(editor, IDC_WATCH_ALL_DATA);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(editor, IDC_WATCH_TYPES))) << "unchecked, the formats can be chosen";
    ASSERT_TRUE(e2e::PickListItem(editor, IDC_WATCH_TYPES, "テキスト"));
    Shoot(editor, "journey_watch_1_editor");
    ClickButton(editor, IDC_WATCH_FUNC_SELECT);
    Select(editor, "ポルテリカ - クリップボード監視動作追加", {"テキスト", "テキストのみ"}, "journey_watch_2_select");
    EXPECT_EQ(WaitForText(GetDlgItem(editor, IDC_WATCH_FUNC), kTextOnly), kTextOnly);
    EXPECT_EQ(e2e::ListSelection(editor, IDC_WATCH_TYPES), std::vector<std::string>{"テキスト"});
    Shoot(editor, "journey_watch_3_editor_done");
    ClickButton(editor, IDOK);
    ASSERT_TRUE(e2e::WaitClosed(editor));

    ASSERT_TRUE(ptrtest::PumpUntil([&] { return window.Rows() == 2; }));
    EXPECT_EQ(window.Row(1), kTextOnly);
    EXPECT_TRUE(window.Marked(1));
    EXPECT_EQ(window.Information(),
              std::string("(有効)") + kTextOnly + "\r\n以下のクリップボードデータ時に動作します。\r\n○テキスト");
    Shoot(window.Handle(), "journey_watch_4_page");
    window.Save();
    PostMessageA(window.Handle(), WM_COMMAND, IDC_FILE_QUIT, 0);   // "ファイル" > "終了(&X)"
    Answer(window.Handle(), "終了してよろしいですか？", IDYES);
    ASSERT_EQ(WaitForSingleObject(program.Process(), 15000), WAIT_OBJECT_0) << "the program has ended";
    for (const auto &[section, key, value] :
         {std::tuple{"Main", "ClipboardWatch", "1"}, {"Watch", "001Option", "tlxHistory.tlx/1/1"},
          {"Watch", "002Enable", "1"}, {"Watch", "002Type", "1"}, {"Watch", "002AllType", "0"},
          {"Watch", "002Function", "1"}, {"Watch", "002Option", "tlxText.tlx/1/1"}, {"Watch", "003Function", "-1"}})
        EXPECT_EQ(Saved(section, key), value) << section << " " << key;

    Start();
    front.BringToFront();
    ASSERT_TRUE(CopyTextWithHtml(front.Handle(), "太字の言葉"));
    ExpectReducedToText("太字の言葉");
}

TEST_F(Journey, AHotkeyMadeInTheEditorOpensACopiedAddress) {
    ptrtest::ShellRecorder recorder;
    ASSERT_TRUE(recorder.Ready());
    Start();
    OpenSettings(2);
    window.Press(0);   // "追加"
    const HWND editor = Dialog("ポルテリカ - ホットキー設定", window.Handle());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(e2e::WaitForFocusIn(editor));
    ASSERT_TRUE(PickComboItem(editor, IDC_HOTKEY_CATEGORY, "アルファベット"));
    ASSERT_TRUE(PickComboItem(editor, IDC_HOTKEY_KEY, "U"));
    for (int modifier : {0, 1}) {   // Alt, Ctrl
        e2e::ClickAndWait(editor, IDC_HOTKEY_MOD0 + modifier);
        EXPECT_TRUE(e2e::Checked(editor, IDC_HOTKEY_MOD0 + modifier)) << modifier;
    }
    ClickButton(editor, IDC_HOTKEY_CHECK);
    Answer(editor, "この組み合わせは利用可能です。", IDOK);
    ClickButton(editor, IDC_HOTKEY_FUNC_SELECT);
    Select(editor, "ポルテリカ - ホットキー設定", {"インターネット利用", "URL参照"}, "journey_hotkey_2_select");
    const std::string openUrl = "プラグイン機能(インターネット利用:URL参照/(設定名無し))";
    EXPECT_EQ(WaitForText(GetDlgItem(editor, IDC_HOTKEY_FUNC), openUrl), openUrl);
    Shoot(editor, "journey_hotkey_1_editor");
    ClickButton(editor, IDOK);
    ASSERT_TRUE(e2e::WaitClosed(editor));

    ASSERT_TRUE(ptrtest::PumpUntil([&] { return window.Rows() == 4; }));
    EXPECT_EQ(window.Row(0), "AS+V        " + std::string(kPasteHistory)) << "the release's history hotkeys";
    EXPECT_EQ(window.Row(1), "ACS+V       " + std::string(kSequentialPaste));
    EXPECT_EQ(window.Row(2), "AS+Z        " + std::string(kPickPhrase)) << "the release's phrases hotkey";
    EXPECT_EQ(window.Row(3), "AC+U        " + openUrl);
    EXPECT_EQ(window.Information(), "ALT + CTRL + U\r\n" + openUrl);
    Shoot(window.Handle(), "journey_hotkey_3_page");
    CloseSettings();   // the program answers its hotkeys only while the window is closed

    ASSERT_TRUE(ptrtest::SetClipboardText("https://www.porterica-soft.jp/journeys/hotkey"));
    front.BringToFront();
    e2e::PressChord({VK_CONTROL, VK_MENU, 'U'});
    EXPECT_EQ(recorder.WaitForOpened(1), std::vector<std::string>{"browser https://www.porterica-soft.jp/journeys/hotkey"});
}

TEST_F(Journey, AShortcutWrittenInTheDialogRunsItsFunctionWhenOpened) {
    Start();
    OpenSettings(0);
    EXPECT_EQ(window.Caption(1), "ｼｮｰﾄｶｯﾄ\r\n作成");
    window.Press(1);
    const HWND dialog = Dialog("ポルテリカ - ショートカット作成", window.Handle());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(e2e::WaitForFocusIn(dialog));
    ClickButton(dialog, IDC_SHORTCUT_FUNC_SELECT);
    Select(dialog, "ポルテリカ - ショートカット機能選択", {"テキスト", "テキストのみ"}, "journey_shortcut_1_select");
    EXPECT_EQ(WaitForText(GetDlgItem(dialog, IDC_SHORTCUT_FUNC), kTextOnly), kTextOnly);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_SHORTCUT_COMMAND_LINE)), "/Execute:1:tlxText.tlx/1/1");

    ClickButton(dialog, IDC_SHORTCUT_FILE_SELECT);
    const HWND save = Dialog("ショートカットの保存先指定", dialog);
    ASSERT_NE(save, nullptr) << "the save dialog, owned by the shortcut dialog";
    Shoot(save, "journey_shortcut_2_save");
    ASSERT_TRUE(e2e::SaveFileAs(save, program.Path() + "テキストだけ"));
    const std::string link = program.Path() + "テキストだけ.lnk";
    EXPECT_EQ(WaitForText(GetDlgItem(dialog, IDC_SHORTCUT_FILE), link), link);
    Shoot(dialog, "journey_shortcut_3_dialog");
    ClickButton(dialog, IDOK);
    ASSERT_TRUE(e2e::WaitClosed(dialog));
    EXPECT_TRUE(e2e::WaitForFocusIn(window.Handle())) << "the focus comes back to the settings window";
    CloseSettings();

    const ptrtest::ShortcutFields fields = ptrtest::ReadShortcut(link);
    ASSERT_TRUE(fields.loaded) << link;
    EXPECT_EQ(fields.arguments, "/Execute:1:tlxText.tlx/1/1");
    EXPECT_EQ(fields.description, std::string("ポルテリカ - ") + kTextOnly);
    front.BringToFront();
    ASSERT_TRUE(CopyTextWithHtml(front.Handle(), "リンクから"));
    const HINSTANCE opened = ShellExecuteA(front.Handle(), "open", link.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_GT(reinterpret_cast<INT_PTR>(opened), 32) << "the shell opens the shortcut";
    ExpectReducedToText("リンクから");
}

TEST_F(Journey, AMenuBuiltInTheEditorIsTheTaskMenuOfTheTrayIcon) {
    ptrtest::ShellRecorder recorder;
    ASSERT_TRUE(recorder.Ready());
    Start();
    OpenSettings(3);
    ASSERT_EQ(window.Rows(), 1);
    EXPECT_TRUE(window.Marked(0)) << "the default menu is the task menu at first";
    window.Press(0);   // "新規"
    const HWND ask = Dialog("メニュー作成", window.Handle());
    ASSERT_NE(ask, nullptr);
    e2e::TypeInto(ask, IDC_INPUTBOX_TEXT, "旅");
    ClickButton(ask, IDOK);
    const HWND editor = Dialog("ポルテリカ - メニュー編集", window.Handle());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(e2e::WaitForFocusIn(editor));
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "旅のメニュー");
    e2e::TypeInto(editor, IDC_MENUEDIT_COMMENT, "よく使う物");
    // "テキストだけ", then "インターネット" with "メール送信" indented under it.
    const auto item = [&](const std::string &caption, const PluginFunction *function) {
        e2e::TypeInto(editor, IDC_MENUEDIT_CAPTION, caption);
        if (!function) return;
        ClickButton(editor, IDC_MENUEDIT_SELECTFUNC);
        Select(editor, "ポルテリカ - メニュー機能選択", *function, "journey_menu_2_select");
    };
    const PluginFunction textOnly{"テキスト", "テキストのみ"}, mail{"インターネット利用", "メール送信"};
    item("テキストだけ", &textOnly);
    e2e::ClickAndWait(editor, IDC_MENUEDIT_NEXT);
    item("インターネット", nullptr);
    e2e::ClickAndWait(editor, IDC_MENUEDIT_NEXT);
    item("メール送信", &mail);
    e2e::ClickAndWait(editor, IDC_MENUEDIT_ARROW0 + 1);   // "→"
    const std::vector<std::string> entries{"テキストだけ", "インターネット<サブメニュー>", "････メール送信", ""};
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return e2e::ListItems(editor, IDC_MENUEDIT_LIST) == entries; }))
        << ::testing::PrintToString(e2e::ListItems(editor, IDC_MENUEDIT_LIST));
    Shoot(editor, "journey_menu_1_editor");
    ClickButton(editor, IDOK);
    ASSERT_TRUE(e2e::WaitClosed(editor));
    EXPECT_TRUE(e2e::WaitForFocusIn(window.Handle())) << "the focus comes back to the settings window";

    ASSERT_TRUE(ptrtest::PumpUntil([&] { return window.Rows() == 2; }));
    EXPECT_EQ(window.Row(1), "旅のメニュー");
    EXPECT_EQ(window.Selected(), 1);
    EXPECT_EQ(window.Information(), "よく使う物\r\nファイル名:旅.mnu");
    window.ToggleMark(1);
    EXPECT_TRUE(window.Marked(1));
    EXPECT_FALSE(window.Marked(0)) << "one task menu";
    Shoot(window.Handle(), "journey_menu_3_page");
    window.Save();
    EXPECT_EQ(Saved("Main", "TaskMenu"), "旅.mnu");
    CloseSettings();

    ASSERT_TRUE(ptrtest::SetClipboardText("tabi＠porterica-soft.jp"));
    e2e::MouseClick(e2e::TrayIcon(), false);   // the task menu comes after the double-click time
    ASSERT_TRUE(e2e::WaitForPopupMenu()) << "a left click shows the task menu";
    Shoot(e2e::VisiblePopupMenu(), "journey_menu_4_task_menu");
    e2e::TypeIntoPopup({VK_DOWN, VK_DOWN, VK_RIGHT});
    Shoot(e2e::VisiblePopupMenu(), "journey_menu_5_sub_menu");
    e2e::TypeIntoPopup({VK_RETURN});
    EXPECT_EQ(recorder.WaitForOpened(1), std::vector<std::string>{"mailer mailto:tabi@porterica-soft.jp"});
}
