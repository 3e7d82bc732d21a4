// What the list of the settings window shows on each page, and the information page's
// version text. No Windows header.
#pragma once
#include <string>
#include <vector>

#include "function_catalogue.h"
#include "vbKXPlugin.h"
#include "vbMenu.h"
#include "watch_actions.h"

namespace ptr {

struct ListRow {
    std::string text;
    bool checked = false;
};

// Watch page: one row per action, checked when the action is on; no rows for the
// placeholder of an empty list.
ListRow WatchRow(const WatchAction &action, const PluginList &plugins, const MenuLookup &menus);
std::vector<ListRow> WatchRows(const WatchActionList &actions, const PluginList &plugins, const MenuLookup &menus);

// Hotkey page: the key text in a column 12 wide, then the function, or "(無効)" for a
// hotkey that could not be registered. The column is measured in display cells (one
// byte of code page 932 text is one cell of the fixed-pitch list font), so names line
// up also after keys such as "↑".
std::string HotkeyRowText(const std::string &keyText, bool registered, const std::string &functionName);

// Menu page: the menu's name, checked when it is the task menu. A menu whose file
// could not be read at all has no name to show.
ListRow MenuRow(const vbMenu &menu, const std::string &taskMenu);
std::vector<ListRow> MenuRows(const MenuList &menus, const std::string &taskMenu);

// Plug-in page: the plug-ins' names, never checked.
std::vector<ListRow> PluginRows(const PluginList &plugins);

// The row to select after row `removed` went from a list that has `count` rows left:
// the same row number while it exists, else the last row; -1 when none is left.
int RowAfterRemoval(int removed, int count);

// The information page's text: the program's version, then one line per plug-in.
std::string VersionText(int major, int minor, int revision, const PluginList &plugins);

}  // namespace ptr
