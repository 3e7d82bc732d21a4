// The plug-in's saved history: "History.dat" in the folder the settings name (beside the
// program in "Plugins\tlxHistory\", or in the user's local application data), written by
// the saver, sealed for the user (history_cipher.h).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "history_cipher.h"
#include "history_entry.h"
#include "history_settings.h"

namespace tlxhistory {

struct PluginFiles {
    std::string folder;       // ends in a backslash
    std::string historyFile;  // folder + "History.dat"
};

// Where the plug-in this code is linked into keeps its history in that place.
PluginFiles LocatePluginFiles(HistoryPlace place = HistoryPlace::kBesideProgram);

// Why a file was set aside.
enum class SetAside {
    kNone,
    kDamaged,        // damaged, or written by a newer version
    kNotThisUsers,   // sealed for another account or another PC
};

struct LoadedHistory {
    std::vector<HistoryEntry> entries;
    bool earlierVersion = false;   // read from a file in the clear (an earlier version's), to be written anew
    SetAside setAside = SetAside::kNone;
    bool unread = false;           // the file is there but was not read: nothing may replace it
};

// The saved entries; none when there is no file. A file someone else holds is read again
// with growing pauses for up to patienceMs, then left unread. A file read and found
// damaged (or a newer version's, or sealed for another user) is renamed beside the
// original ("History.dat.damaged", a number added when that exists), never deleted or
// overwritten, and the history starts empty; when it cannot be renamed it too is left
// unread. The entries of an earlier version's file, which kept no times, count as copied
// when the file was last written.
LoadedHistory LoadHistoryFile(const PluginFiles &files, HistoryCipher &cipher, unsigned long patienceMs);
// The file's bytes for these entries; nothing when they could not be sealed.
std::optional<std::string> HistoryFileBytes(const std::vector<HistoryEntry> &entries, HistoryCipher &cipher);
void RemoveHistoryFile(const PluginFiles &files);

}  // namespace tlxhistory
