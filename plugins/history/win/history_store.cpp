#include "history_store.h"

#include "file_bytes.h"
#include "history_file.h"
#include "ini_file_sections.h"
#include "module_folder.h"

namespace tlxhistory {

namespace {
constexpr char kSection[] = "Main";

void WriteNumber(const PluginFiles &files, const char *key, int value) {
    WritePrivateProfileStringA(kSection, key, std::to_string(value).c_str(), files.settingIni.c_str());
}

bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void SetAside(const std::string &path) {
    const std::optional<std::string> aside = SetAsideName(path, Exists);
    // With every name taken the file stays; the next save replaces it.
    if (aside) MoveFileExA(path.c_str(), aside->c_str(), MOVEFILE_WRITE_THROUGH);
}
}  // namespace

PluginFiles LocatePluginFiles(HMODULE self) {
    PluginFiles files;
    files.folder = tlx::PluginFolderOf(self);
    files.settingIni = files.folder + "Setting.ini";
    files.historyFile = files.folder + "History.dat";
    return files;
}

HistorySettings LoadSettings(const PluginFiles &files) {
    const ini::IniFileSections file(files.settingIni);
    return SettingsFromSection(file.Section(kSection));
}

void SaveSettings(const PluginFiles &files, const HistorySettings &settings) {
    tlx::EnsureFolder(files.folder);
    WriteNumber(files, "MaxCount", settings.maxCount);
    WriteNumber(files, "MaxSizeKB", settings.maxSizeKB);
    WriteNumber(files, "KeepAfterExit", settings.keepAfterExit ? 1 : 0);
    WriteNumber(files, "PasteChosen", settings.pasteChosen ? 1 : 0);
}

std::vector<HistoryEntry> LoadHistoryFile(const PluginFiles &files) {
    if (!Exists(files.historyFile)) return {};
    const std::optional<std::string> bytes = tlx::ReadFileBytes(files.historyFile);
    std::optional<std::vector<HistoryEntry>> entries;
    if (bytes) entries = ParseHistory(*bytes);
    if (entries) return std::move(*entries);
    // Out of the way before the first save replaces it.
    SetAside(files.historyFile);
    return {};
}

void RemoveHistoryFile(const PluginFiles &files) { DeleteFileA(files.historyFile.c_str()); }

}  // namespace tlxhistory
