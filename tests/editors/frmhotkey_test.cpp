// The hotkey editor driven through its controls: keys and categories, the registration
// test against combinations held elsewhere, OK's refusals, the function selection.
#include <gtest/gtest.h>

#include "app_state.h"
#include "editor_test_support.h"
#include "frmHotkey.h"
#include "frmHotkey_ids.h"
#include "frmSelectFunc_ids.h"
#include "function_catalogue.h"
#include "vbHotKey.h"

using dlgtest::Driver;
using edtest::AnswerMessage;
using edtest::AnswerSelection;
using edtest::Program;

namespace {

constexpr COLORREF kHotkeyPageColour = 0xD090D0;
// A combination another process holds during a test.
constexpr UINT kForeignKey = VK_F13;
constexpr UINT kForeignMod = MOD_ALT | MOD_SHIFT;

std::array<bool, 4> Modifiers(HWND w) {
    std::array<bool, 4> checked{};
    for (int i = 0; i < 4; ++i) checked[i] = IsDlgButtonChecked(w, IDC_HOTKEY_MOD0 + i) == BST_CHECKED;
    return checked;
}

void SetModifiers(HWND w, std::array<bool, 4> wanted) {
    const auto now = Modifiers(w);
    for (int i = 0; i < 4; ++i)
        if (now[i] != wanted[i]) edtest::Press(w, IDC_HOTKEY_MOD0 + i);
}

class HotkeyEditor : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Program().Ready());
        dialog.FormBackColor = kHotkeyPageColour;
    }
    void Run(const char *title, const std::function<void(Driver &, HWND)> &script) {
        dlgtest::RunModal([&] { dialog.Show2(1, Program().Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog(title, Program().Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
        });
    }
    ptr::frmHotkey dialog;
};

}  // namespace

// Holds the combination on a window of its own until it is ended.
PTR_CHILD(hold_hotkey) {
    const HWND window = CreateWindowExA(0, "STATIC", "holder", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!window) return 1;
    if (!RegisterHotKey(window, 1, kForeignMod, kForeignKey)) return 2;
    ptrtest::PumpFor(60000);
    return 0;
}

TEST_F(HotkeyEditor, NewHotkeyNeedsAFunctionAndGivesTheChosenCombination) {
    dialog.EditMode = 0;
    Run("ポルテリカ - ホットキー設定", [&](Driver &d, HWND w) {
        EXPECT_EQ((std::vector<std::string>{"全て", "アルファベット", "数字", "ファンクション"}),
                  Driver::Items(w, IDC_HOTKEY_CATEGORY));
        EXPECT_EQ("全て", Driver::SelectedText(w, IDC_HOTKEY_CATEGORY));
        const auto keys = Driver::Items(w, IDC_HOTKEY_KEY);
        ASSERT_EQ(52u, keys.size());
        EXPECT_EQ("A", keys[0]);
        EXPECT_EQ("0", keys[26]);
        EXPECT_EQ("F16", keys[51]);
        EXPECT_EQ("A", Driver::SelectedText(w, IDC_HOTKEY_KEY));
        EXPECT_EQ("", Driver::Text(w, IDC_HOTKEY_FUNC));
        EXPECT_EQ(GetDlgItem(w, IDC_HOTKEY_CATEGORY), d.Focus()) << "the first control";
        d.Screenshot(w, "hotkey_editor_new");

        d.Click(w, IDC_HOTKEY_OK);
        EXPECT_EQ("動作が指定されていません！\r\n動作を指定して下さい。", AnswerMessage(d, w));
        EXPECT_TRUE(IsWindowVisible(w));

        d.Click(w, IDC_HOTKEY_FUNC_SELECT);
        EXPECT_TRUE(AnswerSelection(d, w, " - ホットキー設定", {"プログラム動作", {"クリップボード監視(TOGGLE)", "", ""}}));
        d.Sync();
        EXPECT_EQ(ptr::GetFunctionName(0, "10", ptr::App().Plugins, ptr::App().Menus), Driver::Text(w, IDC_HOTKEY_FUNC));

        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_CATEGORY, "ファンクション"));
        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_KEY, "F11"));
        SetModifiers(w, {true, true, true, false});
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(0, dialog.EditMode);
    EXPECT_EQ(VK_F11, dialog.EditKeyCode);
    EXPECT_EQ(MOD_ALT | MOD_CONTROL | MOD_SHIFT, dialog.EditKeyMod);
    EXPECT_EQ(0, dialog.EditFuncType);
    EXPECT_EQ("10", dialog.EditFuncOption);
}

