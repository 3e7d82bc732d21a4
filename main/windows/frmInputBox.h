// A small modal dialog that asks for one line of text: the prompt, the text box with a
// proposed answer, OK and cancel.
#pragma once
#include <windows.h>

#include <string>

namespace ptr {

// Shows the dialog centred on and modal to owner. True with the answer in `text` after
// OK; false, with `text` unchanged, after cancel.
bool InputBox(HWND owner, const std::string &prompt, const std::string &title, std::string &text);

}  // namespace ptr
