// The clipboard's file-list block (CF_HDROP): a 20-byte header (offset of the
// names, drop point, two flags) followed by NUL-terminated names, ANSI or
// UTF-16, ended by an empty name.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tlxtext {

struct DropFilesLayout {
    bool valid = false;  // the header and the whole name list lie inside the block
    bool wide = false;   // names are UTF-16
    size_t count = 0;    // number of names
};

// Checks a file-list block against its real size, so that the system's reader
// is only handed blocks it can walk without running past their end.
DropFilesLayout InspectDropFiles(const unsigned char *data, size_t size);

// The names one after the other with the separator between them, in code
// page 932 or in UTF-16.
std::string JoinFileNames(const std::vector<std::string> &names, std::string_view separator);
std::u16string JoinFileNames(const std::vector<std::u16string> &names, std::u16string_view separator);

}  // namespace tlxtext
