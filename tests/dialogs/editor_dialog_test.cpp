// The protocol every editor dialog shares, on a small dialog of its own: modal to and
// centred on the owner with its icon, Enter/Esc/close box, the results kept after the
// dialog has gone, the background colour, help mode.
#include <gtest/gtest.h>

#include "app_state.h"
#include "dialog_driver.h"
#include "editor_dialog.h"
#include "screen_capture.h"
#include "test_dialog_ids.h"

using dlgtest::Driver;

namespace {

class TestDialog : public ptr::EditorDialog {
public:
    TestDialog() : EditorDialog(IDD_TESTDIALOG) {}
    std::string Name;   // in and out
    int cancels = 0;

private:
    void Form_Load() override { SetDlgItemTextA(hWnd(), IDC_TESTDIALOG_TEXT, Name.c_str()); }
    bool OnCommand(int id, int) override {
        if (id != IDOK) return false;
        Name = Driver::Text(hWnd(), IDC_TESTDIALOG_TEXT);
        Hide();
        return true;
    }
    bool PaintsBackColor(int id) const override {
        return id == IDC_TESTDIALOG_FRAME || id == IDC_TESTDIALOG_LABEL || id == IDC_TESTDIALOG_CHECK;
    }
    void Cancel() override {
        ++cancels;
        EditorDialog::Cancel();
    }
};

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

RECT RectIn(HWND control, HWND dialog) {
    RECT r = WindowRect(control);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT *>(&r), 2);
    return r;
}

class EditorDialogs : public testing::Test {
protected:
    static void SetUpTestSuite() { program = new dlgtest::DialogProgram({}); }
    static void TearDownTestSuite() { delete program; }
    static dlgtest::DialogProgram *program;
};
dlgtest::DialogProgram *EditorDialogs::program = nullptr;

