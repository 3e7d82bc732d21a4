// What the plug-in tells its host: the information record and the function records.
#pragma once
#include <cstdint>
#include <string_view>

#include "tlx_records.h"

namespace tlxconv {

class ConvertSettings;

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
// The name of a numbered setting: fixed for the width conversions, the user's for the
// replacements, patterns and program lists; empty for a setting that has none.
std::string_view SettingName(const ConvertSettings &settings, int32_t funcno, int32_t setno);

}  // namespace tlxconv
