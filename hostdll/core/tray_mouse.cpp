#include "tray_mouse.h"

namespace kx {

namespace {
// The button messages of the window system, three per button in the order
// down, up, double-click, starting with the left button.
constexpr uint32_t kFirstButtonMessage = 0x0201;  // WM_LBUTTONDOWN
constexpr uint32_t kLastButtonMessage = 0x0209;   // WM_MBUTTONDBLCLK
constexpr int32_t kButtons[] = {1, 2, 4};         // left, right, middle
}  // namespace

TrayMouseAction MapTrayMouseMessage(uint32_t mouseMessage) {
    if (mouseMessage < kFirstButtonMessage || mouseMessage > kLastButtonMessage) return {0, 0};
    const uint32_t index = mouseMessage - kFirstButtonMessage;
    return {static_cast<int32_t>(index % 3 + 1), kButtons[index / 3]};
}

}  // namespace kx
