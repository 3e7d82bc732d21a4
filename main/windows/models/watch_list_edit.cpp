#include "watch_list_edit.h"

#include <algorithm>
#include <utility>

#include "text_util.h"

namespace ptr {

WatchAction BuildWatchAction(const WatchActionFields &fields, const ClipboardTypeList &types,
                             ClipboardFormats &formats) {
    WatchAction action;
    action.Enable = fields.Enable;
    action.Type = types.ParseTypeList(fields.TypeText, formats);
    action.AllType = fields.AllType;
    if (!fields.CheckText.empty()) action.PluginCheck = SplitText(fields.CheckText, ":");
    action.PluginCheckAnd = fields.PluginCheckAnd;
    action.Function = fields.Function;
    action.Option = fields.Option;
    return action;
}

WatchActionFields FieldsOf(const WatchAction &action) {
    return {action.Function,    action.Option,         TypeListToText(action.Type), action.AllType,
            JoinText(action.PluginCheck, ":"), action.PluginCheckAnd, action.Enable};
}

int WatchRowCount(const WatchActionList &list) {
    return IsEmptyWatchList(list) ? 0 : static_cast<int>(list.size());
}

int InsertWatchEntry(WatchActionList &list, int position, WatchAction action) {
    if (IsEmptyWatchList(list)) {
        list = {std::move(action)};
        return 0;
    }
    const int at = std::clamp(position, 0, WatchRowCount(list));
    list.insert(list.begin() + at, std::move(action));
    return at;
}

bool DeleteWatchEntry(WatchActionList &list, int position) {
    if (position < 0 || position >= WatchRowCount(list)) return false;
    if (list.size() == 1)
        list = EmptyWatchList();
    else
        list.erase(list.begin() + position);
    return true;
}

bool SwapWatchEntries(WatchActionList &list, int a, int b) {
    const int rows = WatchRowCount(list);
    if (a < 0 || b < 0 || a >= rows || b >= rows) return false;
    std::swap(list[a], list[b]);
    return true;
}

}  // namespace ptr
