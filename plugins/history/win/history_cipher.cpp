#include "history_cipher.h"

#include <windows.h>

#include <bcrypt.h>
#include <wincrypt.h>

#include "sealed_history.h"

namespace tlxhistory {

namespace {

constexpr size_t kKeySize = 32;
// Ties the sealed key to this use: a program of the same user that unseals what it finds
// without knowing these bytes gets nothing.
constexpr char kKeyEntropy[] = "Porterica history content key";

DATA_BLOB Blob(std::string_view bytes) {
    return DATA_BLOB{static_cast<DWORD>(bytes.size()), reinterpret_cast<BYTE *>(const_cast<char *>(bytes.data()))};
}

// What the data protection gave back, its memory freed (and wiped first, for a key).
std::string Taken(DATA_BLOB &blob) {
    std::string bytes(reinterpret_cast<const char *>(blob.pbData), blob.cbData);
    SecureZeroMemory(blob.pbData, blob.cbData);
    LocalFree(blob.pbData);
    return bytes;
}

// An AES-GCM key of the system's, made for one operation: Wine keeps the state of a
// GCM operation with its key, so a key is never used twice.
class GcmKey {
public:
    explicit GcmKey(std::string_view key) {
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm_, BCRYPT_AES_ALGORITHM, nullptr, 0))) {
            algorithm_ = nullptr;
            return;
        }
        if (BCRYPT_SUCCESS(BCryptSetProperty(algorithm_, BCRYPT_CHAINING_MODE,
                                              reinterpret_cast<PUCHAR>(const_cast<wchar_t *>(BCRYPT_CHAIN_MODE_GCM)),
                                              sizeof BCRYPT_CHAIN_MODE_GCM, 0)) &&
            !BCRYPT_SUCCESS(BCryptGenerateSymmetricKey(algorithm_, &key_, nullptr, 0,
                                                       reinterpret_cast<PUCHAR>(const_cast<char *>(key.data())),
                                                       static_cast<ULONG>(key.size()), 0)))
            key_ = nullptr;
    }
    ~GcmKey() {
        if (key_) BCryptDestroyKey(key_);
        if (algorithm_) BCryptCloseAlgorithmProvider(algorithm_, 0);
    }
    GcmKey(const GcmKey &) = delete;
    GcmKey &operator=(const GcmKey &) = delete;

    // In and out are the same size; the header is authenticated with them.
    bool Encrypt(std::string_view header, std::string_view nonce, std::string_view in, std::string &out,
                 std::string &tag) {
        tag.assign(kSealTagSize, '\0');
        BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = Info(header, nonce, tag);
        out.assign(in.size(), '\0');
        ULONG done = 0;
        return key_ && BCRYPT_SUCCESS(BCryptEncrypt(key_, Bytes(in), static_cast<ULONG>(in.size()), &info, nullptr, 0,
                                                    Bytes(out), static_cast<ULONG>(out.size()), &done, 0)) &&
               done == in.size();
    }
    // False when the tag does not match: the bytes or the header were changed.
    bool Decrypt(std::string_view header, std::string_view nonce, std::string_view in, std::string_view tag,
                 std::string &out) {
        std::string expected(tag);
        BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = Info(header, nonce, expected);
        out.assign(in.size(), '\0');
        ULONG done = 0;
        const bool ok = key_ && BCRYPT_SUCCESS(BCryptDecrypt(key_, Bytes(in), static_cast<ULONG>(in.size()), &info,
                                                             nullptr, 0, Bytes(out), static_cast<ULONG>(out.size()),
                                                             &done, 0)) &&
                        done == in.size();
        if (!ok) Wipe(out);
        return ok;
    }

private:
    static PUCHAR Bytes(std::string_view bytes) { return reinterpret_cast<PUCHAR>(const_cast<char *>(bytes.data())); }
    static BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO Info(std::string_view header, std::string_view nonce, std::string &tag) {
        BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
        BCRYPT_INIT_AUTH_MODE_INFO(info);
        info.pbNonce = Bytes(nonce);
        info.cbNonce = static_cast<ULONG>(nonce.size());
        info.pbAuthData = Bytes(header);
        info.cbAuthData = static_cast<ULONG>(header.size());
        info.pbTag = Bytes(tag);
        info.cbTag = static_cast<ULONG>(tag.size());
        return info;
    }

    BCRYPT_ALG_HANDLE algorithm_ = nullptr;
    BCRYPT_KEY_HANDLE key_ = nullptr;
};

std::optional<std::string> RandomBytes(size_t count) {
    std::string bytes(count, '\0');
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(bytes.data()), static_cast<ULONG>(count),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return std::nullopt;
    return bytes;
}

}  // namespace

void Wipe(std::string &text) {
    if (!text.empty()) SecureZeroMemory(text.data(), text.size());
    text.clear();
}

HistoryCipher::~HistoryCipher() { Wipe(key_); }

bool HistoryCipher::MakeKey() {
    std::optional<std::string> key = RandomBytes(kKeySize);
    if (!key) return false;
    DATA_BLOB plain = Blob(*key), entropy = Blob(kKeyEntropy), sealed{};
    if (!CryptProtectData(&plain, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &sealed)) {
        Wipe(*key);
        return false;
    }
    protectedKey_ = Taken(sealed);
    key_ = std::move(*key);
    return true;
}

HistoryCipher::Opened HistoryCipher::Open(std::string_view file) {
    const std::optional<SealedParts> parts = SealedPartsOf(file);
    if (!parts) return {std::nullopt, Failure::kDamaged};
    DATA_BLOB sealed = Blob(parts->protectedKey), entropy = Blob(kKeyEntropy), plain{};
    if (!CryptUnprotectData(&sealed, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &plain))
        return {std::nullopt, Failure::kNotThisUsers};
    std::string key = Taken(plain);
    std::string bytes;
    if (key.size() != kKeySize || !GcmKey(key).Decrypt(parts->header, parts->nonce, parts->encrypted, parts->tag, bytes)) {
        Wipe(key);
        return {std::nullopt, Failure::kDamaged};
    }
    Wipe(key_);
    key_ = std::move(key);
    protectedKey_ = std::string(parts->protectedKey);
    return {std::move(bytes), Failure::kNone};
}

std::optional<std::string> HistoryCipher::Seal(std::string_view bytes) {
    if (key_.empty() && !MakeKey()) return std::nullopt;
    // A nonce of its own for every file written with the key.
    const std::optional<std::string> nonce = RandomBytes(kSealNonceSize);
    if (!nonce) return std::nullopt;
    std::string file = SealedHeader(protectedKey_, *nonce);
    std::string encrypted, tag;
    if (!GcmKey(key_).Encrypt(file, *nonce, bytes, encrypted, tag)) return std::nullopt;
    file.reserve(file.size() + encrypted.size() + tag.size());
    file += encrypted;
    file += tag;
    return file;
}

}  // namespace tlxhistory
