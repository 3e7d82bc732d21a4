// The settings dialogs: the quote mark, and one numbered replacement, pattern or
// program list with its name. Modal to the owner; OK saves the setting.
#pragma once
#include <windows.h>

#include "convert_settings.h"

namespace tlxconv {

// funcno one of the functions with settings; nothing for another function or a number outside 1 to 20.
void ShowSettingDialog(HINSTANCE module, HWND owner, int32_t funcno, int number, ConvertSettings &settings,
                       tlx::ProfileStore &store);

}  // namespace tlxconv
