// The shortcut dialog driven through its controls, the selection dialog and the save
// dialog; the written shortcut read back through the shell's link object.
#include <gtest/gtest.h>

#include "app_state.h"
#include "editor_test_support.h"
#include "frmSelectFunc_ids.h"
#include "frmShortcut.h"
#include "frmShortcut_ids.h"
#include "function_catalogue.h"
#include "shortcut_reader.h"

using dlgtest::Driver;
using edtest::AnswerMessage;
using edtest::AnswerSelection;
using edtest::Program;

namespace {

constexpr COLORREF kBasicPageColour = 0xF0F0F0;
const char kSaveTitle[] = "ショートカットの保存先指定";

bool FileExists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ShortcutDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Program().Ready());
        dialog.EditMode = 8;
        dialog.FormBackColor = kBasicPageColour;
    }
    void Run(const std::function<void(Driver &, HWND)> &script) {
        dlgtest::RunModal([&] { dialog.Show2(1, Program().Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - ショートカット作成", Program().Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
        });
    }
    // Picks the test plug-in's Choose function with setting 2.
    static void ChoosePluginFunction(Driver &d, HWND w) {
        d.Click(w, IDC_SHORTCUT_FUNC_SELECT);
        EXPECT_TRUE(AnswerSelection(d, w, " - ショートカット機能選択", {"プラグイン機能", {"e2e_probe", "Choose", "002:S2"}}));
        d.Sync();
    }
    ptr::frmShortcut dialog;
};

}  // namespace

