// The text plug-in's readers of clipboard blocks and stored separators.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "drop_files.h"
#include "html_decode.h"
#include "separator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // A copy of exactly the input's size, so any read past the block is caught.
    std::unique_ptr<uint8_t[]> block(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(block.get(), data, size);
    const std::u16string html = tlxtext::DecodeHtmlBlock(block.get(), size);
    if (html.size() > size) __builtin_trap();   // never more characters than bytes
    tlxtext::InspectDropFiles(block.get(), size);
    tlxtext::ExpandSeparator(std::string(reinterpret_cast<const char *>(data), size));
    return 0;
}
