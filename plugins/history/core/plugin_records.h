// What the plug-in tells its host: the information record and the function records.
#pragma once
#include <cstdint>

#include "tlx_records.h"

namespace tlxhistory {

enum : int32_t {
    kFuncRecord = 1,
    kFuncPaste = 2,
    kFuncClear = 3,
    kFuncQueueMode = 4,
    kFuncPasteNext = 5,
    kFuncCount = 5
};

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function.
bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info);

}  // namespace tlxhistory
