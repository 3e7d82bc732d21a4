#include "settings_store.h"

#include "ini_file_sections.h"
#include "module_folder.h"
#include "sjis_text.h"

namespace tlxtext {

namespace {
constexpr char kSection[] = "Main";

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
    files.folder = tlx::PluginFolderOf(self);
    files.settingIni = files.folder + "Setting.ini";
    files.dataLog = files.folder + "_datalog";
    return files;
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
    tlx::EnsureFolder(files.folder);
    WriteNumber(files.settingIni, "DataSave", dataSave);
}

void SaveFileToTextSep(const PluginFiles &files, const std::string &separator) {
    tlx::EnsureFolder(files.folder);
    WriteSeparator(files.settingIni, "FileToTextSep", separator);
}

void SaveTextAdd(const PluginFiles &files, const std::string &separator, int textAddType) {
    tlx::EnsureFolder(files.folder);
    WriteSeparator(files.settingIni, "TextAddSep", separator);
    WriteNumber(files.settingIni, "TextAddType", textAddType);
}

}  // namespace tlxtext
