// What the history tells the user without stopping them: a balloon over the program's
// icon, or, where the host shows none, a message box.
#pragma once
#include <string>

#include "history_store.h"

namespace tlxhistory {

// The saved history could not be read and was set aside; the history starts empty.
void TellSetAside(SetAside why);
// The program's folder is uploaded by this sync client (its name in UTF-16).
void TellSyncedFolder(const std::u16string &client);

}  // namespace tlxhistory
