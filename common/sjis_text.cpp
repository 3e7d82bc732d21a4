#include "sjis_text.h"

namespace sjis {

bool IsSjisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsSjisTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

size_t SjisCharLength(std::string_view text, size_t pos) {
    if (pos + 1 < text.size() && IsSjisLeadByte(static_cast<unsigned char>(text[pos])) &&
        IsSjisTrailByte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

bool IsBrokenSjisChar(std::string_view text, size_t pos) {
    return IsSjisLeadByte(static_cast<unsigned char>(text[pos])) && SjisCharLength(text, pos) == 1;
}

std::string_view SjisPrefix(std::string_view text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t len = SjisCharLength(text, end);
        if (end + len > maxBytes) break;
        // A lead byte that ends the text lost its trail byte: no character.
        if (end + 1 == text.size() && IsBrokenSjisChar(text, end)) break;
        end += len;
    }
    return text.substr(0, end);
}

size_t FindSjisChar(std::string_view text, std::string_view ch) {
    for (size_t pos = 0; pos < text.size(); pos += SjisCharLength(text, pos)) {
        if (text.compare(pos, SjisCharLength(text, pos), ch) == 0) return pos;
    }
    return std::string_view::npos;
}

size_t FindLastSjisChar(std::string_view text, std::string_view ch) {
    size_t found = std::string_view::npos;
    for (size_t pos = 0; pos < text.size(); pos += SjisCharLength(text, pos)) {
        if (text.compare(pos, SjisCharLength(text, pos), ch) == 0) found = pos;
    }
    return found;
}

}  // namespace sjis
