#include "history_store.h"

#include <windows.h>

#include <shlobj.h>

#include "file_bytes.h"
#include "held_file.h"
#include "history_file.h"
#include "module_folder.h"
#include "sealed_history.h"

namespace tlxhistory {

namespace {

// The user's local application data folder, ending in a backslash.
std::string LocalAppDataFolder() {
    char folder[MAX_PATH] = {};
    const DWORD length = ExpandEnvironmentStringsA("%LOCALAPPDATA%", folder, sizeof folder);
    if (length > 1 && length <= sizeof folder && folder[0] != '%') return std::string(folder) + '\\';
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::string(folder) + '\\';
    return {};
}

// When the file was last written, in seconds since 1970; 0 when that cannot be told.
int64_t LastWritten(const std::string &path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    const uint64_t ticks = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                           data.ftLastWriteTime.dwLowDateTime;
    constexpr uint64_t kTicksTo1970 = 116444736000000000ull, kTicksPerSecond = 10000000ull;
    return ticks > kTicksTo1970 ? static_cast<int64_t>((ticks - kTicksTo1970) / kTicksPerSecond) : 0;
}

LoadedHistory Refused(SetAside why) { return {{}, false, why}; }

// The history in a file's bytes: sealed, as this version writes it, or in the clear, as
// earlier versions did.
LoadedHistory HistoryOf(const std::string &file, HistoryCipher &cipher, const std::string &path) {
    if (LooksSealed(file)) {
        HistoryCipher::Opened opened = cipher.Open(file);
        if (!opened.bytes)
            return Refused(opened.failure == HistoryCipher::Failure::kNotThisUsers ? SetAside::kNotThisUsers
                                                                                  : SetAside::kDamaged);
        std::optional<std::vector<HistoryEntry>> entries = ParseHistory(*opened.bytes);
        const bool earlier = entries && OfEarlierVersion(*opened.bytes);
        Wipe(*opened.bytes);
        if (!entries) return Refused(SetAside::kDamaged);
        return {std::move(*entries), earlier, SetAside::kNone};
    }
    std::optional<std::vector<HistoryEntry>> entries = ParseHistory(file);
    if (!entries) return Refused(SetAside::kDamaged);
    const int64_t written = LastWritten(path);
    for (HistoryEntry &entry : *entries)
        if (entry.copiedAt == 0) entry.copiedAt = written;
    return {std::move(*entries), true, SetAside::kNone};
}

}  // namespace

PluginFiles LocatePluginFiles(HistoryPlace place) {
    // Beside the program also when the system cannot tell the user's folder (never a relative path).
    const std::string local = place == HistoryPlace::kLocalAppData ? LocalAppDataFolder() : std::string();
    const std::string folder = local.empty() ? tlx::PluginFolderOf(tlx::OwnModule()) : local + "Porterica\\";
    return {folder, folder + "History.dat"};
}

LoadedHistory LoadHistoryFile(const PluginFiles &files, HistoryCipher &cipher, unsigned long patienceMs) {
    tlx::FileRead read = tlx::ReadWhenFree(files.historyFile, patienceMs);
    if (read.outcome == tlx::FileRead::Outcome::kMissing) return {};
    LoadedHistory loaded;
    if (read.outcome == tlx::FileRead::Outcome::kHeld) {
        loaded.unread = true;
        return loaded;
    }
    loaded = HistoryOf(read.bytes, cipher, files.historyFile);
    Wipe(read.bytes);
    // Out of the way before the first save replaces it; where it cannot go, nothing replaces it.
    if (loaded.setAside != SetAside::kNone && !tlx::SetAsideDamaged(files.historyFile)) {
        loaded.setAside = SetAside::kNone;
        loaded.unread = true;
    }
    return loaded;
}

std::optional<std::string> HistoryFileBytes(const std::vector<HistoryEntry> &entries, HistoryCipher &cipher) {
    std::string bytes = SerializeHistory(entries);
    std::optional<std::string> sealed = cipher.Seal(bytes);
    Wipe(bytes);
    return sealed;
}

void RemoveHistoryFile(const PluginFiles &files) { DeleteFileA(files.historyFile.c_str()); }

}  // namespace tlxhistory
