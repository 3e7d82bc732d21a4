// Small operations shared by the core and the windows.
#pragma once
#include <windows.h>

#include <string>

namespace ptr {
// Opens a file, program, folder or URL with the shell's default verb; errors are not reported.
void ShellOpen(HWND owner, const std::string &target);
}  // namespace ptr
