// Small operations shared by the core and the windows.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptr {

// Opens a file, program, folder or URL with the shell's default verb; errors are not reported.
void ShellOpen(HWND owner, const std::string &target);

// Brings one of the program's windows to the front even while another program has the
// focus, and records the window that was in front as ActivateWnd.
void ActivateWindow(HWND window);

// The path of a special folder (CSIDL_*), "" when the system has none.
std::string GetSpecialFolder(HWND owner, int csidl);
std::string GetFavoritesFolder();

// The start-up shortcut "ポルテリカ.lnk" in the user's Startup folder (with "/HelpMode"
// when the program runs in help mode). check: only answers whether it exists.
// reg: creates it and reports the outcome in a message box; true when created.
// Neither: removes it silently.
bool SetStartup(bool check, bool reg);

// A shortcut to this program with the given arguments; true when it was written.
bool CreateFunctionShortcut(const std::string &linkFile, const std::string &description,
                            const std::string &arguments);

// The host DLL's tray icon: commands 1-11 (kxdll.h KX_TRAY_*); 4, 7 and 9 take the
// text, 11 both values, the others value1. Other commands are ignored.
void TrayIconControl(int32_t command, const std::string &text = "", INT_PTR value1 = 0, INT_PTR value2 = 0);
// A balloon over the tray icon, in turn after those before it; one asked for before the
// icon is there shows once it is.
void ShowBalloon(const std::string &title, const std::string &text, bool warning);

// Help mode: enlarges the window and its controls by HelpModeScale and gives the
// controls the font "Fixedsys". Windows call it while loading when HelpMode is set.
void ScaleForHelpMode(HWND window);
// Moves and sizes the window's controls (and those of the dialogs in it) by factor and
// gives them font, unless it is null.
void ScaleControls(HWND window, double factor, HFONT font);

// The item data (16 bits) of the selected entry of a combo or list box; -1 when none
// is selected.
int GetComboItemData(HWND box);

}  // namespace ptr
