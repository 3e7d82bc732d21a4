// The decisions of the function selection dialog that need no window: what each caller's
// variant offers, the program functions it lists, which plug-in functions pass its
// filter, the texts of its entries, and the function built from the selections (or read
// back from one).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "function_catalogue.h"
#include "vbKXPlugin.h"

namespace ptr {

// The categories of the category list (its item data); 0 to 3 equal the FunctionType
// they produce, 4 is a plug-in as a whole (its own settings).
enum FuncCategory : int32_t {
    kCategoryProgram = 0,
    kCategoryPlugin = 1,
    kCategoryMenu = 2,
    kCategoryOpen = 3,
    kCategoryPluginItself = 4,
};
const char *FuncCategoryCaption(int32_t category);

// Kinds of plug-in function a variant lists (PluginFuncFilter).
inline constexpr int32_t kFilterActions = 1;
inline constexpr int32_t kFilterChecks = 2;

// The caller variants (EditMode).
inline constexpr int32_t kSelectPluginSettings = 6;   // the settings window's plug-in browser

struct SelectFuncVariant {
    int32_t editMode;
    const char *titleSuffix;
    int32_t pluginFuncFilter;
    std::vector<int32_t> categories;   // in the order of the list
    bool selectFirst;                  // false: no category until SetDefaultValues picks one
};
// The variant of an EditMode; a mode no caller uses is taken as the new hotkey's (0).
const SelectFuncVariant &SelectFuncVariantOf(int32_t editMode);
// "ポルテリカ" and the variant's suffix.
std::string SelectFuncTitle(int32_t editMode);

// The program functions in the order of their list ("終了" last); the number becomes
// the FunctionOption.
struct ProgramFunctionEntry {
    const char *caption;
    int32_t number;
};
const std::vector<ProgramFunctionEntry> &ProgramFunctionEntries();

// The numbers of the plug-in's functions that pass the filter (action functions are
// kind 0, checks kind 1).
std::vector<int32_t> ListedFunctions(const vbKXPlugin &plugin, int32_t pluginFuncFilter);
// An entry of the setting list: the number with at least three digits, ":", the name.
std::string SettingEntryText(int32_t number, const std::string &settingName);

// What the value controls hold; unset or -1 where nothing is selected.
struct FuncSelection {
    int32_t programFunction = -1;
    std::optional<std::string> pluginFile;
    int32_t funcno = -1, setno = -1;
    std::optional<std::string> menuFile;
    std::string path;
};

struct FuncValues {
    int32_t type = kFunctionNone;
    std::string option;
    bool complete = false;   // OK accepts only a complete choice
};
// The function the selections of a category make: a plug-in function needs the plug-in,
// its function and its setting; a program function and a menu need their entry; a path
// may be empty. Category 4 makes no function.
FuncValues GetFuncValues(int32_t category, const FuncSelection &selection);
// The selections a function names, for preselecting it.
FuncSelection ParseFuncSelection(int32_t type, const std::string &option);

// The description of the current choice (categories 0 to 3): what the function is
// called, for a plug-in function with the function's comment on a second line; "" while
// a plug-in choice is incomplete.
std::string FuncInfoText(int32_t category, const FuncSelection &selection, const std::string &functionComment,
                         const PluginList &plugins, const MenuLookup &menus);

}  // namespace ptr
