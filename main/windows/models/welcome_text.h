// The balloon of the first start: what the program is, and the hotkeys that open the
// history and the phrases, as Setting.ini binds them. No Windows header.
#pragma once
#include <string>
#include <vector>

#include "hotkey_entries.h"

namespace ptr {

// A window no hotkey opens goes unnamed; the last line goes when neither has one.
std::string WelcomeText(const std::vector<HotkeyEntry> &hotkeys);

}  // namespace ptr
