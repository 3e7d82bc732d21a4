// The history's bytes encrypted for the user alone (core/sealed_history.h): a content key
// of 256 random bits encrypts them with AES-GCM (the system's BCrypt), and the system's
// data protection seals that key for the current user (CryptProtectData, no UI): another
// account, another PC or a copy of the folder cannot unseal it. The key is unsealed once,
// when a file is read (or made once, for the first file), and kept for the saves that
// follow; the data protection itself encrypts slowly under Wine (about 100 ms for a
// history of 1,000 entries).
//
// One cipher is used by one thread at a time: the plug-in reads on its own thread, and
// saves on the saver's only once nothing else uses it (a move waits for the saver).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tlxhistory {

class HistoryCipher {
public:
    HistoryCipher() = default;
    HistoryCipher(const HistoryCipher &) = delete;
    HistoryCipher &operator=(const HistoryCipher &) = delete;
    ~HistoryCipher();

    enum class Failure {
        kNone,
        kNotThisUsers,   // its key is sealed for another account or PC (or is damaged)
        kDamaged,        // not the bytes that were encrypted, or not a sealed file of this version
    };
    struct Opened {
        std::optional<std::string> bytes;   // the history's bytes as history_file.h reads them
        Failure failure = Failure::kNone;
    };
    // A sealed file's history bytes; its key is kept for the saves that follow.
    Opened Open(std::string_view file);
    // The sealed file that holds these history bytes; nothing when the system could not
    // encrypt them (the caller then writes nothing rather than the bytes in the clear).
    std::optional<std::string> Seal(std::string_view bytes);

private:
    bool MakeKey();

    std::string key_;            // the content key; empty until a file is read or sealed
    std::string protectedKey_;   // the key as the system sealed it, written in each file
};

// Overwrites text that held copies before its memory is given back.
void Wipe(std::string &text);

}  // namespace tlxhistory
