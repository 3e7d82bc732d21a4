// Clipboard-watch actions: the list in section "Watch" of Setting.ini and its evaluation
// when the clipboard changes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "clipboard_types.h"
#include "ini_store.h"
#include "vbKXPlugin.h"

namespace ptr {

inline constexpr const char *kWatchSection = "Watch";

struct WatchAction {
    bool Enable = false;
    std::vector<ClipboardType> Type{1};     // at least one of these formats must be present
    bool AllType = false;                   // any formats will do; Type is not consulted
    std::vector<std::string> PluginCheck;   // plug-in function references of check functions
    bool PluginCheckAnd = true;             // all checks must accept (else one is enough)
    int32_t Function = -1;                  // FunctionType run when the action matches
    std::string Option;                     // its FunctionOption
};

// Always holds at least one element: an empty list is one element whose Function is -1,
// and the whole list counts as empty exactly when the first element's Function is -1.
using WatchActionList = std::vector<WatchAction>;
inline WatchActionList EmptyWatchList() { return WatchActionList(1); }
inline bool IsEmptyWatchList(const WatchActionList &list) { return list.empty() || list.front().Function == -1; }

WatchActionList LoadWatchActions(const IniStore &ini, const ClipboardTypeList &types, ClipboardFormats &formats,
                                 const ProgressReport &progress = {});
// Entries 1.. in list order, then the end marker (Function -1) after the last.
void SaveWatchActions(const WatchActionList &list, IniStore &ini);

// True with AllType; otherwise when one of the formats is on the clipboard.
bool CheckClipboardType(bool allType, const std::vector<ClipboardType> &types, const ClipboardFormats &formats);
// Calls the check functions (CallType 0) in order. No checks: true. AND: at least one
// loaded check accepts and none refuses (the first refusal ends the walk). OR: every
// check is called and one acceptance is enough. References to plug-ins that are not
// loaded, or with fewer than three parts, count neither way.
bool CheckPluginCondition(const std::vector<std::string> &checks, bool andMode, const PluginList &plugins,
                          WindowHandle activateWnd);
// Runs `run` for every enabled action whose format and check conditions both hold, in
// list order. The checks are called even when the format condition failed.
void EvaluateWatchActions(const WatchActionList &list, const ClipboardFormats &formats, const PluginList &plugins,
                          WindowHandle activateWnd, const std::function<void(const WatchAction &)> &run);

}  // namespace ptr
