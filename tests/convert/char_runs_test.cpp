// Which characters each conversion hands to the system's mapping.
#include <gtest/gtest.h>

#include "char_runs.h"

namespace {

using namespace tlxconv;

// Marks each run handed over, so that the cut between runs shows.
std::u16string Bracketed(std::u16string_view text, std::initializer_list<CharKind> kinds) {
    return MapRuns(text, kinds, [](std::u16string_view run) { return u"[" + std::u16string(run) + u"]"; });
}

struct RunCase {
    const char16_t *text;
    std::initializer_list<CharKind> kinds;
    const char16_t *expected;
};

TEST(CharRuns, OnlyTheAskedKindsReachTheMapping) {
    using K = CharKind;
    const RunCase cases[] = {
        {u"ＡＢＣ１２３！　カナ", {K::kFullWidthLatinSigns}, u"[ＡＢＣ１２３！　]カナ"},
        {u"ＡＢＣ　ガパ、「ー」", {K::kFullWidthLatinSigns, K::kFullWidthKatakana}, u"[ＡＢＣ　ガパ、「ー」]"},
        {u"ひらがな漢字", {K::kFullWidthLatinSigns, K::kFullWidthKatakana}, u"ひらがな漢字"},
        {u"abc ｶﾞｷﾞ\r\n", {K::kHalfWidthLatinSigns}, u"[abc ]ｶﾞｷﾞ\r\n"},
        {u"abc ｶﾞｷﾞ\r\n", {K::kHalfWidthLatinSigns, K::kHalfWidthKatakana}, u"[abc ｶﾞｷﾞ]\r\n"},
        {u"がぱゝカナ", {K::kHiragana}, u"[がぱゝ]カナ"},
        {u"ガパヴーひら", {K::kKatakana}, u"[ガパヴ]ーひら"},
        {u"\U0001F600ＡＢ\U0001F600", {K::kFullWidthLatinSigns}, u"\U0001F600[ＡＢ]\U0001F600"},
    };
    for (const RunCase &c : cases) EXPECT_EQ(std::u16string(c.expected), Bracketed(c.text, c.kinds));
}

}  // namespace
