// UTF-16 and UTF-8 as the plug-ins store the clipboard's Unicode text.
#include <gtest/gtest.h>

#include "unicode_text.h"

using namespace utf;

namespace {

const std::u16string kLoneHigh(1, char16_t(0xD83D));
const std::u16string kLoneLow(1, char16_t(0xDE00));

TEST(Utf16Char, PairsAreOneCharacterAndLoneSurrogatesStandForThemselves) {
    const std::u16string emoji = u"\U0001F600";   // D83D DE00
    const struct {
        const char *what;
        std::u16string text;
        char32_t first;       // CharAt(text, 0)
        size_t firstUnits;
        char32_t last;        // CharBefore(text, text.size())
        size_t lastUnits;
    } cases[] = {
        {"BMP only", u"\u6F22a", 0x6F22, 1, u'a', 1},
        {"a pair alone", emoji, 0x1F600, 2, 0x1F600, 2},
        {"pairs at both ends", emoji + u"x" + u"\U00010348", 0x1F600, 2, 0x10348, 2},
        {"the highest character", u"\U0010FFFF", 0x10FFFF, 2, 0x10FFFF, 2},
        {"lone high at the end", u"a" + kLoneHigh, u'a', 1, 0xD83D, 1},
        {"lone low at the start", kLoneLow + u"a", 0xDE00, 1, u'a', 1},
        {"low before high: no pair", kLoneLow + kLoneHigh, 0xDE00, 1, 0xD83D, 1},
        {"high then a letter", kLoneHigh + u"a", 0xD83D, 1, u'a', 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.first, CharAt(c.text, 0).code);
        EXPECT_EQ(c.firstUnits, CharAt(c.text, 0).units);
        EXPECT_EQ(c.last, CharBefore(c.text, c.text.size()).code);
        EXPECT_EQ(c.lastUnits, CharBefore(c.text, c.text.size()).units);
        // Written back character by character, the text comes back unit for unit.
        std::u16string back;
        for (size_t i = 0; i < c.text.size(); i += CharAt(c.text, i).units) AppendUtf16(back, CharAt(c.text, i).code);
        EXPECT_EQ(c.text, back);
    }
    std::u16string beyond;
    AppendUtf16(beyond, 0x110000);
    EXPECT_EQ(u"\uFFFD", beyond) << "no UTF-16 form";
}

TEST(Utf8RoundTrip, KeptTextComesBackUnitForUnit) {
    const std::u16string cases[] = {
        u"",
        u"Caf\u00e9 \u00f1 \U0001F600 \u6F22\u5B57 \u20AC",  // accented Latin, an emoji, kanji, the euro sign
        u"\uD55C\uAD6D\uC5B4 \u2016 \u301C",                  // hangul; two characters code page 932 only approximates
        u"a" + kLoneHigh + u"b" + kLoneLow + u"c" + kLoneHigh,  // surrogates without partners
        kLoneLow + kLoneHigh,                                 // in reverse order: no pair
        std::u16string(u"nul\0inside", 10),
    };
    for (const auto &text : cases) {
        const std::string utf8 = Utf8FromUtf16(text, LoneSurrogates::kKeep);
        EXPECT_EQ(text, Utf16FromUtf8(utf8)) << utf8;
    }
    EXPECT_EQ("a\xED\xA0\xBD", Utf8FromUtf16(u"a" + kLoneHigh, LoneSurrogates::kKeep));
}

TEST(Utf16FromUtf8, MalformedBytesBecomeReplacementCharacters) {
    const struct {
        const char *what;
        std::string utf8;
        std::u16string expected;
    } cases[] = {
        {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
        {"sequence cut by the end", "a\xE6\x97", u"a\uFFFD\uFFFD"},
        {"sequence cut by a letter", "\xE6" "a", u"\uFFFDa"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"invalid lead bytes", "\xF8\xFF", u"\uFFFD\uFFFD"},
    };
    for (const auto &c : cases) EXPECT_EQ(c.expected, Utf16FromUtf8(c.utf8)) << c.what;
}

TEST(Utf16Prefix, NeverSplitsASurrogatePair) {
    const std::u16string text = u"ab\U0001F600c";  // a, b, high, low, c
    EXPECT_EQ(u"ab", Utf16Prefix(text, 3));
    EXPECT_EQ(u"ab\U0001F600", Utf16Prefix(text, 4));
    EXPECT_EQ(text, Utf16Prefix(text, 5));
    EXPECT_EQ(text, Utf16Prefix(text, 100));
    EXPECT_EQ(u"", Utf16Prefix(text, 0));
    EXPECT_EQ(u"a" + kLoneHigh, Utf16Prefix(u"a" + kLoneHigh + u"b", 2)) << "a lone surrogate is cut like any unit";
}

}  // namespace
