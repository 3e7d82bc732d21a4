// The program's own version resource.
#pragma once
#include <string>

namespace ptr {

struct ProgramVersion {
    int major = 0, minor = 0, revision = 0;
    std::string copyright;   // LegalCopyright, code page 932
};

// Read once from the running program's version resource; zeros and an empty text when
// it has none.
const ProgramVersion &OwnVersion();

}  // namespace ptr
