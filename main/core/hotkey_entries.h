// Hotkey bindings as stored in section "HotKey" of Setting.ini, and their display text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ini_store.h"

namespace ptr {

inline constexpr const char *kHotKeySection = "HotKey";

// Modifier bits as RegisterHotKey takes them.
enum HotkeyModifier : int32_t { kModAlt = 1, kModCtrl = 2, kModShift = 4, kModWin = 8 };

struct HotkeyEntry {
    int32_t FunctionType = -1;
    int32_t KeyCode = 0;
    int32_t KeyMod = 0;
    std::string FunctionOption;
};

// Entries 1.. up to the first whose Function is -1 (or missing).
std::vector<HotkeyEntry> ReadHotkeyEntries(const IniStore &ini);
// Entry n (1-based) in the order Function, Key, ModKey, Option.
void WriteHotkeyEntry(IniStore &ini, int n, const HotkeyEntry &entry);
// The end marker after n - 1 entries: Function -1, Key 0, ModKey 0, Option empty.
void WriteHotkeyEndMarker(IniStore &ini, int n);

// "ALT + CTRL + M" (long form) or "AC+M" (short form); keyOnly leaves the modifiers out.
std::string GetKeyText(int32_t keyCode, int32_t modifiers, bool shortForm, bool keyOnly);

}  // namespace ptr
