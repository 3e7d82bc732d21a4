// Plain file-system questions of the core.
#pragma once
#include <string>
#include <vector>

namespace ptr {
// The names (without folder) of the files, not folders, in a folder ending in a backslash.
std::vector<std::string> FileNamesIn(const std::string &folder);
// True for an existing file (a folder of that name does not count).
bool FileExists(const std::string &path);
}  // namespace ptr
