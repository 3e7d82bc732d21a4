#include "settings_store.h"

#include <vector>

#include "ini_file_sections.h"
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

std::string ReadSeparator(const ini::IniSection &section, const char *key) {
    // Read as into a buffer with room for more than a stored separator, so that an
    // over-long hand-edited value is cut at a character boundary rather than by the system.
    const std::string value = section.Text(key, "", 2 * kMaxSeparatorBytes + 2);
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
    const ini::IniFileSections file(ini);
    const ini::IniSection &main = file.Section(kSection);
    TextSettings settings;
    settings.dataSave = main.Number("DataSave", 0);
    settings.fileToTextSep = ReadSeparator(main, "FileToTextSep");
    settings.textAddSep = ReadSeparator(main, "TextAddSep");
    settings.textAddType = main.Number("TextAddType", 0);
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
