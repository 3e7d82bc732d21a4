// What the plug-in tells its host: the information record, the function records
// and the names of numbered settings.
#pragma once
#include <cstdint>
#include <string_view>

#include "tlx_records.h"

namespace tlxinet {

enum : int32_t {
    kFuncOpenUrl = 1,
    kFuncSendMail = 2,
    kFuncKeywordSearch = 3,
    kFuncIsUrl = 4,
    kFuncIsMailAddress = 5,
    kFuncCount = 5
};

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function.
bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info);

}  // namespace tlxinet
