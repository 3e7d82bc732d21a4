#include <gtest/gtest.h>

#include "text_util.h"

using namespace ptr;

TEST(TrimAtNull, CutsAtFirstNulOrKeepsWholeField) {
    const char field[8] = {'a', 'b', '\0', 'c', 'd', 'e', 'f', 'g'};
    EXPECT_EQ("ab", TrimAtNull(field, sizeof field));
    const std::string full(1024, 'x');
    EXPECT_EQ(1024u, TrimAtNull(full.data(), full.size()).size());
    EXPECT_EQ("", TrimAtNull(std::string_view("\0abc", 4)));
}

TEST(CutAtCharBoundary, NeverSplitsATwoByteCharacter) {
    const std::string text = "aあい";   // 1 + 2 + 2 bytes in code page 932
    EXPECT_EQ("aあい", CutAtCharBoundary(text, 10));
    EXPECT_EQ("aあ", CutAtCharBoundary(text, 4));
    EXPECT_EQ("aあ", CutAtCharBoundary(text, 3));
    EXPECT_EQ("a", CutAtCharBoundary(text, 2));
    EXPECT_EQ("", CutAtCharBoundary(text, 0));
    EXPECT_EQ("abc", CutAtCharBoundary(std::string("abc\x82\xa0"), 4));
}

TEST(CompareNoCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsNoCase("tlxText.TLX", "TLXTEXT.tlx"));
    EXPECT_LT(CompareNoCase("alpha", "Beta"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "ABC"), 0);
    // "ア" is 83 41 and "ヂ" is 83 61: their second bytes look like 'A' and 'a' but are not letters.
    EXPECT_FALSE(EqualsNoCase("ア", "ヂ"));
    EXPECT_TRUE(EndsWithNoCase("plugin.Tlx", ".TLX"));
    EXPECT_FALSE(EndsWithNoCase("tlx", ".TLX"));
}

TEST(LeadingNumber, ReadsWhatAUserWouldCallTheNumber) {
    EXPECT_EQ(3, LeadingNumber(" 3"));
    EXPECT_EQ(3, LeadingNumber("3.0"));
    EXPECT_EQ(3.5, LeadingNumber("3.5"));
    EXPECT_EQ(12, LeadingNumber("12abc"));
    EXPECT_EQ(-1, LeadingNumber("-1"));
    EXPECT_EQ(1000, LeadingNumber("1e3"));
    EXPECT_EQ(0, LeadingNumber("abc"));
    EXPECT_EQ(0, LeadingNumber(""));
    EXPECT_EQ(0, LeadingNumber("1e999999"));   // overflow is no number, not infinity
}

TEST(LeadingInteger, RoundsAndStaysWithin32Bits) {
    EXPECT_EQ(2, LeadingInteger("2.5"));   // halves go to even
    EXPECT_EQ(4, LeadingInteger("3.5"));
    EXPECT_EQ(INT32_MAX, LeadingInteger("99999999999999"));
    EXPECT_EQ(INT32_MIN, LeadingInteger("-99999999999999"));
    EXPECT_TRUE(IsNumeric(" 42 "));
    EXPECT_FALSE(IsNumeric("42x"));
    EXPECT_FALSE(IsNumeric("HTML Format"));
}

TEST(SplitText, KeepsEmptyPartsAndJoinsBack) {
    EXPECT_EQ((std::vector<std::string>{"a", "", "b"}), SplitText("a,,b", ","));
    EXPECT_EQ((std::vector<std::string>{""}), SplitText("", ","));
    EXPECT_EQ("tlxText.tlx/2/1", JoinText(SplitText("tlxText.tlx/2/1", "/"), "/"));
}
