#include <cstdint>
#include <string>

#include "ini_store.h"
#include "text_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    ptr::LeadingInteger(text);
    ptr::IsNumeric(text);
    ptr::ParseIniNumber(text);
    const size_t half = size / 2;
    const std::string_view cut = ptr::CutAtCharBoundary(text, half);
    if (cut.size() > half) __builtin_trap();
    const std::string a = text.substr(0, half), b = text.substr(half);
    if (ptr::CompareNoCase(a, b) != -ptr::CompareNoCase(b, a)) __builtin_trap();
    ptr::EndsWithNoCase(text, b);
    if (ptr::JoinText(ptr::SplitText(text, ","), ",") != text) __builtin_trap();
    return 0;
}
