// The history file as it is kept on disk: the bytes history_file.h lays out, encrypted for
// the user. In the clear is only a small header: "PTRHSEAL", a version, the length of the
// content key and the key itself as the system's data protection sealed it for the user,
// and the nonce. Then come the history's bytes encrypted with that key (AES-256-GCM) and
// the 16-byte tag, which also authenticates the header. No Windows header: the
// encryption is the Windows side's (win/history_cipher).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tlxhistory {

constexpr size_t kSealNonceSize = 12;
constexpr size_t kSealTagSize = 16;

struct SealedParts {
    std::string_view header;         // all before the encrypted bytes: authenticated with them
    std::string_view protectedKey;   // the content key, sealed for the user
    std::string_view nonce;
    std::string_view encrypted;
    std::string_view tag;
};

// What precedes the encrypted bytes; the file is header + encrypted + tag.
std::string SealedHeader(std::string_view protectedKey, std::string_view nonce);
// Whether the file starts as a sealed history does (of any version): such a file is never
// read as a plain one.
bool LooksSealed(std::string_view file);
// The parts of a sealed file of this version; nothing when it is none, or is cut short.
std::optional<SealedParts> SealedPartsOf(std::string_view file);

}  // namespace tlxhistory
