// The plug-in's saved history in "Plugins\tlxHistory\" (written by the saver).
#pragma once
#include <string>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

struct PluginFiles {
    std::string folder;       // ends in a backslash
    std::string historyFile;  // folder + "History.dat"
};

// The files of the plug-in this code is linked into.
PluginFiles LocatePluginFiles();

struct LoadedHistory {
    std::vector<HistoryEntry> entries;
    bool earlierVersion = false;   // read from an earlier version's file, to be written anew
    bool unread = false;           // the file is there but was not read: nothing may replace it
};

// The saved entries; none when there is no file. A file someone else holds is read again
// with growing pauses for up to patienceMs, then left unread. A file read and found
// damaged (or a newer version's) is renamed beside the original ("History.dat.damaged",
// a number added when that exists), never deleted or overwritten, and the history starts
// empty; when it cannot be renamed it too is left unread.
LoadedHistory LoadHistoryFile(const PluginFiles &files, unsigned long patienceMs);
void RemoveHistoryFile(const PluginFiles &files);

}  // namespace tlxhistory
