#include <cstdint>
#include <string>

#include "command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    const ptr::CommandLine cl = ptr::ParseCommandLine(text);
    // The option is always a tail of the command line.
    if (cl.executeValid && (cl.functionOption.size() > text.size() ||
                            text.compare(text.size() - cl.functionOption.size(), std::string::npos, cl.functionOption) != 0))
        __builtin_trap();
    return 0;
}
