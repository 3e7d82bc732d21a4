// The menu editor driven through its controls: a nested menu typed, indented and given
// functions through the selection dialog, saved and read back; a file that cannot be
// replaced stays as it was while the editor stays open.
#include <gtest/gtest.h>

#include "app_state.h"
#include "dialog_driver.h"
#include "frmMenuEdit.h"
#include "frmMenuEdit_ids.h"
#include "frmSelectFunc.h"
#include "frmSelectFunc_ids.h"
#include "vbIniFile.h"

using dlgtest::Driver;

namespace {

const char kTools[] =
    "[Main]\r\nMenuName=ツール\r\nComment=よく使う物\r\nMenu=Menu\r\n"
    "[Menu]\r\n001Caption=メモ帳\r\n001Type=Function\r\n001FuncType= 3\r\n001FuncOption=notepad.exe\r\n"
    "002Caption=テキスト\r\n002Type=SubMenu\r\n002SubMenu=001SubMenu\r\n"
    "[001SubMenu]\r\n001Caption=テキストのみ\r\n001Type=Function\r\n001FuncType= 1\r\n001FuncOption=tlxText.tlx/1/1\r\n";

class MenuEdit : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new dlgtest::DialogProgram({{dlgtest::StandardPlugin("tlxText.tlx")}, {{"tools.mnu", kTools}}});
    }
    static void TearDownTestSuite() { delete program; }
    void SetUp() override { ASSERT_TRUE(program->Ready()); }

    static void Run(ptr::frmMenuEdit &editor, const std::function<void(Driver &, HWND)> &script) {
        editor.FormBackColor = RGB(0x80, 0x80, 0xFF);
        dlgtest::RunModal([&] { editor.Show2(1, program->Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - メニュー編集", program->Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
        });
    }
    static std::string Path(const std::string &name) { return ptr::App().MenuDataPath + name; }

    static dlgtest::DialogProgram *program;
};
dlgtest::DialogProgram *MenuEdit::program = nullptr;

std::vector<std::string> ListTexts(HWND w) {
    const HWND list = GetDlgItem(w, IDC_MENUEDIT_LIST);
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

// Picks a function in the selection dialog the editor's "設定" opens: a path to open, or
// (empty path) the first plug-in function the dialog offers.
void ChooseFunction(Driver &d, HWND w, const std::string &path, int line) {
    d.Click(w, IDC_MENUEDIT_SELECTFUNC);
    const HWND s = d.WaitForDialog("ポルテリカ - メニュー機能選択", w);
    ASSERT_NE(nullptr, s) << "line " << line;
    if (!path.empty()) {
        ASSERT_TRUE(d.SelectText(s, IDC_SELFUNC_CATEGORY, "実行 / 開く")) << "line " << line;
        d.Type(GetDlgItem(s, IDC_SELFUNC_PATH), path);
    }
    d.Click(s, IDC_SELFUNC_OK);
    EXPECT_TRUE(d.WaitClosed(s)) << "line " << line;
    d.Sync();
}

}  // namespace

