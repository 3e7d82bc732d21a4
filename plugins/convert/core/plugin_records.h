// What the plug-in tells its host: the information record and the function records.
#pragma once
#include <cstdint>

#include "tlx_records.h"

namespace tlxconv {

enum : int32_t {
    kFuncToHalfWidth = 1,
    kFuncToFullWidth = 2,
    kFuncToKatakana = 3,
    kFuncToHiragana = 4,
    kFuncToUpper = 5,
    kFuncToLower = 6,
    kFuncQuote = 7,
    kFuncUnquote = 8,
    kFuncJoinLines = 9,
    kFuncTrim = 10,
    kFuncReplace = 11,
    kFuncMatchesPattern = 12,
    kFuncCopiedFrom = 13,
    kFuncCount = 13
};

// Settings of the width conversions.
enum : int32_t { kWidthLatinSigns = 1, kWidthWithKatakana = 2 };

void FillPluginInfo(TlxPluginInfo &info);
// False, leaving the record alone, for a number that is no function.
bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info);
// How many numbered settings the function announces; 0 for a number that is no function.
int32_t SettingCount(int32_t funcno);

}  // namespace tlxconv
