// The switches of ptrmain's command line.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ptr {

struct CommandLine {
    enum class Kind { Plain, Execute, HelpMode };
    Kind kind = Kind::Plain;
    // For Execute: whether both colons were present, and the function they name.
    bool executeValid = false;
    int32_t functionType = -1;
    std::string functionOption;
};

// "/Execute:<type>:<option>" (first 8 characters compared case-insensitively; the option is
// everything after the second colon, colons included), "/HelpMode" (whole text), else plain.
CommandLine ParseCommandLine(std::string_view arguments);

}  // namespace ptr