TEST_F(MenuEdit, ANestedMenuTypedIndentedAndSavedReadsBack) {
    ptr::frmMenuEdit editor(ptr::ChooseFunction);
    editor.EditMenuName = "new.mnu";
    Run(editor, [&](Driver &d, HWND w) {
        EXPECT_EQ(std::vector<std::string>{""}, ListTexts(w)) << "a missing file is a new menu";
        d.Click(w, IDOK);
        HWND box = d.WaitForDialog("メニューチェック", w);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("データチェックエラー\r\nメニュー名がありません。\r\nメニュー名を指定して下さい。", Driver::MessageText(box));
        d.Key(box, VK_RETURN);
        ASSERT_TRUE(d.WaitClosed(box));

        d.Type(GetDlgItem(w, IDC_MENUEDIT_NAME), "新しいメニュー");
        d.Type(GetDlgItem(w, IDC_MENUEDIT_CAPTION), "メモ帳");
        d.Sync();
        EXPECT_EQ((std::vector<std::string>{"メモ帳", ""}), ListTexts(w));
        ChooseFunction(d, w, "notepad.exe", __LINE__);
        EXPECT_EQ("実行 / 開く(notepad.exe)", Driver::Text(w, IDC_MENUEDIT_FUNCTION));

        d.Click(w, IDC_MENUEDIT_NEXT);
        d.Type(GetDlgItem(w, IDC_MENUEDIT_CAPTION), "テキスト");
        d.Click(w, IDC_MENUEDIT_NEXT);
        d.Type(GetDlgItem(w, IDC_MENUEDIT_CAPTION), "テキストのみ");
        d.Click(w, IDC_MENUEDIT_ARROW0 + 1);
        d.Sync();
        ChooseFunction(d, w, "", __LINE__);
        d.Click(w, IDC_MENUEDIT_NEXT);
        d.Click(w, IDC_MENUEDIT_ARROW0);   // "←" at level 0 does nothing
        d.Click(w, IDC_MENUEDIT_SEPARATOR);
        d.Sync();
        EXPECT_EQ((std::vector<std::string>{"メモ帳", "テキスト<サブメニュー>", "････テキストのみ", "-<区切り線>", ""}),
                  ListTexts(w));
        EXPECT_FALSE(Driver::Enabled(w, IDC_MENUEDIT_CAPTION)) << "a separator's caption is fixed";
        EXPECT_TRUE(d.Screenshot(w, "menuedit_nested"));
        d.Click(w, IDOK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_TRUE(editor.MenuSaveFlag);
    const ptr::vbIniFile file(Path("new.mnu"));
    EXPECT_EQ("新しいメニュー", file.GetText("Main", "MenuName", ""));
    EXPECT_EQ("notepad.exe", file.GetText("Menu", "001FuncOption", ""));
    EXPECT_EQ(3, file.GetNumber("Menu", "001FuncType", 0));
    EXPECT_EQ("001SubMenu", file.GetText("Menu", "002SubMenu", ""));
    EXPECT_EQ("Separator", file.GetText("Menu", "003Type", ""));
    EXPECT_EQ("テキストのみ", file.GetText("001SubMenu", "001Caption", ""));
    EXPECT_EQ("tlxText.tlx/1/1", file.GetText("001SubMenu", "001FuncOption", ""));
}

TEST_F(MenuEdit, AFileThatCannotBeReplacedStaysAndTheEditorStaysOpen) {
    const std::string path = Path("tools.mnu");
    const std::string before = ptrtest::ReadFileBytes(path);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    ptr::frmMenuEdit editor(ptr::ChooseFunction);
    editor.EditMenuName = "tools.mnu";
    Run(editor, [&](Driver &d, HWND w) {
        EXPECT_EQ((std::vector<std::string>{"メモ帳", "テキスト<サブメニュー>", "････テキストのみ", ""}), ListTexts(w));
        EXPECT_EQ("ツール", Driver::Text(w, IDC_MENUEDIT_NAME));
        d.Type(GetDlgItem(w, IDC_MENUEDIT_CAPTION), "メモ");
        d.Click(w, IDOK);
        const HWND box = d.WaitForDialog("ポルテリカ", w);
        ASSERT_NE(nullptr, box);
        EXPECT_NE(std::string::npos, Driver::MessageText(box).find("保存できませんでした")) << Driver::MessageText(box);
        d.Key(box, VK_RETURN);
        ASSERT_TRUE(d.WaitClosed(box));
        EXPECT_TRUE(IsWindowVisible(w)) << "the editor stays open";
        PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(editor.MenuSaveFlag);
    EXPECT_EQ(before, ptrtest::ReadFileBytes(path));
}

TEST_F(MenuEdit, HelpModeShowsTheNestedMenuEnlarged) {
    dlgtest::HelpModeOn help;
    ptr::frmMenuEdit editor(ptr::ChooseFunction);
    editor.EditMenuName = "tools.mnu";
    Run(editor, [&](Driver &d, HWND w) {
        SendMessageA(GetDlgItem(w, IDC_MENUEDIT_LIST), LB_SETCURSEL, 2, 0);
        SendMessageA(w, WM_COMMAND, MAKEWPARAM(IDC_MENUEDIT_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(w, IDC_MENUEDIT_LIST)));
        EXPECT_EQ("テキストのみ", Driver::Text(w, IDC_MENUEDIT_CAPTION));
        EXPECT_TRUE(d.Screenshot(w, "menuedit_help"));
        d.Key(w, VK_ESCAPE);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_FALSE(editor.MenuSaveFlag);
}

TEST_F(MenuEdit, NoMenuGivenShowsNothing) {
    ptr::frmMenuEdit editor(ptr::ChooseFunction);
    editor.Show2(1, program->Owner());
    EXPECT_FALSE(editor.MenuSaveFlag);
}
