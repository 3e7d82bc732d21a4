#include "history_store.h"

#include <windows.h>

#include "file_bytes.h"
#include "history_file.h"
#include "module_folder.h"

namespace tlxhistory {

PluginFiles LocatePluginFiles() {
    const std::string folder = tlx::PluginFolderOf(tlx::OwnModule());
    return {folder, folder + "History.dat"};
}

LoadedHistory LoadHistoryFile(const PluginFiles &files) {
    if (!tlx::FileExists(files.historyFile)) return {};
    const std::optional<std::string> bytes = tlx::ReadFileBytes(files.historyFile);
    std::optional<std::vector<HistoryEntry>> entries;
    if (bytes) entries = ParseHistory(*bytes);
    if (entries) return {std::move(*entries), OfEarlierVersion(*bytes)};
    // Out of the way before the first save replaces it.
    tlx::SetAsideDamaged(files.historyFile);
    return {};
}

void RemoveHistoryFile(const PluginFiles &files) { DeleteFileA(files.historyFile.c_str()); }

}  // namespace tlxhistory
