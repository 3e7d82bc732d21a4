#include "history_store.h"

#include <windows.h>

#include "file_bytes.h"
#include "held_file.h"
#include "history_file.h"
#include "module_folder.h"

namespace tlxhistory {

PluginFiles LocatePluginFiles() {
    const std::string folder = tlx::PluginFolderOf(tlx::OwnModule());
    return {folder, folder + "History.dat"};
}

LoadedHistory LoadHistoryFile(const PluginFiles &files, unsigned long patienceMs) {
    const tlx::FileRead read = tlx::ReadWhenFree(files.historyFile, patienceMs);
    if (read.outcome == tlx::FileRead::Outcome::kMissing) return {};
    if (read.outcome == tlx::FileRead::Outcome::kHeld) return {{}, false, true};
    std::optional<std::vector<HistoryEntry>> entries = ParseHistory(read.bytes);
    if (entries) return {std::move(*entries), OfEarlierVersion(read.bytes)};
    // Out of the way before the first save replaces it; where it cannot go, nothing replaces it.
    return {{}, false, !tlx::SetAsideDamaged(files.historyFile)};
}

void RemoveHistoryFile(const PluginFiles &files) { DeleteFileA(files.historyFile.c_str()); }

}  // namespace tlxhistory
