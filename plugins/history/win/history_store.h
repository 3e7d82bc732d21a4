// The plug-in's files in "Plugins\tlxHistory\": its Setting.ini and the saved
// history (written by the saver).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "history_entry.h"
#include "history_settings.h"

namespace tlxhistory {

struct PluginFiles {
    std::string folder;       // ends in a backslash
    std::string settingIni;   // folder + "Setting.ini"
    std::string historyFile;  // folder + "History.dat"
};

PluginFiles LocatePluginFiles(HMODULE self);

HistorySettings LoadSettings(const PluginFiles &files);
void SaveSettings(const PluginFiles &files, const HistorySettings &settings);

// The saved entries; none when there is no file. A file that cannot be read
// back is renamed beside the original ("History.dat.damaged", a number added
// when that exists), never deleted, and the history starts empty.
std::vector<HistoryEntry> LoadHistoryFile(const PluginFiles &files);
void RemoveHistoryFile(const PluginFiles &files);

}  // namespace tlxhistory
