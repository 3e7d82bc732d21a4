// One popup menu (a menu file or the generated default menu) and the list of loaded
// menus, keyed by file name.
#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "function_catalogue.h"
#include "menu_backend.h"
#include "vbSubMenu.h"

namespace ptr {

inline constexpr const char *kMenuMainSection = "Main";

class vbMenu {
public:
    explicit vbMenu(MenuBackend &backend) : backend_(backend) {}
    ~vbMenu();
    vbMenu(const vbMenu &) = delete;
    vbMenu &operator=(const vbMenu &) = delete;

    std::string MenuName;
    std::string Comment;
    const std::string &MenuFileName() const { return fileName_; }
    const vbSubMenu &Root() const { return *root_; }

    // Rebuilds the menu from folder + fileName, or the default menu of every plug-in
    // function when a plug-in list is given; its popup is made when first shown. False,
    // with the menu unchanged, when the file does not exist; false, with no items, when
    // its MenuName is empty.
    bool InitMenu(const MenuFiles &files, const std::string &folder, const std::string &fileName,
                  const PluginList *plugins);
    // Shows the popup at the cursor; the chosen command item, or nullptr when the menu
    // was dismissed or has no popup.
    const vbSubMenu *ShowSubMenu(WindowHandle owner);

private:
    void Reset();

    MenuBackend &backend_;
    std::string fileName_;
    std::unique_ptr<vbSubMenu> root_ = std::make_unique<vbSubMenu>(kMenuRoot);
    MenuHandle popup_ = nullptr;
    bool loaded_ = false;   // InitMenu succeeded: the popup may be made
};

// The loaded menus in load order; names compare case-insensitively.
class MenuList : public MenuLookup {
public:
    vbMenu *Find(const std::string &name) const;
    vbMenu &Add(const std::string &name, std::unique_ptr<vbMenu> menu);
    void Clear() { menus_.clear(); }
    void RemoveAt(size_t i) { menus_.erase(menus_.begin() + static_cast<std::ptrdiff_t>(i)); }
    size_t Count() const { return menus_.size(); }
    const std::string &NameAt(size_t i) const { return menus_[i].first; }
    vbMenu &At(size_t i) const { return *menus_[i].second; }

    std::optional<std::string> MenuNameOf(const std::string &option) const override;

private:
    std::vector<std::pair<std::string, std::unique_ptr<vbMenu>>> menus_;
};

// What loading menus works with.
struct MenuEnvironment {
    MenuBackend &backend;
    const MenuFiles &files;
    std::string folder;          // the menu files' folder, ending in a backslash
    const PluginList &plugins;   // for the default menu
    ProgressReport progress;
};

// (Re)loads one menu: a file name in the folder, or "/default". (Not "LoadMenu": that is
// a Windows macro.) The menu stays in the
// list even when it could not be built.
vbMenu &LoadMenuByName(MenuList &menus, const MenuEnvironment &env, const std::string &name);
// The start-up scan: the default menu first when wanted, then every "*mnu" file of the
// folder in case-insensitive name order.
void LoadMenus(MenuList &menus, const MenuEnvironment &env, bool defaultMenu);

// The test-mode report of a choice: "何も選択されませんでした。", or the item's caption
// and what its function is called.
std::string MenuTestMessage(const vbSubMenu *chosen, const PluginList &plugins, const MenuLookup &menus);

}  // namespace ptr
