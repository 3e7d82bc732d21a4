// Where the plug-in keeps its files, and its Setting.ini.
#pragma once
#include <windows.h>

#include <string>

#include "text_settings.h"

namespace tlxtext {

struct PluginFiles {
    std::string folder;      // "...\Plugins\tlxText\", beside the plug-in file
    std::string settingIni;  // folder + "Setting.ini"
    std::string dataLog;     // folder + "_datalog"
};

PluginFiles LocatePluginFiles(HMODULE self);

TextSettings LoadSettings(const std::string &ini);
// Each save creates the folder first when it is missing.
void SaveDataSave(const PluginFiles &files, int dataSave);
void SaveFileToTextSep(const PluginFiles &files, const std::string &separator);
void SaveTextAdd(const PluginFiles &files, const std::string &separator, int textAddType);

}  // namespace tlxtext
