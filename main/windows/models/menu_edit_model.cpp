#include "menu_edit_model.h"

#include <algorithm>
#include <utility>

#include "vbMenu.h"
#include "vbSubMenu.h"

namespace ptr {

namespace {

constexpr const char *kIndent = "････";
constexpr const char *kTopSection = "Menu";

// The loaded tree as entries, each child right after its parent, one level deeper.
void AppendTree(const vbSubMenu &node, int16_t level, std::vector<MenuEditItem> &items) {
    for (const auto &child : node.Children()) {
        MenuEditItem item;
        item.Caption = RemoveLineBreaks(child->Caption);
        item.Level = level;
        switch (child->MenuType) {
        case kMenuSubMenu: item.ItemType = kEditSubMenu; break;
        case kMenuSeparator: item.ItemType = kEditSeparator; break;
        default:
            item.FuncType = child->FuncType;
            item.FuncOption = child->FuncOption;
            break;
        }
        items.push_back(std::move(item));
        if (child->MenuType == kMenuSubMenu) AppendTree(*child, static_cast<int16_t>(level + 1), items);
    }
}

// The profile functions drop the blanks around a value, so a blank text reads back empty
// (and an empty caption ends its section, losing the entries after it).
bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::string RemoveLineBreaks(std::string_view text) {
    // CR and LF never occur inside a two-byte character, so bytes can go one by one.
    std::string clean;
    clean.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n') clean += c;
    return clean;
}

std::string MenuCheckMessage(MenuCheckFault fault) {
    const std::string head = "データチェックエラー\r\n";
    switch (fault) {
    case MenuCheckFault::NoMenuName: return head + "メニュー名がありません。\r\nメニュー名を指定して下さい。";
    case MenuCheckFault::NoItems: return head + "メニュー項目がありません。";
    case MenuCheckFault::EmptyCaption:
        return head + "メニューの表示名が空白です。メニューの表示名を正しく指定して下さい。";
    case MenuCheckFault::NoFunction: return head + "メニューの実行機能が無指定です。メニューの実行機能を指定して下さい。";
    case MenuCheckFault::BadLevel: return head + "サブメニューの階層が不正です。サブメニューの階層を見直して下さい。";
    case MenuCheckFault::None: break;
    }
    return "";
}

std::string MenuEditModel::EntryText(size_t index) const {
    const MenuEditItem &item = items_[index];
    std::string text;
    for (int i = 0; i < item.Level; ++i) text += kIndent;
    text += item.Caption;
    if (item.ItemType == kEditSubMenu) text += "<サブメニュー>";
    if (item.ItemType == kEditSeparator) text += "<区切り線>";
    return text;
}

bool MenuEditModel::Read(const IniStore &file) {
    items_.clear();
    MenuName = RemoveLineBreaks(file.GetText(kMenuMainSection, "MenuName", ""));
    Comment.clear();
    if (!MenuName.empty()) {
        Comment = RemoveLineBreaks(file.GetText(kMenuMainSection, "Comment", ""));
        // The reader of the running program: the editor shows what the menu shows.
        vbSubMenu root;
        root.LoadMenuFile(file, file.GetText(kMenuMainSection, "Menu", ""));
        AppendTree(root, 0, items_);
    }
    items_.emplace_back();
    return !MenuName.empty();
}

void MenuEditModel::Write(IniStore &file) const {
    file.SetText(kMenuMainSection, "MenuName", RemoveLineBreaks(MenuName));
    file.SetText(kMenuMainSection, "Comment", RemoveLineBreaks(Comment));
    file.SetText(kMenuMainSection, "Menu", kTopSection);

    // The sections still open, innermost last: an entry above a section's level closes it.
    struct OpenSection {
        std::string name;
        int next;
        int level;
    };
    std::vector<OpenSection> open{{kTopSection, 1, 0}};
    int subMenus = 0;
    for (const MenuEditItem &item : items_) {
        while (open.size() > 1 && item.Level < open.back().level) open.pop_back();
        const std::string section = open.back().name;
        const int n = open.back().next++;
        file.SetText(section, NumberedKey(n, "Caption"), item.Caption);
        if (item.ItemType == kEditSubMenu) {
            const std::string name = NumberedKey(++subMenus, "SubMenu");
            file.SetText(section, NumberedKey(n, "Type"), "SubMenu");
            file.SetText(section, NumberedKey(n, "SubMenu"), name);
            open.push_back({name, 1, item.Level + 1});
        } else if (item.ItemType == kEditSeparator) {
            file.SetText(section, NumberedKey(n, "Type"), "Separator");
        } else {
            file.SetText(section, NumberedKey(n, "Type"), "Function");
            file.SetNumber(section, NumberedKey(n, "FuncType"), item.FuncType);
            file.SetText(section, NumberedKey(n, "FuncOption"), item.FuncOption);
        }
    }
}

void MenuEditModel::InsertItem(size_t index) {
    MenuEditItem item;
    if (index < items_.size()) item.Level = items_[index].Level;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    CheckSubMenu();
}

void MenuEditModel::DeleteItem(size_t index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    CheckSubMenu();
}

bool MenuEditModel::ShiftLevel(size_t index, int delta) {
    const int level = items_[index].Level + delta;
    if (level < 0 || level > INT16_MAX) return false;
    items_[index].Level = static_cast<int16_t>(level);
    CheckSubMenu();
    return true;
}

void MenuEditModel::SetItemCaption(size_t index, std::string_view text) {
    items_[index].Caption = RemoveLineBreaks(text);
    RestoreTrailingEntry();
}

void MenuEditModel::SetItemFunction(size_t index, int32_t funcType, const std::string &funcOption) {
    items_[index].FuncType = funcType;
    items_[index].FuncOption = funcOption;
}

void MenuEditModel::SetItemType(size_t index, int32_t type) {
    MenuEditItem &item = items_[index];
    item.ItemType = type;
    // An empty caption would end the section when the file is read.
    if (type == kEditSeparator && item.Caption.empty()) item.Caption = "-";
    RestoreTrailingEntry();
}

void MenuEditModel::SwapItems(size_t a, size_t b) {
    std::swap(items_[a], items_[b]);
    CheckSubMenu();
}

bool MenuEditModel::HasChildren(size_t index) const {
    return index + 1 < items_.size() && items_[index + 1].Level > items_[index].Level;
}

void MenuEditModel::CheckSubMenu() {
    // By index: SetItemType may append the trailing entry.
    for (size_t i = 0; i < items_.size(); ++i) {
        if (HasChildren(i)) {
            if (items_[i].ItemType != kEditSubMenu) SetItemType(i, kEditSubMenu);
        } else if (items_[i].ItemType == kEditSubMenu) {
            SetItemType(i, kEditFunction);
        }
    }
}

void MenuEditModel::RestoreTrailingEntry() {
    if (!items_.back().Caption.empty()) items_.emplace_back();
}

size_t MenuEditModel::MoveUp(size_t index) {
    if (index == 0) return index;
    SwapItems(index, index - 1);
    RestoreTrailingEntry();
    return index - 1;
}

size_t MenuEditModel::MoveDown(size_t index) {
    if (index + 1 >= items_.size()) return index;
    SwapItems(index, index + 1);
    RestoreTrailingEntry();
    return index + 1;
}

size_t MenuEditModel::Insert(size_t index) {
    InsertItem(index);
    return index;
}

size_t MenuEditModel::Delete(size_t index) {
    if (items_.size() <= 1) return index;
    DeleteItem(index);
    const size_t select = std::min(index, items_.size() - 1);
    RestoreTrailingEntry();
    return select;
}

void MenuEditModel::SetSeparator(size_t index, bool on) {
    SetItemType(index, on ? kEditSeparator : kEditFunction);
    // An entry with entries under it stays a sub-menu whatever the box says.
    CheckSubMenu();
}

MenuCheckResult MenuEditModel::CheckMenuData() const {
    if (IsBlank(MenuName)) return {MenuCheckFault::NoMenuName, 0};
    if (items_.size() == 1) return {MenuCheckFault::NoItems, 0};
    int previous = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        const MenuEditItem &item = items_[i];
        const bool trailing = i + 1 == items_.size();
        if (!trailing && IsBlank(item.Caption)) return {MenuCheckFault::EmptyCaption, i};
        if (!trailing && item.ItemType == kEditFunction && item.FuncOption.empty())
            return {MenuCheckFault::NoFunction, i};
        if (item.Level > previous + 1) return {MenuCheckFault::BadLevel, i};
        previous = item.Level;
    }
    return {};
}

}  // namespace ptr
