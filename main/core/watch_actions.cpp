#include "watch_actions.h"

#include "function_catalogue.h"
#include "text_util.h"

namespace ptr {

namespace {

std::vector<std::string> SplitChecks(const std::string &text) {
    if (text.empty()) return {};
    return SplitText(text, ",");
}

std::string Key(int n, const char *name) { return NumberedKey(n, name); }

}  // namespace

WatchActionList LoadWatchActions(const IniStore &ini, const ClipboardTypeList &types, ClipboardFormats &formats,
                                 const ProgressReport &progress) {
    WatchActionList list = EmptyWatchList();
    for (int n = 1;; ++n) {
        if (progress) progress("クリップボード監視動作を読み込んでいます...\r\nData " + std::to_string(n), 1);
        const int32_t function = ini.GetNumber(kWatchSection, Key(n, "Function"), -1);
        if (function == -1) break;
        WatchAction action;
        action.Function = function;
        action.Enable = ini.GetBool(kWatchSection, Key(n, "Enable"), false);
        action.Option = ini.GetText(kWatchSection, Key(n, "Option"), "");
        action.AllType = ini.GetBool(kWatchSection, Key(n, "AllType"), false);
        action.Type = types.ParseTypeList(ini.GetText(kWatchSection, Key(n, "Type"), ""), formats);
        action.PluginCheck = SplitChecks(ini.GetText(kWatchSection, Key(n, "PluginCheck"), ""));
        action.PluginCheckAnd = ini.GetBool(kWatchSection, Key(n, "PluginCheckAnd"), true);
        if (n == 1)
            list.front() = std::move(action);
        else
            list.push_back(std::move(action));
    }
    return list;
}

void SaveWatchActions(const WatchActionList &list, IniStore &ini) {
    int n = 1;
    for (const WatchAction &action : list) {
        ini.SetBool(kWatchSection, Key(n, "Enable"), action.Enable);
        ini.SetText(kWatchSection, Key(n, "Type"), TypeListToText(action.Type));
        ini.SetBool(kWatchSection, Key(n, "AllType"), action.AllType);
        ini.SetNumber(kWatchSection, Key(n, "Function"), action.Function);
        ini.SetText(kWatchSection, Key(n, "Option"), action.Option);
        ini.SetText(kWatchSection, Key(n, "PluginCheck"), JoinText(action.PluginCheck, ","));
        ini.SetBool(kWatchSection, Key(n, "PluginCheckAnd"), action.PluginCheckAnd);
        ++n;
    }
    ini.SetNumber(kWatchSection, Key(n, "Function"), -1);
}

bool CheckClipboardType(bool allType, const std::vector<ClipboardType> &types, const ClipboardFormats &formats) {
    if (allType) return true;
    for (const ClipboardType &type : types)
        if (type.ID != 0 && formats.IsAvailable(type.ID)) return true;
    return false;
}

bool CheckPluginCondition(const std::vector<std::string> &checks, bool andMode, const PluginList &plugins,
                          WindowHandle activateWnd) {
    if (checks.empty()) return true;
    bool accepted = false;
    for (const std::string &reference : checks) {
        const PluginFunctionRef ref = ParsePluginFunction(reference);
        vbKXPlugin *plugin = ref.complete ? plugins.Find(ref.fileName) : nullptr;
        if (!plugin) continue;
        if (plugin->CallFunc(ref.funcno, ref.setno, activateWnd, TLX_CALL_CHECK) != 0)
            accepted = true;
        else if (andMode)
            return false;
    }
    return accepted;
}

void EvaluateWatchActions(const WatchActionList &list, const ClipboardFormats &formats, const PluginList &plugins,
                          WindowHandle activateWnd, const std::function<void(const WatchAction &)> &run) {
    if (IsEmptyWatchList(list)) return;
    for (const WatchAction &action : list) {
        if (!action.Enable) continue;
        const bool formatOk = CheckClipboardType(action.AllType, action.Type, formats);
        const bool checksOk = CheckPluginCondition(action.PluginCheck, action.PluginCheckAnd, plugins, activateWnd);
        if (formatOk && checksOk) run(action);
    }
}

}  // namespace ptr
