// The program's menus (Menus): loading, lookup and showing a menu at the cursor.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "vbMenu.h"

namespace ptr {
// Popup menus and menu files of the running system.
MenuBackend &SystemMenuBackend();
const MenuFiles &SystemMenuFiles();

// The start-up scan of MenuDataPath, the default menu first when DefaultMenu is on.
void LoadMenus();
// (Re)loads one menu file, or "/default".
vbMenu &LoadMenuByName(const std::string &name);
vbMenu *FindMenu(const std::string &name);
// What a shown menu does with the item chosen: runs its function (RunMenu, execute_function.h).
using MenuItemRun = std::function<void(int32_t type, const std::string &option)>;
// Shows the menu at the cursor, owned by `owner`. Running mode hands the chosen item to
// `run` while the owner is still up; test mode names it in a message box instead.
void ShowMenu(HWND owner, const std::string &name, bool testMode, const MenuItemRun &run = {});
// Brings an owner to the front (ActivateWindow) and shows the menu with it: the settings
// window while it is on screen, otherwise a transparent stand-in at the cursor. A popup
// whose owner is not the foreground window neither takes keys nor closes on a click
// elsewhere, and a hidden window cannot become the foreground window everywhere.
void ShowMenuInFront(const std::string &name, const MenuItemRun &run);
}  // namespace ptr
