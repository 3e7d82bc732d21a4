// Width, kana and case conversions through the system's own mapping tables.
#pragma once
#include <string>
#include <string_view>

#include "char_runs.h"

namespace tlxconv {

enum class Conversion { kToHalfWidth, kToHalfWidthWithKana, kToFullWidth, kToFullWidthWithKana,
                        kToKatakana, kToHiragana, kToUpper, kToLower };

// text with the characters the conversion is about mapped by LCMapStringEx
// (Japanese locale); everything else, emoji included, stays as it is. A run the
// system refuses to map stays as it is too.
std::u16string ConvertText(std::u16string_view text, Conversion conversion);

}  // namespace tlxconv
