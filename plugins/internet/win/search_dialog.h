// The dialog that edits one numbered search setting.
#pragma once
#include <windows.h>

#include "search_settings.h"

namespace tlxinet {

// Modal to owner. OK stores the fields into the setting and writes its section.
void ShowSearchSettingDialog(HINSTANCE module, HWND owner, SearchSettings &settings, int number,
                             ProfileStore &store);

}  // namespace tlxinet
