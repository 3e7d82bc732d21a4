#include "copy_text.h"

#include <cstring>

#include "sjis_text.h"

namespace kx {

size_t CopySjisTruncated(char *buffer, size_t size, const char *text) {
    if (size == 0) return 0;
    const std::string_view source = text ? std::string_view(text) : std::string_view();
    const size_t kept = sjis::SjisPrefix(source, size - 1).size();
    if (kept) std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
    return kept;
}

}  // namespace kx
