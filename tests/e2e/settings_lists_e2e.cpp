// The list buttons of the settings window in the running program, pressed as a user
// would, with the questions they ask answered; what the lists, the information box and
// the saved settings show afterwards.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "frmInputBox_ids.h"
#include "resource_ids.h"
#include "screen_capture.h"
#include "shell_recorder.h"

using e2e::Answer;
using e2e::ProgramFolder;
using e2e::Saved;
using e2e::SavedEntries;
using e2e::SettingsWindow;

namespace {

const char kTools[] = "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
                      "[Menu]\r\n001Caption=メモ帳\r\n001Type=Function\r\n001FuncType= 3\r\n001FuncOption=notepad.exe\r\n";

// Starts the program over the prepared folder and opens its settings window at a page.
void OpenAt(ProgramFolder &program, SettingsWindow &window, int page) {
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(window.Open(program, page));
}

void Shoot(HWND window, const std::string &name) {
    ptrtest::PumpFor(200);
    wintest::ScreenShot(window, false).Save(name);
}

std::vector<std::string> RowsOf(const SettingsWindow &window) {
    std::vector<std::string> rows;
    for (int i = 0; i < window.Rows(); ++i) rows.push_back(window.Row(i) + (window.Marked(i) ? " [x]" : ""));
    return rows;
}

using Rows = std::vector<std::string>;

// Opens .html files with Wine's browser for the life of the object, as a desktop does.
class HtmlAssociation {
public:
    HtmlAssociation() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".html", 0, KEY_READ, &key) == ERROR_SUCCESS) {
            RegCloseKey(key);
            return;   // the prefix has one already
        }
        added_ = RegSetValueA(HKEY_CLASSES_ROOT, ".html", REG_SZ, "htmlfile", 8) == ERROR_SUCCESS;
    }
    ~HtmlAssociation() {
        if (added_) RegDeleteKeyA(HKEY_CLASSES_ROOT, ".html");
    }

private:
    bool added_ = false;
};

}  // namespace

TEST(SettingsLists, WatchActionsMoveChangeTheirMarksAndGo) {
    ProgramFolder program;
    program.AddProbe("tlxProbe", "Probe");
    program.WriteSettings(
        "[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n[Watch]\r\n"
        "001Enable= 1\r\n001Type=1,HTML Format\r\n001AllType= 0\r\n001Function= 3\r\n001Option=a.txt\r\n"
        "001PluginCheck=tlxProbe.tlx/2/1,gone.tlx/1/1\r\n001PluginCheckAnd= 0\r\n"
        "002Enable= 0\r\n002AllType= 1\r\n002Function= 3\r\n002Option=b.txt\r\n"
        "003Enable= 1\r\n003AllType= 1\r\n003Function= 3\r\n003Option=c.txt\r\n004Function=-1\r\n");
    SettingsWindow window;
    OpenAt(program, window, 1);
    EXPECT_EQ(RowsOf(window), (Rows{"実行 / 開く(a.txt) [x]", "実行 / 開く(b.txt)", "実行 / 開く(c.txt) [x]"}));
    EXPECT_EQ(window.Selected(), 0);
    EXPECT_EQ(window.Information(),
              "(有効)実行 / 開く(a.txt)\r\n以下のクリップボードデータ時に動作します。\r\n○テキスト\r\n○HTML形式\r\n"
              "以下の条件のいずれかに合致した時に動作します。\r\n○Probe:CheckA/(設定名無し)\r\n○gone.tlx - ロード出来ません!");
    Shoot(window.Handle(), "lists_watch");

    window.Click(3);   // "上へ" on the first row
    EXPECT_EQ(window.Row(0), "実行 / 開く(a.txt)");
    window.Click(4);   // "下へ": the selection stays on row 0, which now holds b
    EXPECT_EQ(RowsOf(window), (Rows{"実行 / 開く(b.txt)", "実行 / 開く(a.txt) [x]", "実行 / 開く(c.txt) [x]"}));
    EXPECT_EQ(window.Selected(), 0);
    EXPECT_EQ(window.Information(), "(無効)実行 / 開く(b.txt)\r\n全てのクリップボードデータ時に動作します。");
    window.Select(2);
    window.Click(4);   // "下へ" on the last row
    EXPECT_EQ(RowsOf(window), (Rows{"実行 / 開く(b.txt)", "実行 / 開く(a.txt) [x]", "実行 / 開く(c.txt) [x]"}));
    EXPECT_EQ(window.Selected(), 2);
    window.ToggleMark(2);   // c off
    EXPECT_FALSE(window.Marked(2));
    window.Select(1);
    window.Click(3);   // a up again
    EXPECT_EQ(RowsOf(window), (Rows{"実行 / 開く(a.txt) [x]", "実行 / 開く(b.txt)", "実行 / 開く(c.txt)"}));

    window.Select(2);
    window.Click(2);   // the last row goes: the new last row is selected
    EXPECT_EQ(window.Rows(), 2);
    EXPECT_EQ(window.Selected(), 1);
    EXPECT_EQ(window.Information(), "(無効)実行 / 開く(b.txt)\r\n全てのクリップボードデータ時に動作します。");
    window.Save();
    EXPECT_EQ(SavedEntries(program, "Watch", {"Enable", "Type", "AllType", "Option", "PluginCheck", "PluginCheckAnd"}),
              (Rows{"1 1,HTML Format 0 a.txt tlxProbe.tlx/2/1,gone.tlx/1/1 0", "0  1 b.txt  1"}));

    window.Click(2);
    window.Click(2);   // the only action left goes too
    EXPECT_EQ(window.Rows(), 0);
    EXPECT_EQ(window.Selected(), -1);
    EXPECT_EQ(window.Information(), "");
    window.Click(2);   // nothing left to delete
    window.Save();
    EXPECT_EQ(Saved(program, "Watch", "001Function"), "-1") << "the placeholder is saved as the end";
}

