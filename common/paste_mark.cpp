#include "paste_mark.h"

namespace tlx {

namespace {
constexpr size_t kKindBytes = 4;
}  // namespace

std::string PasteMarkBytes(const PasteMark &mark) {
    std::string bytes;
    const auto kind = static_cast<uint32_t>(mark.kind);
    for (size_t i = 0; i < kKindBytes; ++i) bytes.push_back(static_cast<char>((kind >> (8 * i)) & 0xFF));
    for (const char16_t unit : mark.source + u'\0') {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::optional<PasteMark> ReadPasteMark(std::string_view bytes) {
    if (bytes.size() < kKindBytes) return std::nullopt;
    uint32_t kind = 0;
    for (size_t i = 0; i < kKindBytes; ++i) kind |= uint32_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
    if (kind != static_cast<uint32_t>(PasteMark::Kind::kOffered) &&
        kind != static_cast<uint32_t>(PasteMark::Kind::kGivenBack))
        return std::nullopt;
    PasteMark mark{static_cast<PasteMark::Kind>(kind), {}};
    for (size_t i = kKindBytes; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (unit == u'\0') break;
        mark.source.push_back(unit);
    }
    return mark;
}

}  // namespace tlx
