#include "settings_store.h"

#include <vector>

#include "plugin_folder.h"
#include "sjis_text.h"

namespace tlxtext {

namespace {
constexpr char kSection[] = "Main";

std::string ModulePath(HMODULE module) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

std::string ReadSeparator(const std::string &ini, const char *key) {
    // Room for more than a stored separator, so that an over-long hand-edited
    // value is cut at a character boundary rather than by the system.
    char value[2 * kMaxSeparatorBytes + 2] = {};
    GetPrivateProfileStringA(kSection, key, "", value, sizeof value, ini.c_str());
    return std::string(sjis::SjisPrefix(value, kMaxSeparatorBytes));
}

// Quoted, so that leading and trailing blanks survive; the system strips the
// quotes again on reading.
void WriteSeparator(const std::string &ini, const char *key, const std::string &separator) {
    WritePrivateProfileStringA(kSection, key, ("\"" + separator + "\"").c_str(), ini.c_str());
}

void WriteNumber(const std::string &ini, const char *key, int value) {
    WritePrivateProfileStringA(kSection, key, std::to_string(value).c_str(), ini.c_str());
}
}  // namespace

PluginFiles LocatePluginFiles(HMODULE self) {
    PluginFiles files;
    files.folder = tlx::PluginDataFolder(ModulePath(self));
    files.settingIni = files.folder + "Setting.ini";
    files.dataLog = files.folder + "_datalog";
    return files;
}

bool EnsureFolder(const std::string &folder) {
    if (CreateDirectoryA(folder.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TextSettings LoadSettings(const std::string &ini) {
    TextSettings settings;
    settings.dataSave = static_cast<int>(GetPrivateProfileIntA(kSection, "DataSave", 0, ini.c_str()));
    settings.fileToTextSep = ReadSeparator(ini, "FileToTextSep");
    settings.textAddSep = ReadSeparator(ini, "TextAddSep");
    settings.textAddType = static_cast<int>(GetPrivateProfileIntA(kSection, "TextAddType", 0, ini.c_str()));
    return settings;
}

void SaveDataSave(const PluginFiles &files, int dataSave) {
    EnsureFolder(files.folder);
    WriteNumber(files.settingIni, "DataSave", dataSave);
}

void SaveFileToTextSep(const PluginFiles &files, const std::string &separator) {
    EnsureFolder(files.folder);
    WriteSeparator(files.settingIni, "FileToTextSep", separator);
}

void SaveTextAdd(const PluginFiles &files, const std::string &separator, int textAddType) {
    EnsureFolder(files.folder);
    WriteSeparator(files.settingIni, "TextAddSep", separator);
    WriteNumber(files.settingIni, "TextAddType", textAddType);
}

}  // namespace tlxtext