TEST(SettingsLists, HotkeysShowTheirKeysAndGo) {
    ProgramFolder program;
    program.AddProbe("tlxProbe", "Probe");
    program.WriteSettings(
        "[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n[HotKey]\r\n"
        "001Function= 1\r\n001Key= 122\r\n001ModKey= 7\r\n001Option=tlxProbe.tlx/1/1\r\n"   // Alt+Ctrl+Shift+F11
        "002Function= 3\r\n002Key= 122\r\n002ModKey= 7\r\n002Option=b.txt\r\n"              // taken by the first
        "003Function= 3\r\n003Key= 77\r\n003ModKey= 2\r\n003Option=c.txt\r\n004Function=-1\r\n");
    ASSERT_TRUE(program.Start());
    EXPECT_NE(Answer("ポルテリカ", IDOK), "") << "the taken combination is reported at start-up";
    SettingsWindow window;
    ASSERT_TRUE(window.Open(program, 2));
    EXPECT_EQ(RowsOf(window), (Rows{"ACS+F11     プラグイン機能(Probe:Record/(設定名無し))", "ACS+F11     (無効)",
                                    "C+M         実行 / 開く(c.txt)"}));
    EXPECT_EQ(window.Information(), "ALT + CTRL + SHIFT + F11\r\nプラグイン機能(Probe:Record/(設定名無し))");
    window.Select(1);
    EXPECT_EQ(window.Information(), "ALT + CTRL + SHIFT + F11\r\n(キーが無効です)");
    window.ToggleMark(1);
    EXPECT_FALSE(window.Marked(1)) << "hotkeys have no marks";
    Shoot(window.Handle(), "lists_hotkeys");

    window.Click(2);   // without asking
    EXPECT_EQ(window.Rows(), 2);
    EXPECT_EQ(window.Selected(), 1);
    EXPECT_EQ(window.Information(), "CTRL + M\r\n実行 / 開く(c.txt)");
    window.Save();
    EXPECT_EQ(SavedEntries(program, "HotKey", {"Function", "Key", "ModKey", "Option"}),
              (Rows{"1 122 7 tlxProbe.tlx/1/1", "3 77 2 c.txt"}));
}

