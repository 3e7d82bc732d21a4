// Folders that a sync client uploads, as the clients record them, and whether a folder
// lies inside one. No Windows header: win/synced_folder_scan reads the records.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tlxhistory {

struct SyncedFolder {
    std::u16string client;   // as the user knows it: "OneDrive", "Dropbox", "Google Drive"
    std::u16string folder;
};

// The string values of every member called `name` in a JSON text (the records some
// clients keep), escapes resolved, at any depth; none when the text is no JSON.
std::vector<std::u16string> JsonStringMembers(std::string_view json, std::string_view name);

// A mount point given as a drive letter alone ("G", "G:") as the folder it stands for
// ("G:\"); any other path as it is.
std::u16string FolderOfMountPoint(std::u16string_view mountPoint);

// A list "client=folder;client=folder" (the environment's override of the records).
std::vector<SyncedFolder> ParseSyncedFolderList(std::u16string_view list);

// The first folder that `path` lies in or is; null when none. "/" is taken for "\", a
// last separator and a "\\?\" prefix do not count, nor the case of ASCII letters (the
// caller folds the others).
const SyncedFolder *FolderHolding(const std::vector<SyncedFolder> &folders, std::u16string_view path);

}  // namespace tlxhistory
