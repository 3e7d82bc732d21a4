// The program's hotkey list (HotKeys): loading at start-up, saving and dispatch.
#pragma once
#include <cstdint>

#include "ini_store.h"

namespace ptr {
// Reads section "HotKey" of Setting.ini and registers every entry on the host window;
// an entry that cannot be registered is reported and kept.
void LoadHotkeys();
// Every entry, then the end marker.
void SaveHotkeys(IniStore &ini);
// Host event 1: runs the function of the first entry with that id.
void RunHotkey(intptr_t id);
}  // namespace ptr
