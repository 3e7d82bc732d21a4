#include "settings_text.h"

#include <cstdio>

namespace ptrbench {

namespace {

std::string Number(int32_t value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

std::string Key(size_t n, const char *name) {
    char key[64];
    std::snprintf(key, sizeof key, "%03zu%s=", n, name);
    return key;
}

}  // namespace

WatchLine PluginAction(const std::string &type, const std::string &option, const std::string &checks) {
    WatchLine line;
    line.type = type;
    line.option = option;
    line.checks = checks;
    return line;
}

std::string SettingsIni(const std::vector<WatchLine> &watch, const std::vector<HotkeyLine> &hotkeys,
                        const std::string &mainLines) {
    std::string ini =
        "[Main]\r\nMode= 0\r\nTaskMenu=/default\r\nSplashShow= 0\r\nEndingCheck= 0\r\nClipboardWatch= 1\r\n"
        "DefaultMenu= 1\r\n" + mainLines + "[Watch]\r\n";
    size_t n = 1;
    for (const WatchLine &w : watch) {
        ini += Key(n, "Enable") + Number(w.enable) + "\r\n";
        ini += Key(n, "Type") + w.type + "\r\n";
        ini += Key(n, "AllType") + Number(w.allType) + "\r\n";
        ini += Key(n, "Function") + Number(w.function) + "\r\n";
        ini += Key(n, "Option") + w.option + "\r\n";
        ini += Key(n, "PluginCheck") + w.checks + "\r\n";
        ini += Key(n, "PluginCheckAnd") + Number(w.checkAnd) + "\r\n";
        ++n;
    }
    ini += Key(n, "Function") + "-1\r\n[HotKey]\r\n";
    n = 1;
    for (const HotkeyLine &h : hotkeys) {
        ini += Key(n, "Function") + Number(h.function) + "\r\n";
        ini += Key(n, "Key") + Number(h.key) + "\r\n";
        ini += Key(n, "ModKey") + Number(h.modifiers) + "\r\n";
        ini += Key(n, "Option") + h.option + "\r\n";
        ++n;
    }
    ini += Key(n, "Function") + "-1\r\n";
    return ini;
}

std::string MenuIni(const std::string &menuName, const std::vector<MenuLine> &items, size_t perSubMenu) {
    std::string top = "[Menu]\r\n", subs;
    size_t topCount = 0;
    for (size_t first = 0, group = 1; first < items.size(); first += perSubMenu, ++group) {
        char section[32];
        std::snprintf(section, sizeof section, "%03zuSubMenu", group);
        ++topCount;
        top += Key(topCount, "Caption") + "Group " + std::to_string(group) + "\r\n";
        top += Key(topCount, "Type") + "SubMenu\r\n";
        top += Key(topCount, "SubMenu") + section + "\r\n";
        subs += std::string("[") + section + "]\r\n";
        for (size_t i = first, n = 1; i < items.size() && i < first + perSubMenu; ++i, ++n) {
            subs += Key(n, "Caption") + items[i].caption + "\r\n";
            subs += Key(n, "Type") + "Function\r\n";
            subs += Key(n, "FuncType") + Number(items[i].function) + "\r\n";
            subs += Key(n, "FuncOption") + items[i].option + "\r\n";
        }
    }
    return "[Main]\r\nMenuName=" + menuName + "\r\nComment=\r\nMenu=Menu\r\n" + top + subs;
}

}  // namespace ptrbench
