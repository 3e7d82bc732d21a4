// The menu editor's working copy of one menu file: a flat list of entries, each with an
// indentation level, where an entry followed by a deeper one is a sub-menu. The list
// always ends with one empty entry, the place where the next entry is typed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ini_store.h"

namespace ptr {

enum MenuEditItemType : int32_t { kEditFunction = 0, kEditSubMenu = 1, kEditSeparator = 2 };

struct MenuEditItem {
    std::string Caption;   // never holds a line break
    int32_t ItemType = kEditFunction;
    int32_t FuncType = 0;
    std::string FuncOption;
    int16_t Level = 0;     // never below 0

    bool operator==(const MenuEditItem &other) const {
        return Caption == other.Caption && ItemType == other.ItemType && FuncType == other.FuncType &&
               FuncOption == other.FuncOption && Level == other.Level;
    }
};

// What OK finds wrong with the menu; the first fault wins.
enum class MenuCheckFault { None, NoMenuName, NoItems, EmptyCaption, NoFunction, BadLevel };
struct MenuCheckResult {
    MenuCheckFault fault = MenuCheckFault::None;
    size_t index = 0;   // the offending entry (EmptyCaption, NoFunction, BadLevel)
};
// The message box text of a fault, lines joined by CR LF.
std::string MenuCheckMessage(MenuCheckFault fault);

// The text without any CR or LF: a line break in a value would split its INI line.
std::string RemoveLineBreaks(std::string_view text);

class MenuEditModel {
public:
    MenuEditModel() { items_.emplace_back(); }

    std::string MenuName;
    std::string Comment;

    size_t Count() const { return items_.size(); }
    const MenuEditItem &Item(size_t index) const { return items_[index]; }
    const std::vector<MenuEditItem> &Items() const { return items_; }
    // "････" per level, the caption, then "<サブメニュー>" or "<区切り線>".
    std::string EntryText(size_t index) const;

    // Replaces everything with the menu in the file; a file without MenuName (or no file)
    // gives a new, empty menu and false.
    bool Read(const IniStore &file);
    // Writes the menu into an empty store: "Main", then "Menu" and one section per
    // sub-menu, "001SubMenu", "002SubMenu", ... in the order they appear.
    void Write(IniStore &file) const;

    // The record operations. An index must name an entry (InsertItem: or one past the end).
    void InsertItem(size_t index);
    void DeleteItem(size_t index);
    // False, changing nothing, when the level would leave 0 .. 32767.
    bool ShiftLevel(size_t index, int delta);
    void SetItemCaption(size_t index, std::string_view text);
    void SetItemFunction(size_t index, int32_t funcType, const std::string &funcOption);
    void SetItemType(size_t index, int32_t type);
    void SwapItems(size_t a, size_t b);
    bool HasChildren(size_t index) const;
    // Entries followed by a deeper one become sub-menus; sub-menus that no longer are
    // become ordinary entries again, with the function they had.
    void CheckSubMenu();
    // Appends an empty entry when the last one has a caption.
    void RestoreTrailingEntry();

    // The editor's buttons; each answers the entry to select afterwards.
    size_t MoveUp(size_t index);
    size_t MoveDown(size_t index);
    size_t Insert(size_t index);
    size_t Delete(size_t index);
    void SetSeparator(size_t index, bool on);

    MenuCheckResult CheckMenuData() const;

private:
    std::vector<MenuEditItem> items_;
};

}  // namespace ptr
