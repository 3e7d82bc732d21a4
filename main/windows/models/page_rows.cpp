#include "page_rows.h"

#include "text_util.h"

namespace ptr {

namespace {
constexpr size_t kKeyColumn = 12;
}

ListRow WatchRow(const WatchAction &action, const PluginList &plugins, const MenuLookup &menus) {
    return {GetFunctionName(action.Function, action.Option, plugins, menus), action.Enable};
}

std::vector<ListRow> WatchRows(const WatchActionList &actions, const PluginList &plugins, const MenuLookup &menus) {
    std::vector<ListRow> rows;
    if (IsEmptyWatchList(actions)) return rows;
    for (const WatchAction &action : actions) rows.push_back(WatchRow(action, plugins, menus));
    return rows;
}

std::string HotkeyRowText(const std::string &keyText, bool registered, const std::string &functionName) {
    std::string column(CutAtCharBoundary(keyText + std::string(kKeyColumn, ' '), kKeyColumn));
    column.resize(kKeyColumn, ' ');   // a two-byte character cut off leaves a gap to fill
    return column + (registered ? functionName : "(無効)");
}

ListRow MenuRow(const vbMenu &menu, const std::string &taskMenu) {
    if (menu.MenuFileName().empty()) return {"(読み込めません)メニュー", false};
    return {menu.MenuName, EqualsNoCase(menu.MenuFileName(), taskMenu)};
}

std::vector<ListRow> MenuRows(const MenuList &menus, const std::string &taskMenu) {
    std::vector<ListRow> rows;
    for (size_t i = 0; i < menus.Count(); ++i) rows.push_back(MenuRow(menus.At(i), taskMenu));
    return rows;
}

std::vector<ListRow> PluginRows(const PluginList &plugins) {
    std::vector<ListRow> rows;
    for (size_t i = 0; i < plugins.Count(); ++i) rows.push_back({plugins.At(i).PluginName(), false});
    return rows;
}

int RowAfterRemoval(int removed, int count) {
    if (count <= 0) return -1;
    return removed < count ? removed : count - 1;
}

std::string VersionText(int major, int minor, int revision, const PluginList &plugins) {
    std::string text = "*** バージョン情報 ***\r\n";
    text += "ポルテリカ Ver." + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
    if (plugins.Count() == 0) return text;
    text += "\r\n*** プラグイン情報 ***";
    for (size_t i = 0; i < plugins.Count(); ++i) {
        const vbKXPlugin &plugin = plugins.At(i);
        text += "\r\n" + plugin.PluginName();
        if (!plugin.PluginVersion().empty()) text += " Ver." + plugin.PluginVersion();
        if (!plugin.PluginCopyright().empty()) text += " " + plugin.PluginCopyright();
    }
    return text;
}

}  // namespace ptr
