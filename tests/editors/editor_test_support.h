// What the editor tests share: the program they open the editors over, and the
// function selection dialog and message boxes answered as a user does.
#pragma once
#include <windows.h>

#include <string>

#include "dialog_driver.h"

namespace edtest {

// The program with the test plug-in (check functions CheckA and CheckB besides actions)
// and the text plug-in, and the clipboard formats of the release's CF_Type.ini.
dlgtest::DialogProgram &Program();

// The function selection dialog that `editor` opens, titled "ポルテリカ" + suffix: picks
// the category, then the entries of the value lists given, and presses OK. False when
// the dialog did not appear or an entry was missing.
struct Pick {
    std::string category;    // caption of the category, "" to keep
    std::string values[3];   // texts of cmbFuncValue(0..2), "" to keep
};
bool AnswerSelection(dlgtest::Driver &d, HWND editor, const std::string &titleSuffix, const Pick &pick);
// The same dialog cancelled; preselected: the function it showed (cmbFuncValue(1)).
bool CancelSelection(dlgtest::Driver &d, HWND editor, const std::string &titleSuffix, std::string &preselected);

// The message box owned by `owner`: its text, after pressing its first button; "" when
// none appeared within timeoutMs.
std::string AnswerMessage(dlgtest::Driver &d, HWND owner, DWORD timeoutMs = 5000);

// A click on a button that opens nothing, returning once the dialog has handled it.
void Press(HWND dialog, int id);

// A key pressed as the user does (through the system's input), with modifiers held.
void PressKeys(std::initializer_list<WORD> keys);

}  // namespace edtest