TEST_F(ShortcutDialog, HandEditedCommandLineIsWhatTheShortcutCarries) {
    const std::string chosen = Program().Folder() + "プローブ";
    Run([&](Driver &d, HWND w) {
        EXPECT_EQ("", Driver::Text(w, IDC_SHORTCUT_FUNC));
        EXPECT_EQ("", Driver::Text(w, IDC_SHORTCUT_COMMAND_LINE));
        EXPECT_EQ("", Driver::Text(w, IDC_SHORTCUT_FILE));
        EXPECT_EQ(GetDlgItem(w, IDC_SHORTCUT_FUNC_SELECT), d.Focus()) << "the first control";
        ChoosePluginFunction(d, w);
        EXPECT_EQ(ptr::GetFunctionName(1, "e2e_probe.tlx/5/2", ptr::App().Plugins, ptr::App().Menus),
                  Driver::Text(w, IDC_SHORTCUT_FUNC));
        EXPECT_EQ("/Execute:1:e2e_probe.tlx/5/2", Driver::Text(w, IDC_SHORTCUT_COMMAND_LINE));

        d.Type(GetDlgItem(w, IDC_SHORTCUT_COMMAND_LINE), "/Execute:1:e2e_probe.tlx/5/3");
        d.Click(w, IDC_SHORTCUT_FILE_SELECT);
        EXPECT_TRUE(d.AnswerFileDialog(w, kSaveTitle, chosen));
        d.Sync();
        EXPECT_EQ(chosen + ".lnk", Driver::Text(w, IDC_SHORTCUT_FILE)) << "the extension added";
        d.Screenshot(w, "shortcut_dialog");
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(8, dialog.EditMode);
    EXPECT_EQ(1, dialog.EditFuncType);
    EXPECT_EQ("e2e_probe.tlx/5/2", dialog.EditFuncOption);
    const ptrtest::ShortcutFields link = ptrtest::ReadShortcut(chosen + ".lnk");
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ("/Execute:1:e2e_probe.tlx/5/3", link.arguments) << "as edited";
    EXPECT_EQ("ポルテリカ - " + ptr::GetFunctionName(1, "e2e_probe.tlx/5/2", ptr::App().Plugins, ptr::App().Menus),
              link.description);
    DeleteFileA((chosen + ".lnk").c_str());
}

TEST_F(ShortcutDialog, OkRefusesWithoutFunctionOrFileAndMovesTheFocus) {
    const std::string typed = Program().Folder() + "typed";
    Run([&](Driver &d, HWND w) {
        d.Click(w, IDC_SHORTCUT_OK);
        EXPECT_EQ("動作が指定されていません！\r\n動作を指定して下さい。", AnswerMessage(d, w));
        d.Sync();
        EXPECT_EQ(GetDlgItem(w, IDC_SHORTCUT_FUNC_SELECT), d.Focus());

        d.Click(w, IDC_SHORTCUT_FUNC_SELECT);
        EXPECT_TRUE(AnswerSelection(d, w, " - ショートカット機能選択", {"プログラム動作", {"終了", "", ""}}));
        d.Sync();
        EXPECT_EQ("/Execute:0:7", Driver::Text(w, IDC_SHORTCUT_COMMAND_LINE));
        SendMessageA(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(w, IDC_SHORTCUT_COMMAND_LINE)), TRUE);
        d.Key(w, VK_RETURN);
        EXPECT_EQ("ファイル名が指定されていません！\r\nファイル名を指定して下さい。", AnswerMessage(d, w));
        d.Sync();
        EXPECT_EQ(GetDlgItem(w, IDC_SHORTCUT_FILE_SELECT), d.Focus());

        // A cancelled save dialog leaves the field; a name typed into it is used as typed.
        d.Click(w, IDC_SHORTCUT_FILE_SELECT);
        EXPECT_TRUE(d.AnswerFileDialog(w, kSaveTitle, ""));
        d.Sync();
        EXPECT_EQ("", Driver::Text(w, IDC_SHORTCUT_FILE));
        d.Type(GetDlgItem(w, IDC_SHORTCUT_FILE), typed);
        d.Click(w, IDC_SHORTCUT_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_TRUE(FileExists(typed)) << "no extension added to a typed name";
    EXPECT_FALSE(FileExists(typed + ".lnk"));
    EXPECT_EQ("/Execute:0:7", ptrtest::ReadShortcut(typed).arguments);
    DeleteFileA(typed.c_str());
}

TEST_F(ShortcutDialog, UpperCaseExtensionIsKeptAndAnUnwritablePlaceIsSaid) {
    const std::string upper = Program().Folder() + "Upper.LNK";
    Run([&](Driver &d, HWND w) {
        ChoosePluginFunction(d, w);
        d.Click(w, IDC_SHORTCUT_FILE_SELECT);
        EXPECT_TRUE(d.AnswerFileDialog(w, kSaveTitle, upper));
        d.Sync();
        EXPECT_EQ(upper, Driver::Text(w, IDC_SHORTCUT_FILE));

        // A folder that does not exist: the shortcut cannot be written, and the user is told.
        d.Type(GetDlgItem(w, IDC_SHORTCUT_FILE), Program().Folder() + "無い\\x.lnk");
        d.Click(w, IDC_SHORTCUT_OK);
        EXPECT_EQ("ショートカットファイルを作成出来ませんでした。\r\n保存先を確認して下さい。", AnswerMessage(d, w));
        EXPECT_TRUE(IsWindowVisible(w));
        d.Type(GetDlgItem(w, IDC_SHORTCUT_FILE), upper);
        d.Click(w, IDC_SHORTCUT_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_TRUE(FileExists(upper));
    DeleteFileA(upper.c_str());
}

TEST_F(ShortcutDialog, CancelAndCloseBoxWriteNothing) {
    for (bool closeBox : {false, true}) {
        ptr::frmShortcut shortcut;
        shortcut.EditMode = 8;
        const std::string file = Program().Folder() + "cancelled.lnk";
        dlgtest::RunModal([&] { shortcut.Show2(1, Program().Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - ショートカット作成", Program().Owner());
            ASSERT_NE(nullptr, w);
            ChoosePluginFunction(d, w);
            d.Type(GetDlgItem(w, IDC_SHORTCUT_FILE), file);
            if (closeBox)
                PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
            else
                d.Click(w, IDC_SHORTCUT_CANCEL);
            EXPECT_TRUE(d.WaitClosed(w));
        });
        EXPECT_EQ(-1, shortcut.EditMode);
        EXPECT_FALSE(FileExists(file));
    }
}

TEST_F(ShortcutDialog, HelpModeScreenshot) {
    dlgtest::HelpModeOn help;
    Run([&](Driver &d, HWND w) {
        ChoosePluginFunction(d, w);
        d.Type(GetDlgItem(w, IDC_SHORTCUT_FILE), "C:\\users\\Public\\Desktop\\プローブ.lnk");
        d.Screenshot(w, "shortcut_dialog_helpmode");
        d.Key(w, VK_ESCAPE);
        EXPECT_TRUE(d.WaitClosed(w));
    });
}
