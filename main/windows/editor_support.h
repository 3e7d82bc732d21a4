// What the editor dialogs share beyond the dialog protocol: choosing a function with
// the function selection dialog, its display text, and messages owned by the dialog.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptr {

// Opens the function selection dialog in `mode`, owned by `owner` and tinted with
// `backColor`, with type and option preselected; true, with the choice in type and
// option, unless the user cancelled.
bool ChooseFunction(HWND owner, int32_t mode, COLORREF backColor, int32_t &type, std::string &option);

// The display text of a function, named with the running program's plug-ins and menus.
std::string FunctionDisplayName(int32_t type, const std::string &option);
// The display text of a check function's reference.
std::string CheckDisplayName(const std::string &reference);

// The whole text of a dialog's control.
std::string DialogItemText(HWND dialog, int id);

// A message box owned by the dialog, titled with the product name.
void ShowDialogMessage(HWND dialog, const std::string &text, UINT icon);

}  // namespace ptr
