// The watch action editor driven through its controls and the selection dialogs it opens.
#include <gtest/gtest.h>

#include "app_state.h"
#include "editor_test_support.h"
#include "frmSelectFunc_ids.h"
#include "frmWatch.h"
#include "frmWatch_ids.h"
#include "function_catalogue.h"
#include "mode_texts.h"

using dlgtest::Driver;
using edtest::AnswerMessage;
using edtest::AnswerSelection;
using edtest::Program;

namespace {

constexpr COLORREF kWatchPageColour = 0x8080FF;

std::vector<std::string> ListItems(HWND w, int id, bool selectedOnly = false) {
    std::vector<std::string> items;
    const HWND list = GetDlgItem(w, id);
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        if (selectedOnly && SendMessageA(list, LB_GETSEL, i, 0) <= 0) continue;
        std::string item(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(item.c_str());
    }
    return items;
}

int Current(HWND w, int id) { return static_cast<int>(SendDlgItemMessageA(w, id, LB_GETCURSEL, 0, 0)); }

// A format row picked by clicking it (the list toggles the row).
void ToggleFormat(const Driver &d, HWND w, int row) {
    const HWND list = GetDlgItem(w, IDC_WATCH_TYPES);
    RECT r{};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM(r.left + 4, (r.top + r.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    d.Sync();
}

std::string CheckName(const char *reference) { return ptr::GetPluginFunctionName(reference, ptr::App().Plugins); }

class WatchEditor : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Program().Ready());
        dialog.FormBackColor = kWatchPageColour;
    }
    void Run(const std::function<void(Driver &, HWND)> &script) {
        dlgtest::RunModal([&] { dialog.Show2(1, Program().Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - クリップボード監視動作", Program().Owner());
            ASSERT_NE(nullptr, w);
            script(d, w);
        });
    }
    ptr::frmWatch dialog;
};

TEST_F(WatchEditor, ChangedActionShowsItsFormatsChecksAndFunctionAndGivesThemBack) {
    dialog.EditMode = 3;
    // Unicode text, an unknown format, text, Unicode text again.
    dialog.EditClipboardType = "13,MyFormat,1,13";
    dialog.EditAllType = false;
    dialog.EditEnabled = true;
    dialog.EditFuncType = 1;
    dialog.EditFuncOption = "tlxText.tlx/1/1";
    dialog.EditPluginCheck = "e2e_probe.tlx/2/1:e2e_probe.tlx/3/1";
    dialog.EditPluginCheckAnd = false;
    Run([&](Driver &d, HWND w) {
        EXPECT_EQ("ポルテリカ - クリップボード監視動作変更", Driver::Text(w));
        const auto names = ListItems(w, IDC_WATCH_TYPES);
        ASSERT_GE(names.size(), 2u);
        EXPECT_EQ("テキスト", names[0]);
        EXPECT_EQ((std::vector<std::string>{"テキスト", "Unicodeテキスト"}), ListItems(w, IDC_WATCH_TYPES, true));
        EXPECT_EQ("MyFormat\r\n13", Driver::Text(w, IDC_WATCH_OTHER_TYPES)) << "unknown and repeated formats";
        EXPECT_TRUE(Driver::Enabled(w, IDC_WATCH_TYPES));
        EXPECT_EQ((std::vector<std::string>{CheckName("e2e_probe.tlx/2/1"), CheckName("e2e_probe.tlx/3/1")}),
                  ListItems(w, IDC_WATCH_CHECKS));
        EXPECT_EQ(0, Current(w, IDC_WATCH_CHECKS));
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_WATCH_OR));
        EXPECT_EQ(ptr::GetFunctionName(1, "tlxText.tlx/1/1", ptr::App().Plugins, ptr::App().Menus),
                  Driver::Text(w, IDC_WATCH_FUNC));
        EXPECT_EQ(GetDlgItem(w, IDC_WATCH_TYPES), d.Focus()) << "the first control";
        d.Screenshot(w, "watch_editor");
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(3, dialog.EditMode);
    EXPECT_EQ("1,13,MyFormat,13", dialog.EditClipboardType) << "listed formats first, in list order";
    EXPECT_FALSE(dialog.EditAllType);
    EXPECT_TRUE(dialog.EditEnabled);
    EXPECT_EQ("e2e_probe.tlx/2/1:e2e_probe.tlx/3/1", dialog.EditPluginCheck);
    EXPECT_FALSE(dialog.EditPluginCheckAnd);
    EXPECT_EQ(1, dialog.EditFuncType);
    EXPECT_EQ("tlxText.tlx/1/1", dialog.EditFuncOption);
}

TEST_F(WatchEditor, NewActionNeedsAFunctionAndWithoutFormatsRunsOnAll) {
    dialog.EditMode = 2;
    Run([&](Driver &d, HWND w) {
        EXPECT_EQ("ポルテリカ - クリップボード監視動作追加", Driver::Text(w));
        EXPECT_EQ("", Driver::Text(w, IDC_WATCH_FUNC));
        EXPECT_TRUE(ListItems(w, IDC_WATCH_TYPES, true).empty());
        EXPECT_TRUE(ListItems(w, IDC_WATCH_CHECKS).empty());
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_WATCH_AND));
        d.Click(w, IDC_WATCH_OK);
        EXPECT_EQ("動作が指定されていません！\r\n動作を指定して下さい。", AnswerMessage(d, w));
        EXPECT_TRUE(IsWindowVisible(w)) << "the dialog stays open";

        // The selection dialog for an action's function, in the new-action variant.
        d.Click(w, IDC_WATCH_FUNC_SELECT);
        EXPECT_TRUE(AnswerSelection(d, w, " - クリップボード監視動作追加",
                                    {"プラグイン機能", {"e2e_probe", "Rewrite", ""}}));
        d.Sync();
        EXPECT_EQ(ptr::GetFunctionName(1, "e2e_probe.tlx/4/1", ptr::App().Plugins, ptr::App().Menus),
                  Driver::Text(w, IDC_WATCH_FUNC));
        d.Click(w, IDC_WATCH_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(2, dialog.EditMode);
    EXPECT_EQ("", dialog.EditClipboardType);
    EXPECT_TRUE(dialog.EditAllType) << "no format and the box unchecked: every format";
    EXPECT_EQ("", dialog.EditPluginCheck);
    EXPECT_TRUE(dialog.EditPluginCheckAnd);
    EXPECT_EQ(1, dialog.EditFuncType);
    EXPECT_EQ("e2e_probe.tlx/4/1", dialog.EditFuncOption);
}

TEST_F(WatchEditor, AllDataSwitchesTheFormatControlsAndOtherLinesKeepEmptyItems) {
    dialog.EditMode = 3;
    dialog.EditClipboardType = "1";
    dialog.EditAllType = true;
    dialog.EditFuncType = 3;
    dialog.EditFuncOption = "notepad.exe";
    Run([&](Driver &d, HWND w) {
        EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(w, IDC_WATCH_ALL_DATA));
        EXPECT_FALSE(Driver::Enabled(w, IDC_WATCH_TYPES));
        EXPECT_FALSE(Driver::Enabled(w, IDC_WATCH_OTHER_TYPES));
        edtest::Press(w, IDC_WATCH_ALL_DATA);
        EXPECT_TRUE(Driver::Enabled(w, IDC_WATCH_TYPES));
        EXPECT_TRUE(Driver::Enabled(w, IDC_WATCH_OTHER_TYPES));
        ToggleFormat(d, w, 0);   // text off
        ToggleFormat(d, w, 1);   // Unicode text on
        EXPECT_EQ((std::vector<std::string>{"Unicodeテキスト"}), ListItems(w, IDC_WATCH_TYPES, true));

        // Ctrl+Enter starts a new line in the box; Enter alone is OK.
        const HWND other = GetDlgItem(w, IDC_WATCH_OTHER_TYPES);
        SendMessageA(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(other), TRUE);
        d.Type(other, "A");
        edtest::PressKeys({VK_CONTROL, VK_RETURN});
        edtest::PressKeys({VK_CONTROL, VK_RETURN});
        EXPECT_TRUE(ptrtest::PumpUntil([&] { return Driver::Text(other) == "A\r\n\r\n"; }, 3000))
            << Driver::Text(other);
        SendMessageA(other, EM_SETSEL, -1, -1);
        SendMessageA(other, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("B"));
        EXPECT_EQ("A\r\n\r\nB", Driver::Text(other));
        EXPECT_TRUE(IsWindowVisible(w));
        edtest::PressKeys({VK_RETURN});
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ("13,A,,B", dialog.EditClipboardType) << "the empty line is an empty item";
    EXPECT_FALSE(dialog.EditAllType);
}

TEST_F(WatchEditor, ChecksAreAddedChangedAndRemovedThroughTheCheckSelection) {
    dialog.EditMode = 3;
    dialog.EditClipboardType = "1";
    dialog.EditFuncType = 1;
    dialog.EditFuncOption = "tlxText.tlx/1/1";
    dialog.EditPluginCheck = "e2e_probe.tlx/2/1";
    Run([&](Driver &d, HWND w) {
        // Add: the selection lists check functions only.
        d.Click(w, IDC_WATCH_CHECK_BUTTON0);
        const HWND select = d.WaitForDialog("ポルテリカ - チェック機能選択", w);
        ASSERT_NE(nullptr, select);
        EXPECT_EQ((std::vector<std::string>{"CheckA", "CheckB"}), Driver::Items(select, IDC_SELFUNC_VALUE0 + 1));
        EXPECT_TRUE(AnswerSelection(d, w, " - チェック機能選択", {"", {"e2e_probe", "CheckB", ""}}));
        d.Sync();
        EXPECT_EQ((std::vector<std::string>{CheckName("e2e_probe.tlx/2/1"), CheckName("e2e_probe.tlx/3/1")}),
                  ListItems(w, IDC_WATCH_CHECKS));
        EXPECT_EQ(1, Current(w, IDC_WATCH_CHECKS)) << "the new check is current";

        // Change: the selection shows the current check; a cancelled one changes nothing.
        std::string preselected;
        d.Click(w, IDC_WATCH_CHECK_BUTTON0 + 1);
        EXPECT_TRUE(edtest::CancelSelection(d, w, " - チェック機能選択", preselected));
        EXPECT_EQ("CheckB", preselected);
        d.Click(w, IDC_WATCH_CHECK_BUTTON0 + 1);
        EXPECT_TRUE(AnswerSelection(d, w, " - チェック機能選択", {"", {"", "CheckA", ""}}));
        d.Sync();
        EXPECT_EQ((std::vector<std::string>{CheckName("e2e_probe.tlx/2/1"), CheckName("e2e_probe.tlx/2/1")}),
                  ListItems(w, IDC_WATCH_CHECKS));

        // Remove the first: the next moves up and becomes current; then the last.
        SendDlgItemMessageA(w, IDC_WATCH_CHECKS, LB_SETCURSEL, 0, 0);
        edtest::Press(w, IDC_WATCH_CHECK_BUTTON0 + 2);
        EXPECT_EQ(1u, ListItems(w, IDC_WATCH_CHECKS).size());
        EXPECT_EQ(0, Current(w, IDC_WATCH_CHECKS));
        edtest::Press(w, IDC_WATCH_CHECK_BUTTON0 + 2);
        EXPECT_TRUE(ListItems(w, IDC_WATCH_CHECKS).empty());
        edtest::Press(w, IDC_WATCH_CHECK_BUTTON0 + 2);   // nothing left: nothing happens
        d.Click(w, IDC_WATCH_CHECK_BUTTON0 + 1);
        EXPECT_EQ(nullptr, d.WaitForDialog("ポルテリカ - チェック機能選択", w, 500));
        edtest::Press(w, IDC_WATCH_OR);
        d.Click(w, IDC_WATCH_OK);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ("", dialog.EditPluginCheck) << "the only check removed";
    EXPECT_FALSE(dialog.EditPluginCheckAnd);
}

TEST_F(WatchEditor, CancelAndCloseBoxGiveMinusOneAndLeaveTheAction) {
    const std::function<void(Driver &, HWND)> ways[] = {
        [](Driver &d, HWND w) { d.Click(w, IDC_WATCH_CANCEL); },
        [](Driver &d, HWND w) { d.Key(w, VK_ESCAPE); },
        [](Driver &, HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto &cancel : ways) {
        ptr::frmWatch watch;
        watch.EditMode = 3;
        watch.EditClipboardType = "1";
        watch.EditFuncOption = "x";
        dlgtest::RunModal([&] { watch.Show2(1, Program().Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - クリップボード監視動作変更", Program().Owner());
            ASSERT_NE(nullptr, w);
            d.Type(GetDlgItem(w, IDC_WATCH_OTHER_TYPES), "Other");
            cancel(d, w);
            EXPECT_TRUE(d.WaitClosed(w));
        });
        EXPECT_EQ(-1, watch.EditMode);
        EXPECT_EQ("1", watch.EditClipboardType);
    }
}

TEST_F(WatchEditor, HelpModeScreenshot) {
    dlgtest::HelpModeOn help;
    dialog.EditMode = 3;
    dialog.EditClipboardType = "1,HTML Format,MyFormat";
    dialog.EditFuncType = 1;
    dialog.EditFuncOption = "tlxText.tlx/1/1";
    dialog.EditPluginCheck = "e2e_probe.tlx/2/1";
    Run([&](Driver &d, HWND w) {
        d.Screenshot(w, "watch_editor_helpmode");
        d.Key(w, VK_ESCAPE);
        EXPECT_TRUE(d.WaitClosed(w));
    });
}

}  // namespace