TEST_F(EditorDialogs, EnterAcceptsAModalDialogCentredOnItsOwner) {
    ASSERT_TRUE(program->Ready());
    const HWND owner = program->Owner();
    TestDialog dialog;
    dialog.EditMode = 3;
    dialog.Name = "元の名前";
    dlgtest::RunModal([&] { dialog.Show2(1, owner); }, [&](Driver &d) {
        const HWND w = d.WaitForDialog("ポルテリカ - テスト", owner);
        ASSERT_NE(nullptr, w);
        EXPECT_EQ(w, dialog.hWnd());
        EXPECT_FALSE(IsWindowEnabled(owner));   // modal to it
        const HICON ownerIcon = reinterpret_cast<HICON>(GetClassLongPtrA(owner, GCLP_HICON));
        EXPECT_EQ(ownerIcon, reinterpret_cast<HICON>(SendMessageA(w, WM_GETICON, ICON_BIG, 0)));
        const RECT o = WindowRect(owner), r = WindowRect(w);
        EXPECT_NEAR((o.left + o.right) / 2, (r.left + r.right) / 2, 1);
        EXPECT_NEAR((o.top + o.bottom) / 2, (r.top + r.bottom) / 2, 1);
        // The first control has the focus and Tab follows the layout.
        EXPECT_EQ(GetDlgItem(w, IDC_TESTDIALOG_TEXT), d.Focus());
        d.Key(w, VK_TAB);
        d.Sync();
        EXPECT_EQ(GetDlgItem(w, IDC_TESTDIALOG_CHECK), d.Focus());
        d.Type(GetDlgItem(w, IDC_TESTDIALOG_TEXT), "新しい名前");
        d.Key(w, VK_RETURN);
        EXPECT_TRUE(d.WaitClosed(w));
    });
    EXPECT_EQ(3, dialog.EditMode);
    EXPECT_EQ("新しい名前", dialog.Name);
    EXPECT_EQ(nullptr, dialog.hWnd());
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(EditorDialogs, EveryWayOfCancellingGivesMinusOne) {
    ASSERT_TRUE(program->Ready());
    struct Way {
        const char *name;
        std::function<void(Driver &, HWND)> act;
        int cancels;   // through the dialog's cancel handler
    };
    const Way ways[] = {
        {"Esc", [](Driver &d, HWND w) { d.Key(w, VK_ESCAPE); }, 1},
        {"cancel button", [](Driver &d, HWND w) { d.Click(w, IDCANCEL); }, 1},
        {"close box", [](Driver &, HWND w) { PostMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0); }, 1},
        {"closed by the program", [](Driver &, HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }, 0},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        TestDialog dialog;
        dialog.EditMode = 0;
        dialog.Name = "元の名前";
        dlgtest::RunModal([&] { dialog.Show2(1, program->Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - テスト");
            ASSERT_NE(nullptr, w);
            d.Type(GetDlgItem(w, IDC_TESTDIALOG_TEXT), "捨てる名前");
            way.act(d, w);
            EXPECT_TRUE(d.WaitClosed(w));
        });
        EXPECT_EQ(-1, dialog.EditMode);
        EXPECT_EQ(way.cancels, dialog.cancels);
        EXPECT_EQ("元の名前", dialog.Name);
    }
}

TEST_F(EditorDialogs, BackColourOnTheDialogAndTheNamedControls) {
    ASSERT_TRUE(program->Ready());
    TestDialog dialog;
    dialog.FormBackColor = RGB(0xE0, 0xF0, 0xFF);
    dlgtest::RunModal([&] { dialog.Show2(1, program->Owner()); }, [&](Driver &d) {
        const HWND w = d.WaitForDialog("ポルテリカ - テスト");
        ASSERT_NE(nullptr, w);
        d.Screenshot(w, "editor_dialog_protocol");
        d.Sync();
        wintest::ScreenShot shot(w);
        EXPECT_EQ(RGB(0xE0, 0xF0, 0xFF), shot.Pixel(2, 2));   // the dialog
        const RECT label = RectIn(GetDlgItem(w, IDC_TESTDIALOG_LABEL), w);
        EXPECT_EQ(RGB(0xE0, 0xF0, 0xFF), shot.Pixel(label.right - 2, label.bottom - 2));
        const RECT check = RectIn(GetDlgItem(w, IDC_TESTDIALOG_CHECK), w);
        EXPECT_EQ(RGB(0xE0, 0xF0, 0xFF), shot.Pixel(check.right - 2, (check.top + check.bottom) / 2));
        const RECT text = RectIn(GetDlgItem(w, IDC_TESTDIALOG_TEXT), w);   // not named: white
        EXPECT_EQ(GetSysColor(COLOR_WINDOW), shot.Pixel(text.right - 4, (text.top + text.bottom) / 2));
        d.Click(w, IDCANCEL);
        EXPECT_TRUE(d.WaitClosed(w));
    });
}

TEST_F(EditorDialogs, HelpModeEnlargesTheDialogAndItsControls) {
    ASSERT_TRUE(program->Ready());
    SIZE normal{}, help{};
    RECT normalEdit{}, helpEdit{};
    std::string helpFont;
    for (bool on : {false, true}) {
        std::unique_ptr<dlgtest::HelpModeOn> helpMode;
        if (on) helpMode = std::make_unique<dlgtest::HelpModeOn>();
        TestDialog dialog;
        dlgtest::RunModal([&] { dialog.Show2(1, program->Owner()); }, [&](Driver &d) {
            const HWND w = d.WaitForDialog("ポルテリカ - テスト");
            ASSERT_NE(nullptr, w);
            const RECT r = WindowRect(w);
            (on ? help : normal) = {r.right - r.left, r.bottom - r.top};
            (on ? helpEdit : normalEdit) = RectIn(GetDlgItem(w, IDC_TESTDIALOG_TEXT), w);
            if (on) {
                LOGFONTA lf{};
                GetObjectA(reinterpret_cast<HFONT>(SendDlgItemMessageA(w, IDC_TESTDIALOG_TEXT, WM_GETFONT, 0, 0)),
                           sizeof lf, &lf);
                helpFont = lf.lfFaceName;
                d.Screenshot(w, "editor_dialog_protocol_helpmode");
            }
            d.Key(w, VK_ESCAPE);
            EXPECT_TRUE(d.WaitClosed(w));
        });
    }
    EXPECT_NEAR(normal.cx * 1.3, help.cx, 2);
    EXPECT_NEAR(normal.cy * 1.3, help.cy, 2);
    EXPECT_NEAR(normalEdit.left * 1.3, helpEdit.left, 2);
    EXPECT_NEAR((normalEdit.right - normalEdit.left) * 1.3, helpEdit.right - helpEdit.left, 2);
    EXPECT_EQ("Fixedsys", helpFont);
}

}  // namespace
