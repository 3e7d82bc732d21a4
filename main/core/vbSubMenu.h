// One node of a menu tree: the root, a command item, a sub-menu or a separator.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ini_store.h"
#include "menu_backend.h"
#include "vbKXPlugin.h"

namespace ptr {

enum MenuItemType : int32_t { kMenuRoot = -1, kMenuCommand = 0, kMenuSubMenu = 1, kMenuSeparator = 2 };

// Sub-menus nest at most this deep; deeper sections load as empty sub-menus.
inline constexpr int kMaxMenuDepth = 64;
// One menu file loads at most this many items (sections shared by several sub-menu
// items are loaded once for each, so a small file can describe a huge tree).
inline constexpr int kMaxMenuItems = 65535;

class vbSubMenu {
public:
    // Every node takes a command id of its own, never 0.
    explicit vbSubMenu(int32_t menuType = kMenuRoot);
    ~vbSubMenu();
    vbSubMenu(const vbSubMenu &) = delete;
    vbSubMenu &operator=(const vbSubMenu &) = delete;

    std::string Caption;
    int32_t MenuType;
    std::string FuncOption;
    int32_t FuncType = 1;

    uint32_t ItemId() const { return itemId_; }
    const std::vector<std::unique_ptr<vbSubMenu>> &Children() const { return children_; }
    vbSubMenu &AddChild(int32_t menuType);

    // Fills the children from the numbered entries of `section`, descending into the
    // sections that sub-menu items name. A section already on the path (a cycle) or
    // one nested deeper than kMaxMenuDepth gives an empty sub-menu; loading stops
    // after kMaxMenuItems items.
    void LoadMenuFile(const IniStore &file, const std::string &section);
    // Fills the children with the default menu: one sub-menu per plug-in, holding its
    // action functions (a sub-menu of settings for functions with more than one).
    void LoadPluginFunctions(const PluginList &plugins);

    // Appends this node (the root: its children) to the parent popup.
    void CreateSubMenu(MenuBackend &backend, MenuHandle parent) const;
    // The command node with that id, searching this node and its descendants.
    const vbSubMenu *GetSubMenuByID(uint32_t id) const;

private:
    struct LoadState;
    void LoadSection(const IniStore &file, const std::string &section, LoadState &state);
    uint32_t itemId_;
    std::vector<std::unique_ptr<vbSubMenu>> children_;
};

}  // namespace ptr
