#include "sjis_text.h"

#include <cstring>

namespace kx {

bool IsSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t SjisPrefixLength(const char *text, size_t length, size_t maxBytes) {
    size_t at = 0;
    while (at < length) {
        // A lead byte at the very end has no trail byte; it counts alone.
        const size_t width = IsSjisLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < length ? 2 : 1;
        if (at + width > maxBytes) break;
        at += width;
    }
    return at;
}

size_t CopySjisTruncated(char *buffer, size_t size, const char *text) {
    if (size == 0) return 0;
    const size_t length = text ? std::strlen(text) : 0;
    const size_t kept = SjisPrefixLength(text, length, size - 1);
    if (kept) std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
    return kept;
}

}  // namespace kx
