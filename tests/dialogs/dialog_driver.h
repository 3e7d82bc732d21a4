// Driving the program's modal editor dialogs under Wine as a user would.
//
// A dialog test program links the program's windows and core (ptr_windows, ptr_core_win)
// and its resources; register one in tests/dialogs/CMakeLists.txt:
//
//   ptr_add_dialog_test(frmhotkey_wine SOURCES frmhotkey_test.cpp)
//
// A test prepares the program the dialog reads, opens the dialog on the test's own
// thread and drives it from a second thread, which waits for windows, clicks, picks,
// types and presses keys through messages, exactly what the dialog sees from a user:
//
//   dlgtest::DialogProgram program({{dlgtest::StandardPlugin("tlxText.tlx"),
//                                    dlgtest::TestPlugin("e2e_probe.tlx")},
//                                   {{"Tools.mnu", "[Main]\r\nMenuName=ツール\r\n..."}}});
//   ptr::frmHotkey dialog;
//   dialog.EditMode = 0;
//   dlgtest::RunModal([&] { dialog.Show2(1, program.Owner()); }, [&](dlgtest::Driver &d) {
//       const HWND w = d.WaitForDialog("ポルテリカ");
//       ASSERT_NE(nullptr, w);
//       d.Select(w, IDC_HOTKEY_KEY, 3);        // CB_SETCURSEL + CBN_SELCHANGE
//       d.Screenshot(w, "hotkey_new");         // build/win64/test-artifacts/hotkey_new.png
//       d.Key(w, VK_RETURN);                   // Enter, to the focused control
//       EXPECT_TRUE(d.WaitClosed(w));
//   });
//   EXPECT_EQ(0, dialog.EditMode);
//
// Nested windows (a message box, the common file dialog, a popup menu, another editor)
// are answered the same way from the script: Click posts the click and returns at
// once, so the script can wait for what the click opens. Whatever is still open when
// the script ends is cancelled, so a failed check never leaves the test hanging.
// DialogProgram sets App() up once per object (host DLL, Plugins\, MenuData\ in a fresh
// folder); HelpModeOn switches help mode for its lifetime (the window is enlarged when
// it loads, so open the dialog inside it).
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "wine_support.h"

namespace dlgtest {

// Plug-in files to copy into the program's Plugins\: a standard one from the release
// folder, or one the tests build beside the test program.
std::string StandardPlugin(const std::string &fileName);
std::string TestPlugin(const std::string &fileName);

struct ProgramSetup {
    std::vector<std::string> plugins;                              // paths of .tlx files
    std::vector<std::pair<std::string, std::string>> menuFiles;    // MenuData\ name, content
    bool defaultMenu = false;                                      // the generated "/default"
};

// The running program as the dialogs see it: App() with a folder of its own, the host
// DLL, the plug-ins and menus loaded, and a visible stand-in for the settings window as
// the dialogs' owner (it carries the program's icon).
class DialogProgram {
public:
    explicit DialogProgram(const ProgramSetup &setup);
    ~DialogProgram();
    DialogProgram(const DialogProgram &) = delete;
    DialogProgram &operator=(const DialogProgram &) = delete;

    const std::string &Folder() const { return temp_.path; }   // AppPath, with a backslash
    HWND Owner() const { return owner_; }
    // False when the host DLL or the folder could not be set up.
    bool Ready() const { return ready_; }

private:
    ptrtest::TempDir temp_;
    HWND owner_ = nullptr;
    bool ready_ = false;
};

// Help mode (HelpMode, HelpModeScale 1.3) while the object lives.
struct HelpModeOn {
    HelpModeOn();
    ~HelpModeOn();
};

class Driver;
// Runs show() on this thread (it returns when the dialog has closed) while script runs
// on a second thread; returns when both are done.
void RunModal(const std::function<void()> &show, const std::function<void(Driver &)> &script);

// Used from the script's thread; every wait gives up after timeoutMs.
// The waits end as soon as what they wait for holds; their default limits are wide because the
// system's file dialogs take seconds to open and close under Wine when the machine is busy.
constexpr DWORD kWaitMs = 15000;

class Driver {
public:
    explicit Driver(DWORD uiThread) : ui_(uiThread) {}

    // A visible dialog of the program's thread whose caption begins with titlePrefix,
    // owned by owner when one is given; nullptr when none appears.
    HWND WaitForDialog(const std::string &titlePrefix = "", HWND owner = nullptr, DWORD timeoutMs = kWaitMs) const;
    // The visible popup menu of the program's thread; nullptr when none appears.
    HWND WaitForMenu(DWORD timeoutMs = kWaitMs) const;
    // True once the window is gone or hidden.
    bool WaitClosed(HWND window, DWORD timeoutMs = kWaitMs) const;
    // Returns once the program's thread has handled what was posted to it before (a
    // click, a key), or that has opened a window with a loop of its own.
    void Sync() const;

    // A click on a button: posted, so it returns before the handler ends. False, and
    // nothing happens, for a button that is hidden or disabled.
    bool Click(HWND dialog, int id) const;
    // Picks an entry of a drop-down list as the user does (CBN_SELCHANGE to the dialog).
    void Select(HWND dialog, int comboId, int index) const;
    // The same by the entry's text; false when there is no such entry.
    bool SelectText(HWND dialog, int comboId, const std::string &text) const;
    // Replaces the whole text of an edit box, as pasting it over a selection does
    // (EN_CHANGE to the dialog).
    void Type(HWND edit, const std::string &text) const;
    // A key pressed and released at the focused control of the program's thread (Enter,
    // Esc, Tab...) of the window; posted, as input arrives. It goes to the window itself
    // while the focus is not (yet) inside it.
    void Key(HWND window, UINT vk) const;
    // A typed character (a menu item's mnemonic, for instance) to the focused window or,
    // for a popup menu, to the menu.
    void Char(HWND window, char c) const;
    // The window that has the keyboard focus in the program's thread.
    HWND Focus() const;

    static std::string Text(HWND window);
    static std::string Text(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }
    static std::vector<std::string> Items(HWND dialog, int comboId);
    static int Selected(HWND dialog, int comboId);        // -1 when none
    static std::string SelectedText(HWND dialog, int comboId);
    static bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }
    static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
    // The text of a message box (its static text).
    static std::string MessageText(HWND box);

    // The common file dialog owned by owner with that caption: types the path into its
    // file name box and presses its OK (or Cancel for an empty path). False when no such
    // dialog appeared or it did not close.
    bool AnswerFileDialog(HWND owner, const std::string &title, const std::string &path) const;

    // The window as the screen shows it, with its frame, saved as the test artifact
    // test-artifacts\NAME.png of the build folder.
    bool Screenshot(HWND window, const std::string &name) const;

    DWORD UiThread() const { return ui_; }

private:
    HWND KeyTarget(HWND window) const;
    DWORD ui_;
};

}  // namespace dlgtest