TEST_F(HotkeyEditor, CombinationHeldByAnotherProcessIsRefusedByCheckAndOk) {
    ptrtest::ChildProcess holder = ptrtest::StartChild("hold_hotkey");
    const HWND probe = Program().Owner();
    ASSERT_TRUE(ptrtest::PumpUntil([&] { return !ptr::vbHotKey::CanSetHotkey(probe, kForeignKey, kForeignMod); }, 30000))
        << "the other process holds it; its exit code " << holder.Wait(0);
    dialog.EditMode = 0;
    dialog.EditFuncType = 3;
    dialog.EditFuncOption = "notepad.exe";
    Run("ポルテリカ - ホットキー設定", [&](Driver &d, HWND w) {
        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_KEY, "F13"));
        SetModifiers(w, {true, false, true, false});
        d.Click(w, IDC_HOTKEY_CHECK);
        EXPECT_EQ("この組み合わせは利用出来ません。", AnswerMessage(d, w));
        d.Click(w, IDC_HOTKEY_OK);
        EXPECT_EQ("このキーの組み合わせは利用出来ません。", AnswerMessage(d, w));
        EXPECT_TRUE(IsWindowVisible(w));
        EXPECT_EQ("F13", Driver::SelectedText(w, IDC_HOTKEY_KEY)) << "everything stays as entered";
        EXPECT_EQ((std::array<bool, 4>{true, false, true, false}), Modifiers(w));

        // The bare key is free.
        SetModifiers(w, {false, false, false, false});
        d.Click(w, IDC_HOTKEY_CHECK);
        EXPECT_EQ("この組み合わせは利用可能です。", AnswerMessage(d, w));
        d.Click(w, IDC_HOTKEY_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(static_cast<int32_t>(kForeignKey), dialog.EditKeyCode);
    EXPECT_EQ(0, dialog.EditKeyMod);
}

TEST_F(HotkeyEditor, UnchangedCombinationOfAnExistingHotkeyIsNotTested) {
    // The program holds the entry's own combination, so a test of it would fail; another
    // entry holds Ctrl+Alt+N.
    ptr::vbHotKey own, other;
    ASSERT_TRUE(own.SetHotkey(Program().Owner(), 'M', MOD_CONTROL | MOD_ALT, 3, "notepad.exe"));
    ASSERT_TRUE(other.SetHotkey(Program().Owner(), 'N', MOD_CONTROL | MOD_ALT, 3, "calc.exe"));
    dialog.EditMode = 1;
    dialog.EditKeyCode = 'M';
    dialog.EditKeyMod = MOD_CONTROL | MOD_ALT;
    dialog.EditFuncType = 3;
    dialog.EditFuncOption = "notepad.exe";
    Run("ポルテリカ - ホットキー変更", [&](Driver &d, HWND w) {
        EXPECT_EQ("M", Driver::SelectedText(w, IDC_HOTKEY_KEY));
        EXPECT_EQ((std::array<bool, 4>{true, true, false, false}), Modifiers(w));
        EXPECT_EQ(ptr::GetFunctionName(3, "notepad.exe", ptr::App().Plugins, ptr::App().Menus),
                  Driver::Text(w, IDC_HOTKEY_FUNC));
        d.Click(w, IDC_HOTKEY_CHECK);
        EXPECT_EQ("", AnswerMessage(d, w, 700)) << "nothing to test";

        // A changed key is tested: the other entry's combination is refused.
        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_KEY, "N"));
        d.Click(w, IDC_HOTKEY_OK);
        EXPECT_EQ("このキーの組み合わせは利用出来ません。", AnswerMessage(d, w));

        // Back to the entry's own key, only the function changes: no test, accepted. The
        // selection opens in the changed-hotkey variant.
        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_KEY, "M"));
        d.Click(w, IDC_HOTKEY_FUNC_SELECT);
        EXPECT_TRUE(AnswerSelection(d, w, " - ホットキー変更", {"プラグイン機能", {"e2e_probe", "Record", ""}}));
        d.Sync();
        d.Click(w, IDC_HOTKEY_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(1, dialog.EditMode);
    EXPECT_EQ('M', dialog.EditKeyCode);
    EXPECT_EQ(MOD_CONTROL | MOD_ALT, dialog.EditKeyMod);
    EXPECT_EQ(1, dialog.EditFuncType);
    EXPECT_EQ("e2e_probe.tlx/1/1", dialog.EditFuncOption);
}

TEST_F(HotkeyEditor, KeyOutsideTheListsSelectsTheFirstAndCategoriesKeepTheModifiers) {
    dialog.EditMode = 1;
    dialog.EditKeyCode = 0x6A;   // numeric keypad *
    dialog.EditKeyMod = MOD_WIN | MOD_SHIFT;
    dialog.EditFuncType = 0;
    dialog.EditFuncOption = "1";
    Run("ポルテリカ - ホットキー変更", [&](Driver &d, HWND w) {
        EXPECT_EQ("A", Driver::SelectedText(w, IDC_HOTKEY_KEY));
        EXPECT_EQ((std::array<bool, 4>{false, false, true, true}), Modifiers(w));
        EXPECT_TRUE(d.SelectText(w, IDC_HOTKEY_CATEGORY, "数字"));
        EXPECT_EQ((std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}),
                  Driver::Items(w, IDC_HOTKEY_KEY));
        EXPECT_EQ("0", Driver::SelectedText(w, IDC_HOTKEY_KEY));
        EXPECT_EQ('0', static_cast<int>(SendDlgItemMessageA(w, IDC_HOTKEY_KEY, CB_GETITEMDATA, 0, 0)));
        EXPECT_EQ((std::array<bool, 4>{false, false, true, true}), Modifiers(w));
        d.Screenshot(w, "hotkey_editor_change");
        d.Click(w, IDC_HOTKEY_CANCEL);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(-1, dialog.EditMode);
    EXPECT_EQ(0x6A, dialog.EditKeyCode) << "cancelled: unchanged";
}

TEST_F(HotkeyEditor, HelpModeScreenshot) {
    dlgtest::HelpModeOn help;
    dialog.EditMode = 1;
    dialog.EditKeyCode = VK_F12;
    dialog.EditKeyMod = MOD_CONTROL | MOD_SHIFT;
    dialog.EditFuncType = 1;
    dialog.EditFuncOption = "tlxText.tlx/1/1";
    Run("ポルテリカ - ホットキー変更", [&](Driver &d, HWND w) {
        d.Screenshot(w, "hotkey_editor_helpmode");
        PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(-1, dialog.EditMode);
}
