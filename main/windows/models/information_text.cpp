#include "information_text.h"

#include <vector>

#include "hotkey_entries.h"
#include "settings.h"
#include "text_util.h"

namespace ptr {

namespace {
std::string Lines(const std::vector<std::string> &lines) { return JoinText(lines, "\r\n"); }
}  // namespace

std::string WatchInformation(const WatchAction &action, const PluginList &plugins, const MenuLookup &menus) {
    std::vector<std::string> lines{std::string(action.Enable ? "(有効)" : "(無効)") +
                                   GetFunctionName(action.Function, action.Option, plugins, menus)};
    if (action.AllType) {
        lines.push_back("全てのクリップボードデータ時に動作します。");
    } else {
        lines.push_back("以下のクリップボードデータ時に動作します。");
        for (const ClipboardType &type : action.Type)
            if (!type.Value.empty()) lines.push_back("○" + type.Name);   // an empty list is one empty element
    }
    if (!action.PluginCheck.empty()) {
        lines.push_back(action.PluginCheckAnd ? "以下の条件全てに合致した時に動作します。"
                                              : "以下の条件のいずれかに合致した時に動作します。");
        for (const std::string &reference : action.PluginCheck)
            lines.push_back("○" + GetPluginFunctionName(reference, plugins));
    }
    return Lines(lines);
}

std::string HotkeyInformation(int32_t keyCode, int32_t keyMod, bool registered, const std::string &functionName) {
    return Lines({GetKeyText(keyCode, keyMod, false, false), registered ? functionName : "(キーが無効です)"});
}

std::string MenuInformation(const vbMenu &menu) {
    if (menu.MenuFileName().empty()) return "";
    return Lines({menu.Comment, "ファイル名:" + menu.MenuFileName()});
}

bool IsDefaultMenu(const std::string &menuFileName) { return EqualsNoCase(menuFileName, kDefaultMenuName); }

std::string PluginInformation(const vbKXPlugin &plugin) {
    std::vector<std::string> lines{plugin.PluginName(), plugin.PluginComment(), "ファイル名:" + plugin.PluginFileName()};
    if (!plugin.PluginVersion().empty()) lines.push_back("バージョン:" + plugin.PluginVersion());
    if (!plugin.PluginCopyright().empty()) lines.push_back("著作情報:" + plugin.PluginCopyright());
    return Lines(lines);
}

PluginOffers OffersOf(const vbKXPlugin &plugin) {
    return {plugin.IsAbout(), !plugin.PluginURL().empty(), !plugin.PluginMail().empty()};
}

}  // namespace ptr
