// The internet plug-in's checks, address building and keyword codecs.
#include <cstdint>
#include <string>

#include "address_text.h"
#include "keyword.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const int32_t charSet = data[0] % 3;
    const bool encode = data[0] & 4;
    const std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    tlxinet::LooksLikeUrl(text);
    tlxinet::LooksLikeMailAddress(text);
    if (tlxinet::WebAddress(text).size() > tlxinet::kAddressMaxBytes) __builtin_trap();
    if (tlxinet::MailtoAddress(text).size() > tlxinet::kMailAddressMaxBytes) __builtin_trap();
    std::u16string wide(text.size() / 2, u'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(static_cast<uint8_t>(text[2 * i]) | static_cast<uint8_t>(text[2 * i + 1]) << 8);
    const std::string keyword = tlxinet::KeywordBytes(charSet, text, wide);
    if (tlxinet::EncodeKeyword(keyword, charSet, encode, tlxinet::kAddressMaxBytes).size() > tlxinet::kAddressMaxBytes)
        __builtin_trap();
    return 0;
}
