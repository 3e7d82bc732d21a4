// Lists of program file names such as "excel.exe;winword.exe", with * and ?
// wildcards, matched against the file name of a running program.
#pragma once
#include <string_view>

namespace tlx {

// Whether fileName (no folder) is one of the names in list, separated by ";",
// blanks around each ignored. Letter case does not count (ASCII and full-width
// Latin letters); "*" stands for any run of characters, "?" for one.
bool ProgramListMatches(std::u16string_view list, std::u16string_view fileName);

// The file name after the last "\" or "/" of a path.
std::u16string_view FileNameOfPath(std::u16string_view path);

}  // namespace tlx
