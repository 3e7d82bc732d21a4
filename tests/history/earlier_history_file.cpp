#include "earlier_history_file.h"

#include "history_file.h"

namespace historytest {

namespace {
void PutU32(std::string &out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
}  // namespace

std::string EarlierVersionFile(uint32_t version, const std::vector<tlxhistory::HistoryEntry> &entries) {
    std::string file("PTRHIST\0", 8);
    PutU32(file, version);
    PutU32(file, static_cast<uint32_t>(entries.size()));
    for (const tlxhistory::HistoryEntry &entry : entries) {
        file += static_cast<char>(entry.kind);
        file += static_cast<char>(entry.pinned ? 1 : 0);
        PutU32(file, static_cast<uint32_t>(entry.data.size()));
        file += entry.data;
        if (version < 2) continue;
        file += static_cast<char>(entry.forms.size());
        for (const auto &form : entry.forms) {
            file += static_cast<char>(form.name.size()) + form.name;
            PutU32(file, static_cast<uint32_t>(form.data.size()));
            file += form.data;
        }
    }
    PutU32(file, tlxhistory::Crc32(file));
    return file;
}

}  // namespace historytest