TEST(SettingsLists, MenusAreRebuiltTestedNamedAndDeleted) {
    ProgramFolder program;
    program.WriteMenu("Tools.mnu", kTools);
    program.WriteSettings("[Main]\r\nSplashShow= 0\r\nDefaultMenu= 1\r\nTaskMenu=Tools.mnu\r\n");
    SettingsWindow window;
    OpenAt(program, window, 3);
    const DWORD pid = GetProcessId(program.Process());
    EXPECT_EQ(RowsOf(window), (Rows{"デフォルトメニュー(全機能選択)", "ツール [x]"}));
    // The default menu is rebuilt, not edited, and cannot be deleted.
    EXPECT_EQ(window.Information(), "読み込まれている全てのプラグイン機能を選択できます。\r\nファイル名:/default");
    EXPECT_EQ(window.Caption(1), "再構築");
    EXPECT_FALSE(window.Enabled(2));
    Shoot(window.Handle(), "lists_menu_default");
    window.Select(1);
    EXPECT_EQ(window.Information(), "よく使う物\r\nファイル名:Tools.mnu");
    EXPECT_EQ(window.Caption(1), "編集");
    EXPECT_TRUE(window.Enabled(2));
    window.Select(0);
    window.DoubleClick();
    EXPECT_EQ(Answer("ポルテリカ", IDNO), "デフォルトメニューを再構築しますか？\n");
    window.Press(1);
    EXPECT_EQ(Answer("ポルテリカ", IDYES), "デフォルトメニューを再構築しますか？\n");
    EXPECT_EQ(Answer("ポルテリカ", IDOK), "再構築が終了しました。\n");

    // "新規": a forbidden character, try again; a name taken, give up.
    window.Press(0);
    HWND box = e2e::WaitForWindow(pid, "#32770", "メニュー作成");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(box, IDC_INPUTBOX_TEXT)), "新規メニュー");
    EXPECT_EQ(e2e::TextOf(GetDlgItem(box, IDC_INPUTBOX_PROMPT)), "新しいメニューのファイル名を指定して下さい。");
    Shoot(box, "lists_menu_inputbox");
    SetWindowTextA(GetDlgItem(box, IDC_INPUTBOX_TEXT), "a/b");
    e2e::PressButton(box, IDOK);
    EXPECT_EQ(Answer("ファイル名不正", IDYES),
              "以下の文字は、ファイル名に使えません。\r\n\\ / : , ; * ? \" < > |\r\n"
              "他のファイル名を指定する時は[はい]を\r\n作成を中断する場合は[いいえ]をクリックして下さい。\n");
    box = e2e::WaitForWindow(pid, "#32770", "メニュー作成");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(e2e::TextOf(GetDlgItem(box, IDC_INPUTBOX_TEXT)), "a/b") << "the last answer is proposed";
    SetWindowTextA(GetDlgItem(box, IDC_INPUTBOX_TEXT), "TOOLS");
    e2e::PressButton(box, IDOK);
    EXPECT_NE(Answer("ファイル名重複", IDNO).find("同じファイル名のメニューが存在しています。"), std::string::npos);
    EXPECT_EQ(e2e::WaitForWindow(pid, "#32770", "メニュー作成", 700), nullptr) << "No ends the creation";
    window.Press(0);
    box = e2e::WaitForWindow(pid, "#32770", "メニュー作成");
    ASSERT_NE(box, nullptr);
    e2e::PressButton(box, IDCANCEL);
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(window.Rows(), 2);

    // "テスト" shows the menu and names the choice instead of running it.
    window.Select(1);
    window.Press(3);
    ASSERT_TRUE(e2e::WaitForPopupMenu());
    e2e::TypeIntoPopup({VK_ESCAPE});
    EXPECT_EQ(Answer("メニューテスト", IDOK), "何も選択されませんでした。\n");

    // "削除" asks, then the file goes at once; the task menu setting stays.
    window.Press(2);
    EXPECT_NE(Answer("ポルテリカ", IDNO), "");
    EXPECT_EQ(window.Rows(), 2);
    window.Press(2);
    EXPECT_EQ(Answer("ポルテリカ", IDYES),
              "メニューを削除すると、[設定を保存しないで終了]しても戻りません。\r\n削除しますか？\n");
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return window.Rows() == 1; }));
    EXPECT_EQ(ptrtest::ReadFileBytes(program.Path() + "MenuData\\Tools.mnu"), "");
    EXPECT_EQ(window.Selected(), 0);
    EXPECT_EQ(window.Caption(1), "再構築");
    window.Save();
    EXPECT_EQ(Saved(program, "Main", "TaskMenu"), "Tools.mnu");
}

