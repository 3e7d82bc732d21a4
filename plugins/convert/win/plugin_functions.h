// What each function number does, over the settings.
#pragma once
#include <windows.h>

#include <cstdint>

#include "convert_settings.h"

namespace tlxconv {

// An action changes the clipboard's text and gives 0; a check gives 1 when its
// condition holds. Numbers the plug-in did not announce give 0 and do nothing.
// Watching (unattended) never acts on a private copy: no condition holds for it
// and no action changes it; a request the user makes still works on it.
int32_t RunFunction(int32_t funcno, int32_t setno, HWND activeWindow, bool unattended,
                    const ConvertSettings &settings);

}  // namespace tlxconv
