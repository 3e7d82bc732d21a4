#include "vbSubMenu.h"

#include <algorithm>

#include "function_catalogue.h"
#include "text_util.h"

namespace ptr {

namespace {
uint32_t NextItemId() {
    static uint32_t last = 0;
    if (++last == 0) ++last;
    return last;
}

std::string FunctionReference(const std::string &file, int32_t funcno, int32_t setno) {
    return file + "/" + std::to_string(funcno) + "/" + std::to_string(setno);
}
}  // namespace

struct vbSubMenu::LoadState {
    std::vector<std::string> path;   // the sections from the top down to the one being read
    int remaining = kMaxMenuItems;
};

vbSubMenu::vbSubMenu(int32_t menuType) : MenuType(menuType), itemId_(NextItemId()) {}

vbSubMenu::~vbSubMenu() = default;

vbSubMenu &vbSubMenu::AddChild(int32_t menuType) {
    children_.push_back(std::make_unique<vbSubMenu>(menuType));
    return *children_.back();
}

void vbSubMenu::LoadMenuFile(const IniStore &file, const std::string &section) {
    LoadState state;
    state.path.push_back(section);
    LoadSection(file, section, state);
}

void vbSubMenu::LoadSection(const IniStore &file, const std::string &section, LoadState &state) {
    for (int n = 1; state.remaining > 0; ++n) {
        std::string caption = file.GetText(section, NumberedKey(n, "Caption"), "");
        if (caption.empty()) return;
        --state.remaining;
        const std::string type = file.GetText(section, NumberedKey(n, "Type"), "");
        if (EqualsNoCase(type, "SUBMENU")) {
            vbSubMenu &child = AddChild(kMenuSubMenu);
            child.Caption = std::move(caption);
            const std::string sub = file.GetText(section, NumberedKey(n, "SubMenu"), "");
            const bool onPath = std::any_of(state.path.begin(), state.path.end(),
                                            [&](const std::string &s) { return EqualsNoCase(s, sub); });
            if (onPath || static_cast<int>(state.path.size()) >= kMaxMenuDepth) continue;
            state.path.push_back(sub);
            child.LoadSection(file, sub, state);
            state.path.pop_back();
        } else if (EqualsNoCase(type, "SEPARATOR")) {
            AddChild(kMenuSeparator).Caption = std::move(caption);
        } else {
            vbSubMenu &child = AddChild(kMenuCommand);
            child.Caption = std::move(caption);
            child.FuncType = file.GetNumber(section, NumberedKey(n, "FuncType"), 1);
            child.FuncOption = file.GetText(section, NumberedKey(n, "FuncOption"), "");
        }
    }
}

void vbSubMenu::LoadPluginFunctions(const PluginList &plugins) {
    for (size_t i = 0; i < plugins.Count(); ++i) {
        const vbKXPlugin &plugin = plugins.At(i);
        vbSubMenu &pluginMenu = AddChild(kMenuSubMenu);
        pluginMenu.Caption = plugin.PluginName();
        for (int32_t f = 1; f <= plugin.PluginFuncNumber(); ++f) {
            const vbKXPluginFunction &function = *plugin.PluginFunction(f);
            if (function.FunctionType() != TLX_FUNC_ACTION) continue;
            if (function.FuncNameNumMax() == 1) {
                vbSubMenu &item = pluginMenu.AddChild(kMenuCommand);
                item.Caption = function.FunctionName();
                item.FuncType = kFunctionPlugin;
                item.FuncOption = FunctionReference(plugin.PluginFileName(), f, 1);
                continue;
            }
            vbSubMenu &settings = pluginMenu.AddChild(kMenuSubMenu);
            settings.Caption = function.FunctionName();
            // Only the settings there are: a function whose settings have names offers no others.
            for (const int32_t s : function.OfferedSettings()) {
                vbSubMenu &item = settings.AddChild(kMenuCommand);
                item.Caption = function.SettingName(s);
                item.FuncType = kFunctionPlugin;
                item.FuncOption = FunctionReference(plugin.PluginFileName(), f, s);
            }
        }
    }
}

void vbSubMenu::CreateSubMenu(MenuBackend &backend, MenuHandle parent) const {
    switch (MenuType) {
    case kMenuRoot:
        for (const auto &child : children_) child->CreateSubMenu(backend, parent);
        break;
    case kMenuCommand:
        backend.AppendCommand(parent, itemId_, Caption);
        break;
    case kMenuSubMenu:
        if (MenuHandle popup = backend.CreatePopup()) {
            for (const auto &child : children_) child->CreateSubMenu(backend, popup);
            backend.AppendPopup(parent, popup, Caption);
        }
        break;
    case kMenuSeparator:
        backend.AppendSeparator(parent, itemId_, Caption);
        break;
    default:
        break;
    }
}

const vbSubMenu *vbSubMenu::GetSubMenuByID(uint32_t id) const {
    if (MenuType == kMenuCommand) return itemId_ == id ? this : nullptr;
    if (MenuType == kMenuSeparator) return nullptr;
    for (const auto &child : children_)
        if (const vbSubMenu *hit = child->GetSubMenuByID(id)) return hit;
    return nullptr;
}

}  // namespace ptr
