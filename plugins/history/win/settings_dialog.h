// The plug-in-wide settings dialog. OK checks the numbers, stores the settings
// and applies them; cancel and the close box change nothing.
#pragma once
#include <windows.h>

#include "history_keeper.h"

namespace tlxhistory {

void ShowSettingsDialog(HINSTANCE module, HWND owner, HistoryKeeper &keeper, tlx::ProfileStore &store);

}  // namespace tlxhistory
