// What the editor dialogs share beyond the dialog protocol: the display text of a
// function, and messages owned by the dialog.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptr {

// The display text of a function, named with the running program's plug-ins and menus.
std::string FunctionDisplayName(int32_t type, const std::string &option);
// The display text of a check function's reference.
std::string CheckDisplayName(const std::string &reference);

// The whole text of a dialog's control.
std::string DialogItemText(HWND dialog, int id);

// A message box owned by the dialog, titled with the product name.
void ShowDialogMessage(HWND dialog, const std::string &text, UINT icon);

}  // namespace ptr
