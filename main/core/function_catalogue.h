// What a function (FunctionType + FunctionOption) is called in lists and dialogs, and how
// its option is read. Running it is ExecuteFunction's job (execute_function.h).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "vbKXPlugin.h"

namespace ptr {

enum FunctionTypeCode : int32_t {
    kFunctionNone = -1,
    kFunctionProgram = 0,   // option: 1..10, ProgramFunction
    kFunctionPlugin = 1,    // option: "file.tlx/funcno/setno"
    kFunctionMenu = 2,      // option: menu file name or "/default"
    kFunctionOpen = 3,      // option: anything the shell can open
};

enum class ProgramFunction : int32_t {
    None = 0,
    ShowBasicPage = 1, ShowWatchPage, ShowHotkeyPage, ShowMenuPage, ShowPluginPage, ShowInfoPage,
    QuitProgram = 7,
    WatchOn = 8, WatchOff = 9, WatchToggle = 10,
};

// The program function an option names: its numeric value when that is exactly 1..10
// (" 3" and "3.0" name 3; "3.5" names none).
ProgramFunction ParseProgramFunction(const std::string &option);
std::string ProgramFunctionName(ProgramFunction f);

struct PluginFunctionRef {
    std::string fileName;
    int32_t funcno = 0;
    int32_t setno = 0;
    bool complete = false;   // all three parts were present
};
// "tlxText.tlx/2/1" -> file, function 2, setting 1. Fewer than three parts give an
// incomplete reference, which names no loadable function.
PluginFunctionRef ParsePluginFunction(const std::string &reference);

// Resolves a menu option to the menu's display name, when such a menu is loaded.
class MenuLookup {
public:
    virtual ~MenuLookup() = default;
    virtual std::optional<std::string> MenuNameOf(const std::string &option) const = 0;
};

// "Plugin:Function/Setting", or "file - ロード出来ません!" when the plug-in is not loaded.
std::string GetPluginFunctionName(const std::string &reference, const PluginList &plugins);
std::string GetFunctionName(int32_t type, const std::string &option, const PluginList &plugins,
                            const MenuLookup &menus);

}  // namespace ptr
