// The program a copy came from.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tlx {

// The file name ("EXCEL.EXE") of the process that owns the clipboard, or when
// the clipboard has no owner window, of the process of fallbackWindow; empty
// when neither is known. For the user's copy given back after a paste, the
// program it came from.
std::u16string CopySourceFileName(HWND fallbackWindow);

// Whether the copy on the clipboard came from a program of the list ("excel.exe;
// winword.exe" in code page 932, as settings keep it; see ProgramListMatches). An
// empty list names none, and no program is looked up for it.
bool CopiedFromListedProgram(std::string_view programList, HWND fallbackWindow);

}  // namespace tlx
