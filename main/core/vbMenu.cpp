#include "vbMenu.h"

#include "settings.h"
#include "sort_strings.h"
#include "text_util.h"

namespace ptr {

vbMenu::~vbMenu() {
    if (popup_) backend_.Destroy(popup_);
}

void vbMenu::Reset() {
    if (popup_) backend_.Destroy(popup_);
    popup_ = nullptr;
    loaded_ = false;
    root_ = std::make_unique<vbSubMenu>(kMenuRoot);
}

bool vbMenu::InitMenu(const MenuFiles &files, const std::string &folder, const std::string &fileName,
                      const PluginList *plugins) {
    if (plugins) {
        fileName_ = kDefaultMenuName;
        Reset();
        MenuName = "デフォルトメニュー(全機能選択)";
        Comment = "読み込まれている全てのプラグイン機能を選択できます。";
        root_->LoadPluginFunctions(*plugins);
    } else {
        const std::string path = folder + fileName;
        if (!files.Exists(path)) return false;
        fileName_ = fileName;
        Reset();
        const std::unique_ptr<IniStore> file = files.Open(path);
        MenuName = file->GetText(kMenuMainSection, "MenuName", "");
        if (MenuName.empty()) return false;
        Comment = file->GetText(kMenuMainSection, "Comment", "");
        root_->LoadMenuFile(*file, file->GetText(kMenuMainSection, "Menu", ""));
    }
    loaded_ = true;
    return true;
}

const vbSubMenu *vbMenu::ShowSubMenu(WindowHandle owner) {
    // The popup is made when first shown: most menus are never shown in a run, and the
    // default menu of a large book of phrases takes seconds to make.
    if (!popup_ && loaded_ && (popup_ = backend_.CreatePopup())) root_->CreateSubMenu(backend_, popup_);
    if (!popup_) return nullptr;
    const uint32_t id = backend_.Track(popup_, owner);
    return id ? root_->GetSubMenuByID(id) : nullptr;
}

vbMenu *MenuList::Find(const std::string &name) const {
    for (const auto &[key, menu] : menus_)
        if (EqualsNoCase(key, name)) return menu.get();
    return nullptr;
}

vbMenu &MenuList::Add(const std::string &name, std::unique_ptr<vbMenu> menu) {
    menus_.emplace_back(name, std::move(menu));
    return *menus_.back().second;
}

std::optional<std::string> MenuList::MenuNameOf(const std::string &option) const {
    if (const vbMenu *menu = Find(option)) return menu->MenuName;
    return std::nullopt;
}

vbMenu &LoadMenuByName(MenuList &menus, const MenuEnvironment &env, const std::string &name) {
    vbMenu *menu = menus.Find(name);
    if (!menu) menu = &menus.Add(name, std::make_unique<vbMenu>(env.backend));
    const bool isDefault = EqualsNoCase(name, kDefaultMenuName);
    menu->InitMenu(env.files, env.folder, name, isDefault ? &env.plugins : nullptr);
    return *menu;
}

void LoadMenus(MenuList &menus, const MenuEnvironment &env, bool defaultMenu) {
    const auto progress = [&](const std::string &text) {
        if (env.progress) env.progress(text, 1);
    };
    menus.Clear();
    if (defaultMenu) {
        progress("デフォルトメニューを生成しています...");
        LoadMenuByName(menus, env, kDefaultMenuName);
    }
    progress("メニュー情報を検索しています...");
    std::vector<std::string> names = env.files.List(env.folder);
    if (!names.empty()) SortStrings(names, 0, static_cast<int>(names.size()) - 1);
    for (const std::string &name : names) {
        if (!EndsWithNoCase(name, "mnu")) continue;
        progress("メニュー情報を読み込んでいます...\r\n" + name);
        LoadMenuByName(menus, env, name);
    }
}

std::string MenuTestMessage(const vbSubMenu *chosen, const PluginList &plugins, const MenuLookup &menus) {
    if (!chosen) return "何も選択されませんでした。";
    return "『" + chosen->Caption + "』が押されました。\r\n" +
           GetFunctionName(chosen->FuncType, chosen->FuncOption, plugins, menus);
}

}  // namespace ptr
