// The history plug-in's file reader: whatever it accepts must be written back
// byte for byte (a file of an earlier version: written anew, read back the same)
// and be shown without fault. The sealed layout around it is read the same way: its
// parts put together again are the file.
#include <cstdint>
#include <string>
#include <string_view>

#include "history.h"
#include "history_file.h"
#include "history_filter.h"
#include "row_text.h"
#include "sealed_history.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view file(reinterpret_cast<const char *>(data), size);
    if (const auto parts = tlxhistory::SealedPartsOf(file)) {
        const std::string again = tlxhistory::SealedHeader(parts->protectedKey, parts->nonce) +
                                  std::string(parts->encrypted) + std::string(parts->tag);
        if (again != file || parts->header.size() + parts->encrypted.size() + parts->tag.size() != file.size())
            __builtin_trap();
        return 0;
    }
    const auto entries = tlxhistory::ParseHistory(file);
    if (!entries) return 0;
    const std::string written = tlxhistory::SerializeHistory(*entries);
    const bool current = static_cast<uint8_t>(file[8]) == tlxhistory::kHistoryFileVersion;
    const auto again = tlxhistory::ParseHistory(written);
    if ((current && written != file) || !again || tlxhistory::SerializeHistory(*again) != written) __builtin_trap();
    tlxhistory::History history;
    history.Restore(*entries);
    for (const auto &entry : history.Entries()) {
        tlxhistory::RowText(entry);
        tlxhistory::PreviewText(entry);
        tlxhistory::EntryFinds(entry, u"a1");
    }
    return 0;
}
