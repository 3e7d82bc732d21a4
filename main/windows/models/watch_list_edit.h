// The watch page's changes to the watch list. They keep the list's placeholder rule:
// an empty list is one entry whose Function is -1, never a list without entries.
// No Windows header.
#pragma once
#include <cstdint>
#include <string>

#include "clipboard_types.h"
#include "watch_actions.h"

namespace ptr {

// An action as the watch-action editor hands it over: the formats as their values
// joined by ",", the check functions' references joined by ":".
struct WatchActionFields {
    int32_t Function = -1;
    std::string Option;
    std::string TypeText;
    bool AllType = true;
    std::string CheckText;
    bool PluginCheckAnd = true;
    bool Enable = true;
};

WatchAction BuildWatchAction(const WatchActionFields &fields, const ClipboardTypeList &types,
                             ClipboardFormats &formats);
// The editor's fields of a stored action.
WatchActionFields FieldsOf(const WatchAction &action);

// Inserts before row `position` (clamped to the list); the placeholder of an empty list
// gives way to the new entry. Returns the row the entry took.
int InsertWatchEntry(WatchActionList &list, int position, WatchAction action);
// Removes row `position`; removing the only entry leaves the placeholder. False when
// there is no such row.
bool DeleteWatchEntry(WatchActionList &list, int position);
// Exchanges two rows; false (and nothing changes) unless both exist.
bool SwapWatchEntries(WatchActionList &list, int a, int b);

// The rows the list shows: none for the placeholder.
int WatchRowCount(const WatchActionList &list);

}  // namespace ptr
