// What a mouse message on the tray icon means to the host callback.
#pragma once
#include <cstdint>

namespace kx {

struct TrayMouseAction {
    int32_t action;   // KX_TRAY_DOWN, KX_TRAY_UP or KX_TRAY_DBLCLK; 0 for none
    int32_t button;   // KX_BUTTON_LEFT, _RIGHT or _MIDDLE
};

// Maps the mouse message the shell puts into lParam; anything but the nine
// button messages (moves included) gives action 0.
TrayMouseAction MapTrayMouseMessage(uint32_t mouseMessage);

}  // namespace kx
