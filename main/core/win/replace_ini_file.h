// Writing an INI file as a whole without ever leaving half of it: the new content goes
// into a new file beside the old one, which it replaces only once it is complete.
#pragma once
#include <functional>
#include <string>

#include "ini_store.h"

namespace ptr {

// Writes the file at path with `write`, which gets an empty store. False when any step
// failed (no folder, no room, read-only file or folder): the old file, if there was
// one, is then unchanged and nothing is left beside it.
bool ReplaceIniFile(const std::string &path, const std::function<void(IniStore &)> &write);

}  // namespace ptr
