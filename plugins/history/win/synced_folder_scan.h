// The folders that sync clients upload for this user, read where each client records
// them: OneDrive (personal and business, and the libraries it syncs), Dropbox, Google
// Drive, and every folder a client registered with Windows as a sync root. For tests,
// PORTERICA_TEST_SYNCED_FOLDERS ("client=folder;client=folder", empty for none), when it
// is set, stands for all of them.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "synced_folders.h"

namespace tlxhistory {

std::vector<SyncedFolder> ScanSyncedFolders();
// The sync client that uploads the folder this plug-in lies in; nothing when none does.
std::optional<std::u16string> SyncClientOfPluginFolder();

}  // namespace tlxhistory
