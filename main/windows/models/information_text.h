// What the settings window's information box says about the selected row, and which
// list buttons the row allows. Lines are separated by CR LF, with none after the last.
// No Windows header.
#pragma once
#include <cstdint>
#include <string>

#include "function_catalogue.h"
#include "vbKXPlugin.h"
#include "vbMenu.h"
#include "watch_actions.h"

namespace ptr {

// On or off with its function, the formats it waits for, then its check functions.
std::string WatchInformation(const WatchAction &action, const PluginList &plugins, const MenuLookup &menus);

// The keys spelt out, then the function, or "(キーが無効です)" for a combination that
// could not be registered.
std::string HotkeyInformation(int32_t keyCode, int32_t keyMod, bool registered, const std::string &functionName);

// The comment and the file name; empty for a menu whose file could not be read.
std::string MenuInformation(const vbMenu &menu);
// The generated menu of every plug-in function: it is rebuilt, not edited or deleted.
bool IsDefaultMenu(const std::string &menuFileName);

// Name, comment, file, then version and copyright where the plug-in gives them.
std::string PluginInformation(const vbKXPlugin &plugin);
// Which of the plug-in page's buttons 1-3 the plug-in can serve.
struct PluginOffers {
    bool about = false;
    bool web = false;
    bool mail = false;
};
PluginOffers OffersOf(const vbKXPlugin &plugin);

}  // namespace ptr
