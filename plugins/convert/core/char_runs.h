// The kinds of characters each width, kana and case conversion hands to the
// system's mapping, and the text cut into runs of them: what a conversion is not
// asked to change never reaches the mapping.
#pragma once
#include <functional>
#include <string>
#include <string_view>

namespace tlxconv {

enum class CharKind {
    kFullWidthLatinSigns,   // full-width letters, digits and signs, and the full-width blank
    kFullWidthKatakana,     // katakana with the Japanese punctuation that has half-width forms
    kHalfWidthLatinSigns,   // ASCII letters, digits, signs and the blank
    kHalfWidthKatakana,     // half-width katakana, their voicing marks and punctuation
    kHiragana,
    kKatakana,              // full-width katakana that have a hiragana form
};

bool IsOfKind(char16_t c, CharKind kind);

// text with every run of characters of one of the kinds replaced by map(run).
std::u16string MapRuns(std::u16string_view text, std::initializer_list<CharKind> kinds,
                       const std::function<std::u16string(std::u16string_view)> &map);

}  // namespace tlxconv