TEST(SettingsLists, PluginButtonsFollowWhatThePluginOffers) {
    ProgramFolder program;
    program.AddProbe("bare", "素");
    program.AddProbe("tlxProbe", "Probe");
    const std::string ini = program.Path() + "Plugins\\tlxProbe.ini";
    for (const auto &[key, value] : {std::pair{"Comment", "試験用"}, {"Copyright", "(C) Probe"},
                                     {"URL", "https://probe.example/"}, {"Mail", "probe@example.jp"}, {"About", "1"}})
        WritePrivateProfileStringA("Probe", key, value, ini.c_str());
    program.WriteSettings("[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n");
    ptrtest::ShellRecorder recorder;
    ASSERT_TRUE(recorder.Ready());
    SettingsWindow window;
    OpenAt(program, window, 4);
    EXPECT_EQ(RowsOf(window), (Rows{"素", "Probe"}));
    EXPECT_EQ(window.Information(), "素\r\n\r\nファイル名:bare.tlx\r\nバージョン:1.0");
    for (int button : {1, 2, 3}) EXPECT_FALSE(window.Enabled(button)) << button;
    EXPECT_TRUE(window.Enabled(0));
    window.Select(1);
    EXPECT_EQ(window.Information(), "Probe\r\n試験用\r\nファイル名:tlxProbe.tlx\r\nバージョン:1.0\r\n著作情報:(C) Probe");
    for (int button : {0, 1, 2, 3}) EXPECT_TRUE(window.Enabled(button)) << button;
    Shoot(window.Handle(), "lists_plugins");
    window.ToggleMark(1);
    EXPECT_FALSE(window.Marked(1)) << "plug-ins have no marks";

    window.Press(1);
    EXPECT_EQ(Answer("Probe", IDOK), "probe about\n");
    char hex[32];
    snprintf(hex, sizeof hex, "%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window.Handle())));
    EXPECT_EQ(program.Calls("tlxProbe"), std::vector<std::string>{std::string("About ") + hex})
        << "the about box is owned by the settings window";
    // The shell starts a process per address, so each is awaited before the next click.
    window.Click(2);
    recorder.WaitForOpened(1);
    window.Click(3);
    EXPECT_EQ(recorder.WaitForOpened(2),
              (std::vector<std::string>{"browser https://probe.example/", "mailer mailto:probe@example.jp"}));

    window.Select(0);   // a plug-in that offers nothing: the buttons do nothing either
    window.Click(2);
    ptrtest::PumpFor(500);
    EXPECT_EQ(recorder.Opened().size(), 2u);
}

TEST(SettingsLists, TheInformationPageOpensTheMakersPagesAndTheGuide) {
    ProgramFolder program;
    program.WriteSettings("[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n");
    ptrtest::CopyFileTo(PTR_SOURCE_DIR "/dist/Readme.html", program.Path() + "Readme.html");
    ptrtest::ShellRecorder recorder;
    ASSERT_TRUE(recorder.Ready());
    HtmlAssociation html;
    SettingsWindow window;
    OpenAt(program, window, 5);
    window.Click(0);
    recorder.WaitForOpened(1);   // a process per address: awaited before the next click
    window.Click(1);
    const auto opened = recorder.WaitForOpened(2);
    ASSERT_GE(opened.size(), 2u);
    // The product name as it reaches the browser, in UTF-8.
    EXPECT_EQ(opened[0], "browser https://www.porterica-soft.jp/cgi-bin/access.cgi?soft="
                         "\xE3\x83\x9D\xE3\x83\xAB\xE3\x83\x86\xE3\x83\xAA\xE3\x82\xAB");
    EXPECT_EQ(opened[1], "mailer mailto:support@porterica-soft.jp");
    window.Click(2);
    const auto guide = recorder.WaitForOpened(3);
    ASSERT_EQ(guide.size(), 3u);
    EXPECT_NE(guide[2].find("Readme.html"), std::string::npos) << guide[2];

    window.Press(3);   // the host DLL's about box, owned by the window
    HWND about = nullptr;
    ASSERT_TRUE(ptrtest::PumpUntil([&] {
        about = e2e::WaitForWindow(GetProcessId(program.Process()), "#32770", "", 200);
        return about != nullptr;
    }, 5000));
    EXPECT_EQ(GetWindow(about, GW_OWNER), window.Handle());
    Shoot(about, "lists_information_about");
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return !IsWindowVisible(about); }));
}

TEST(SettingsLists, StartupRegistrationAsksAndRelabelsItsButton) {
    ProgramFolder program;
    program.WriteSettings("[Main]\r\nSplashShow= 0\r\nDefaultMenu= 0\r\n");
    SettingsWindow window;
    OpenAt(program, window, 0);
    ASSERT_EQ(window.Caption(0), "ｽﾀｰﾄｱｯﾌﾟ\r\n登録") << "a link left by an earlier run";
    EXPECT_EQ(window.Caption(1), "ｼｮｰﾄｶｯﾄ\r\n作成");
    window.Press(0);
    EXPECT_EQ(Answer("ポルテリカ", IDNO), "スタートアップの登録を行います。\r\nよろしいですか？\n");
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return window.Caption(0) == "ｽﾀｰﾄｱｯﾌﾟ\r\n登録"; }));
    window.Press(0);
    EXPECT_NE(Answer("ポルテリカ", IDYES), "");
    EXPECT_NE(Answer("ポルテリカ", IDOK).find("スタートアップの登録に成功しました。"), std::string::npos);
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return window.Caption(0) == "ｽﾀｰﾄｱｯﾌﾟ\r\n解除"; })) << window.Caption(0);
    window.Press(0);
    EXPECT_EQ(Answer("ポルテリカ", IDYES), "スタートアップからの削除を行います。\r\nよろしいですか？\n");
    EXPECT_TRUE(ptrtest::PumpUntil([&] { return window.Caption(0) == "ｽﾀｰﾄｱｯﾌﾟ\r\n登録"; })) << window.Caption(0);
}
