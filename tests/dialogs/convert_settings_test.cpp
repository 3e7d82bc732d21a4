// The conversion plug-in's settings dialogs, opened from the function selection
// dialog as a user opens them: a changed setting is saved and its name shows in
// the list of settings; a regular expression that does not read is refused.
#include <gtest/gtest.h>

#include <memory>

#include "app_state.h"
#include "dialog_driver.h"
#include "frmSelectFunc.h"
#include "frmSelectFunc_ids.h"

using dlgtest::Driver;

namespace {

constexpr int kSettingList = IDC_SELFUNC_VALUE0 + 2;
// The plug-in dialogs' fields.
enum { kName = 1001, kText = 1002, kReplacement = 1003, kRegex = 1004, kCase = 1005 };

class ConvertSettings : public testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new dlgtest::DialogProgram({{dlgtest::StandardPlugin("tlxConvert.tlx")}, {}, true});
    }
    static void TearDownTestSuite() { delete program; }
    void SetUp() override { ASSERT_TRUE(program->Ready()); }

    // The function selection dialog at that function, the script run on it; mode 7
    // (a watch rule's conditions) lists the checks, mode 0 the actions.
    void Run(const std::string &option, const std::function<void(Driver &, HWND)> &script, int mode = 0) {
        ptr::frmSelectFunc dialog;
        dialog.EditMode = mode;
        dialog.EditFuncType = 1;
        dialog.EditFuncOption = option;
        dlgtest::RunModal([&] { dialog.Show2(1, program->Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ", program->Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
            d.Key(w, VK_ESCAPE);
            EXPECT_TRUE(d.WaitClosed(w));
        });
    }
    static std::string SettingsIni() { return ptr::App().PluginsPath + "tlxConvert\\Setting.ini"; }
    static std::string Saved(const char *section, const char *key) {
        char text[1024] = {};
        GetPrivateProfileStringA(section, key, "(missing)", text, sizeof text, SettingsIni().c_str());
        return text;
    }

    static dlgtest::DialogProgram *program;
};
dlgtest::DialogProgram *ConvertSettings::program = nullptr;

}  // namespace

TEST_F(ConvertSettings, AReplacementIsRenamedAndABadPatternIsRefusedAtOk) {
    Run("tlxConvert.tlx/11/3", [&](Driver &d, HWND w) {
        EXPECT_EQ("003:設定03", Driver::SelectedText(w, kSettingList));
        ASSERT_TRUE(d.Click(w, IDC_SELFUNC_SETTING));
        const HWND settings = d.WaitForDialog("置換の設定", w);
        ASSERT_NE(nullptr, settings) << "modal to the dialog that opened it";
        EXPECT_FALSE(IsWindowEnabled(w));
        d.Type(GetDlgItem(settings, kName), "日付の並べ替え");
        d.Type(GetDlgItem(settings, kText), "(\\d+)/(\\d+");
        d.Type(GetDlgItem(settings, kReplacement), "$2月$1日");
        SendDlgItemMessageA(settings, kRegex, BM_SETCHECK, BST_CHECKED, 0);
        d.Sync();
        d.Screenshot(settings, "convert_replace_setting");
        ASSERT_TRUE(d.Click(settings, IDOK));
        const HWND refusal = d.WaitForDialog("設定", settings);
        ASSERT_NE(nullptr, refusal);
        EXPECT_EQ("正規表現に誤りがあります。\r\n7文字目: ( ) の対応が正しくありません", Driver::MessageText(refusal));
        d.Screenshot(refusal, "convert_bad_pattern");
        d.Key(refusal, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(refusal));
        EXPECT_TRUE(IsWindowVisible(settings)) << "the setting stays open to be mended";
        EXPECT_EQ("(missing)", Saved("Replace03", "Find"));

        d.Type(GetDlgItem(settings, kText), "(\\d+)/(\\d+)");
        ASSERT_TRUE(d.Click(settings, IDOK));
        EXPECT_TRUE(d.WaitClosed(settings));
        d.Sync();
        EXPECT_EQ("003:日付の並べ替え", Driver::SelectedText(w, kSettingList));
    });
    EXPECT_EQ("日付の並べ替え", Saved("Replace03", "SettingName"));
    EXPECT_EQ("(\\d+)/(\\d+)", Saved("Replace03", "Find"));
    EXPECT_EQ("$2月$1日", Saved("Replace03", "Replace"));
    EXPECT_EQ("1", Saved("Replace03", "Regex"));
}

TEST_F(ConvertSettings, EachSettingsDialogSavesOnOkOnly) {
    struct Row {
        const char *option, *title, *section, *key, *typed, *screenshot;
        int mode;
    };
    const Row rows[] = {
        {"tlxConvert.tlx/7/1", "引用符の設定", "Quote", "Mark", "| ", "convert_quote_setting", 0},
        {"tlxConvert.tlx/12/1", "パターンの設定", "Pattern01", "Pattern", "^ID-", "convert_pattern_setting", 7},
        {"tlxConvert.tlx/13/2", "コピー元のアプリの設定", "Program02", "Programs", "excel.exe;*.tmp",
         "convert_program_setting", 7},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.option);
        for (const bool ok : {false, true}) {
            Run(row.option, [&](Driver &d, HWND w) {
                ASSERT_TRUE(d.Click(w, IDC_SELFUNC_SETTING));
                const HWND settings = d.WaitForDialog(row.title, w);
                ASSERT_NE(nullptr, settings);
                d.Type(GetDlgItem(settings, kText), row.typed);
                if (ok) d.Screenshot(settings, row.screenshot);
                ASSERT_TRUE(d.Click(settings, ok ? IDOK : IDCANCEL));
                EXPECT_TRUE(d.WaitClosed(settings));
            }, row.mode);
            EXPECT_EQ(ok ? row.typed : "(missing)", Saved(row.section, row.key));
        }
    }
}

TEST_F(ConvertSettings, TheWidthSettingsHaveFixedNames) {
    Run("tlxConvert.tlx/1/2", [&](Driver &d, HWND w) {
        EXPECT_EQ((std::vector<std::string>{"001:英数字・記号", "002:英数字・記号・カタカナ"}), Driver::Items(w, kSettingList));
        EXPECT_FALSE(Driver::Enabled(w, IDC_SELFUNC_SETTING)) << "nothing to set";
    });
}
