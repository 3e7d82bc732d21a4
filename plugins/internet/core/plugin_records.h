// What the plug-in tells its host: the information record, the function records
// and the names of numbered settings.
#pragma once
#include <cstdint>
#include <string_view>

#include "tlx_records.h"

namespace tlxinet {

class SearchSettings;

enum : int32_t {
    kFuncOpenUrl = 1, kFuncSendMail = 2, kFuncKeywordSearch = 3, kFuncIsUrl = 4, kFuncIsMailAddress = 5, kFuncCount = 5
};

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function.
bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info);
// The name of a numbered setting of the keyword search; empty for any other.
std::string_view SettingName(const SearchSettings &settings, int32_t funcno, int32_t setno);

}  // namespace tlxinet
