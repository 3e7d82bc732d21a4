#include "recorded_history.h"

#include <wincrypt.h>

#include "history_cipher.h"
#include "history_file.h"
#include "sealed_history.h"

namespace historytest {

std::optional<std::vector<tlxhistory::HistoryEntry>> SavedHistory(const std::string &path) {
    const std::string file = ptrtest::ReadFileBytes(path);
    if (!tlxhistory::LooksSealed(file)) return tlxhistory::ParseHistory(file);
    tlxhistory::HistoryCipher cipher;
    const tlxhistory::HistoryCipher::Opened opened = cipher.Open(file);
    if (!opened.bytes) return std::nullopt;
    return tlxhistory::ParseHistory(*opened.bytes);
}

std::string SealedHistoryFile(const std::vector<tlxhistory::HistoryEntry> &entries) {
    tlxhistory::HistoryCipher cipher;
    return cipher.Seal(tlxhistory::SerializeHistory(entries)).value_or("");
}

std::string SealedForSomeoneElse(const std::string &sealed) {
    const auto parts = tlxhistory::SealedPartsOf(sealed);
    if (!parts) return "";
    char key[32] = {1, 2, 3};
    char other[] = "someone else's key";
    DATA_BLOB plain{sizeof key, reinterpret_cast<BYTE *>(key)}, entropy{sizeof other, reinterpret_cast<BYTE *>(other)},
        theirs{};
    if (!CryptProtectData(&plain, nullptr, &entropy, nullptr, nullptr, CRYPTPROTECT_UI_FORBIDDEN, &theirs)) return "";
    const std::string theirKey(reinterpret_cast<const char *>(theirs.pbData), theirs.cbData);
    LocalFree(theirs.pbData);
    return tlxhistory::SealedHeader(theirKey, parts->nonce) + std::string(parts->encrypted) + std::string(parts->tag);
}

std::string WithDamagedCiphertext(std::string sealed) {
    const auto parts = tlxhistory::SealedPartsOf(sealed);
    if (parts && !parts->encrypted.empty()) sealed[parts->header.size() + parts->encrypted.size() / 2] ^= 0x01;
    return sealed;
}

std::vector<std::u16string> RecordedTexts(const e2e::ProgramFolder &program, const std::vector<std::u16string> &expected) {
    std::vector<std::u16string> texts;
    ptrtest::PumpUntil([&] {
        texts.clear();
        const auto saved = SavedHistory(program.Path() + "Plugins\\tlxHistory\\History.dat");
        for (const auto &entry : saved.value_or(std::vector<tlxhistory::HistoryEntry>{}))
            texts.push_back(tlxhistory::Utf16FromBytes(entry.data));
        return texts == expected;
    }, 8000);
    return texts;
}

}  // namespace historytest
