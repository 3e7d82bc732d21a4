// The running program's dialogs and its tray icon, used from the test's own process as a
// user uses them: lists and boxes filled through their controls' messages, buttons
// clicked, the icon clicked with the mouse.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The visible dialog (#32770) of the process with exactly this title, owned by owner
// (any owner when nullptr); nullptr when none appears within ms.
HWND WaitForDialog(DWORD process, const std::string &title, HWND owner, DWORD ms = 5000);
// True once the window is gone or hidden.
bool WaitClosed(HWND window, DWORD ms = 5000);

// A click on the dialog's button; posted, so it returns before the handler ends (the
// handler may open a dialog of its own).
void ClickButton(HWND dialog, int id);
// A click on a button that opens nothing: returns once the dialog has handled it, so
// what comes next reaches the dialog after it.
void ClickAndWait(HWND dialog, int id);
bool Checked(HWND dialog, int id);
// Whether the keyboard focus of the window's thread lies in the window, waiting up to ms.
bool WaitForFocusIn(HWND window, DWORD ms = 3000);

// The entries of a drop-down list or of a list box, and the one picked as a click on
// it would (the dialog hears of the change). False when there is no such entry or the
// control is disabled.
std::vector<std::string> ComboItems(HWND dialog, int id);
std::string ComboSelection(HWND dialog, int id);
bool PickComboItem(HWND dialog, int id, const std::string &text);
std::vector<std::string> ListItems(HWND dialog, int id);
std::vector<std::string> ListSelection(HWND dialog, int id);
bool PickListItem(HWND dialog, int id, const std::string &text);

// Replaces the text of an edit box as typing over its selection does.
void TypeInto(HWND dialog, int id, const std::string &text);

// The common save dialog: the path typed into its file name box, then its OK.
bool SaveFileAs(HWND fileDialog, const std::string &path);

// The icon in the notification area (Wine shows it in a tray window of its own without
// a desktop's tray); nullptr when none appears within ms.
HWND TrayIcon(DWORD ms = 5000);
// Clicks the middle of the window with the mouse, once or twice in a row.
void MouseClick(HWND window, bool right, int clicks = 1);

// The window with its frame as the screen shows it, saved as test-artifacts\NAME.png,
// once the window's thread has handled what was sent to it before.
void Shoot(HWND window, const std::string &name);

}  // namespace e2e
