// A .lnk file read back through the shell's own link object.
#pragma once
#include <string>

namespace ptrtest {

struct ShortcutFields {
    bool loaded = false;
    std::string path, arguments, workingFolder, description, iconFile;
    int iconIndex = -1;
};

// Initialises COM for the call itself; fields the link lacks stay empty.
ShortcutFields ReadShortcut(const std::string &file);

}  // namespace ptrtest
