#include <cstdint>
#include <string>

#include "function_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    ptr::ParsePluginFunction(text);
    ptr::ParseProgramFunction(text);
    ptr::PluginList none;
    ptr::GetPluginFunctionName(text, none);
    return 0;
}
