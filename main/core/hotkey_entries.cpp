#include "hotkey_entries.h"

namespace ptr {

std::vector<HotkeyEntry> ReadHotkeyEntries(const IniStore &ini) {
    std::vector<HotkeyEntry> entries;
    for (int n = 1;; ++n) {
        HotkeyEntry entry;
        entry.FunctionType = ini.GetNumber(kHotKeySection, NumberedKey(n, "Function"), -1);
        if (entry.FunctionType == -1) break;
        entry.KeyCode = ini.GetNumber(kHotKeySection, NumberedKey(n, "Key"), 0);
        entry.KeyMod = ini.GetNumber(kHotKeySection, NumberedKey(n, "ModKey"), 0);
        entry.FunctionOption = ini.GetText(kHotKeySection, NumberedKey(n, "Option"), "");
        entries.push_back(std::move(entry));
    }
    return entries;
}

void WriteHotkeyEntry(IniStore &ini, int n, const HotkeyEntry &entry) {
    ini.SetNumber(kHotKeySection, NumberedKey(n, "Function"), entry.FunctionType);
    ini.SetNumber(kHotKeySection, NumberedKey(n, "Key"), entry.KeyCode);
    ini.SetNumber(kHotKeySection, NumberedKey(n, "ModKey"), entry.KeyMod);
    ini.SetText(kHotKeySection, NumberedKey(n, "Option"), entry.FunctionOption);
}

void WriteHotkeyEndMarker(IniStore &ini, int n) { WriteHotkeyEntry(ini, n, HotkeyEntry{}); }

std::string GetKeyText(int32_t keyCode, int32_t modifiers, bool shortForm, bool keyOnly) {
    std::string text;
    if (!keyOnly) {
        static const struct { int32_t bit; const char *longText; const char *shortText; } kMods[] = {
            {kModAlt, "ALT + ", "A"}, {kModCtrl, "CTRL + ", "C"}, {kModShift, "SHIFT + ", "S"}, {kModWin, "WIN + ", "W"},
        };
        for (const auto &m : kMods)
            if (modifiers & m.bit) text += shortForm ? m.shortText : m.longText;
        if (shortForm && !text.empty()) text += "+";
    }
    switch (keyCode) {
    case 38: return text + "↑";
    case 40: return text + "↓";
    case 39: return text + "→";
    case 37: return text + "←";
    default: break;
    }
    if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z'))
        return text + static_cast<char>(keyCode);
    if (keyCode >= 112 && keyCode <= 127) return text + "F" + std::to_string(keyCode - 111);
    return text + "CODE" + std::to_string(keyCode);
}

}  // namespace ptr
