#include "unicode_log.h"

#include <cstdint>

#include "unicode_text.h"

namespace tlxtext {

namespace {

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (unsigned char b : bytes) {
        hash ^= b;
        hash *= 0x100000001b3ull;
    }
    return hash;
}

std::string HeaderFor(std::string_view datalog) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string hash(16, '0');
    uint64_t value = Fnv1a(datalog);
    for (size_t i = hash.size(); i-- > 0; value >>= 4) hash[i] = hex[value & 0xF];
    return "_datalog " + std::to_string(datalog.size()) + " " + hash + "\n";
}

}  // namespace

std::string UnicodeLogContents(std::string_view datalog, std::u16string_view unicode) {
    return HeaderFor(datalog) + utf::Utf8FromUtf16(unicode, utf::LoneSurrogates::kKeep);
}

std::optional<std::u16string> UnicodeTextToRestore(std::string_view datalog,
                                                   std::optional<std::string_view> unicodeLog) {
    if (!unicodeLog) return std::nullopt;
    const std::string header = HeaderFor(datalog);
    if (unicodeLog->substr(0, header.size()) != header) return std::nullopt;
    return utf::Utf16FromUtf8(unicodeLog->substr(header.size()));
}

}  // namespace tlxtext
