// What the plug-in tells its host: the information record and the function records.
#pragma once
#include <cstdint>

#include "tlx_records.h"

namespace tlxtext {

enum : int32_t {
    kFuncTextOnly = 1, kFuncFileNames = 2, kFuncHtmlSource = 3, kFuncJoin = 4, kFuncClearJoin = 5, kFuncCount = 5
};

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function.
bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info);

}  // namespace tlxtext
