#include "sealed_history.h"

#include <cstdint>

namespace tlxhistory {

namespace {
constexpr std::string_view kSignature("PTRHSEAL", 8);
constexpr uint32_t kSealVersion = 1;
constexpr size_t kFixedHeader = 8 + 4 + 4;      // signature, version, key length
constexpr uint32_t kMaxKeyLength = 64 * 1024;   // a sealed key is a few hundred bytes

void PutU32(std::string &out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t U32At(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    return value;
}
}  // namespace

std::string SealedHeader(std::string_view protectedKey, std::string_view nonce) {
    std::string header(kSignature);
    PutU32(header, kSealVersion);
    PutU32(header, static_cast<uint32_t>(protectedKey.size()));
    header += protectedKey;
    header += nonce;
    return header;
}

bool LooksSealed(std::string_view file) { return file.substr(0, kSignature.size()) == kSignature; }

std::optional<SealedParts> SealedPartsOf(std::string_view file) {
    if (!LooksSealed(file) || file.size() < kFixedHeader || U32At(file, 8) != kSealVersion) return std::nullopt;
    const uint32_t keyLength = U32At(file, 12);
    if (keyLength > kMaxKeyLength || file.size() - kFixedHeader < keyLength + kSealNonceSize + kSealTagSize)
        return std::nullopt;
    const size_t headerSize = kFixedHeader + keyLength + kSealNonceSize;
    SealedParts parts;
    parts.header = file.substr(0, headerSize);
    parts.protectedKey = file.substr(kFixedHeader, keyLength);
    parts.nonce = file.substr(kFixedHeader + keyLength, kSealNonceSize);
    parts.encrypted = file.substr(headerSize, file.size() - headerSize - kSealTagSize);
    parts.tag = file.substr(file.size() - kSealTagSize);
    return parts;
}

}  // namespace tlxhistory
