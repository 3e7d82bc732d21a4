// The texts the standard plug-ins hand their host: record fields and the answer
// of PIN_GetFuncSettingName.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "tlx_records.h"

namespace tlx {

// A fixed text field of a record: text cut to leave room for the terminator, the rest zeroed.
template <size_t N>
void SetRecordField(char (&field)[N], std::string_view text) {
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

// What a plug-in says of itself. The standard plug-ins share their maker's
// copyright and have no about box.
struct PluginText {
    const char *name;
    const char *version;
    const char *comment;
    bool hasSetting;        // plug-in-wide settings behind PIN_ShowSetting(0, ...)
    int32_t funcCount;
};

// The whole information record: every byte written. No web site or support address
// of the maker yet: empty fields keep the settings window's web and mail buttons off
// instead of leading nowhere.
void FillPluginRecord(const PluginText &plugin, TlxPluginInfo &info);

// What a plug-in says of one of its functions.
struct FuncText {
    const char *name;
    int32_t type;           // TLX_FUNC_ACTION or TLX_FUNC_CHECK
    bool hasSetting;        // a settings dialog per numbered setting
    int32_t settingCount;   // numbered settings, at least 1
    const char *comment;
};

// The record of function funcno out of the table of a plug-in's functions, in
// order from 1; false, leaving the record alone, for a number that is no function.
template <size_t N>
bool FillFuncRecord(const FuncText (&functions)[N], int32_t funcno, TlxFuncInfo &info) {
    if (funcno < 1 || static_cast<size_t>(funcno) > N) return false;
    const FuncText &f = functions[funcno - 1];
    std::memset(&info, 0, sizeof info);
    SetRecordField(info.Name, f.name);
    SetRecordField(info.Comment, f.comment);
    info.IsSetting = f.hasSetting ? 1 : 0;
    info.FuncNameNumMax = f.settingCount;
    info.FunctionType = f.type;
    return true;
}

// Copies name as strncpy does (no terminator when it fills the buffer) and
// returns its length capped at size; with no buffer only the length is returned.
// An empty name is no name: 0, the buffer untouched.
int32_t CopySettingName(std::string_view name, char *buffer, int32_t size);

}  // namespace tlx
