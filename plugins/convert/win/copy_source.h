// The program a copy came from.
#pragma once
#include <windows.h>

#include <string>

namespace tlxconv {

// The file name ("EXCEL.EXE") of the process that owns the clipboard, or when
// the clipboard has no owner window, of the process of fallbackWindow; empty
// when neither is known.
std::u16string CopySourceFileName(HWND fallbackWindow);

}  // namespace tlxconv
