#include "history_store.h"

#include <windows.h>

#include "file_bytes.h"
#include "history_file.h"
#include "module_folder.h"

namespace tlxhistory {

namespace {
bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetAside(const std::string &path) {
    const std::optional<std::string> aside = SetAsideName(path, Exists);
    // With every name taken the file stays; the next save replaces it.
    if (aside) MoveFileExA(path.c_str(), aside->c_str(), MOVEFILE_WRITE_THROUGH);
}
}  // namespace

PluginFiles LocatePluginFiles() {
    const std::string folder = tlx::PluginFolderOf(tlx::OwnModule());
    return {folder, folder + "History.dat"};
}

LoadedHistory LoadHistoryFile(const PluginFiles &files) {
    if (!Exists(files.historyFile)) return {};
    const std::optional<std::string> bytes = tlx::ReadFileBytes(files.historyFile);
    std::optional<std::vector<HistoryEntry>> entries;
    if (bytes) entries = ParseHistory(*bytes);
    if (entries) return {std::move(*entries), OfEarlierVersion(*bytes)};
    // Out of the way before the first save replaces it.
    SetAside(files.historyFile);
    return {};
}

void RemoveHistoryFile(const PluginFiles &files) { DeleteFileA(files.historyFile.c_str()); }

}  // namespace tlxhistory
