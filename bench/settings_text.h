// Setting.ini and menu files as a user's saved settings would hold them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ptrbench {

struct WatchLine {
    std::string type = "1";       // comma-separated formats
    int32_t function = 1;
    std::string option;
    std::string checks;           // comma-separated check references
    bool checkAnd = true;
    bool allType = false;
    bool enable = true;
};
// An enabled action running a plug-in function when one of the formats is present (and
// the checks, if any, accept).
WatchLine PluginAction(const std::string &type, const std::string &option, const std::string &checks = "");

struct HotkeyLine {
    int32_t function = 1;
    int32_t key = 0;
    int32_t modifiers = 0;
    std::string option;
};

// No splash, no question at the end, clipboard watching on; the lists as given, and
// `mainLines` (each ending in CR LF) added to section "Main".
std::string SettingsIni(const std::vector<WatchLine> &watch, const std::vector<HotkeyLine> &hotkeys = {},
                        const std::string &mainLines = "");

struct MenuLine {
    std::string caption;
    int32_t function = 1;
    std::string option;
};

// A menu file whose items are grouped into sub-menus of at most perSubMenu items.
std::string MenuIni(const std::string &menuName, const std::vector<MenuLine> &items, size_t perSubMenu = 50);

}  // namespace ptrbench
