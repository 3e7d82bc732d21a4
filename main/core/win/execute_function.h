// Runs a function (FunctionType + FunctionOption) for the given CallType.
#pragma once
#include <cstdint>
#include <string>

namespace ptr {
void ExecuteFunction(int32_t type, const std::string &option, int32_t callType);
// Shows a menu in front (ShowMenuInFront) and runs the item chosen, as a menu's call.
void RunMenu(const std::string &name);
// Sets ClipboardWatch and the tray menu's check mark to match.
void SetClipboardWatch(bool on);
}  // namespace ptr
