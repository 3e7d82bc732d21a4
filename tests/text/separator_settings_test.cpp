#include <gtest/gtest.h>

#include <string>

#include "separator.h"
#include "text_settings.h"

namespace {

using namespace tlxtext;

TEST(Separator, EscapesExpand) {
    EXPECT_EQ("", ExpandSeparator(""));
    EXPECT_EQ("\r\n", ExpandSeparator("\\n"));
    EXPECT_EQ("\t", ExpandSeparator("\\t"));
    EXPECT_EQ(" - \r\n\t;", ExpandSeparator(" - \\n\\t;"));
    EXPECT_EQ("\r\n\r\n", ExpandSeparator("\\n\\n"));
    // Unknown escapes and lone backslashes stay as written.
    EXPECT_EQ("\\x\\", ExpandSeparator("\\x\\"));
}

TEST(Separator, LineBreakAndTabAreReplacedBeforeBackslashes) {
    // "\\n": the line break is found first, so a backslash remains in front of it.
    EXPECT_EQ("\\\r\n", ExpandSeparator("\\\\n"));
    EXPECT_EQ("\\\t", ExpandSeparator("\\\\t"));
    EXPECT_EQ("\\", ExpandSeparator("\\\\"));
    EXPECT_EQ("\\\\", ExpandSeparator("\\\\\\\\"));
}

TEST(SeparatorChoices, StoredSeparatorSelectsItsChoice) {
    EXPECT_EQ(kSepNone, ChoiceForSeparator(""));
    EXPECT_EQ(kSepLineBreak, ChoiceForSeparator("\\n"));
    EXPECT_EQ(kSepTab, ChoiceForSeparator("\\t"));
    EXPECT_EQ(kSepSemicolon, ChoiceForSeparator(";"));
    EXPECT_EQ(kSepComma, ChoiceForSeparator(","));
    EXPECT_EQ(kSepSpace, ChoiceForSeparator(" "));
    EXPECT_EQ(kSepSlash, ChoiceForSeparator("/"));
    EXPECT_EQ(kSepOther, ChoiceForSeparator("  "));
    EXPECT_EQ(kSepOther, ChoiceForSeparator("\r\n"));  // expanded forms are not the stored ones
    EXPECT_EQ(kSepOther, ChoiceForSeparator("\\n\\n"));
}

TEST(SeparatorChoices, EveryFixedChoiceRoundTrips) {
    for (int i = 0; i < kSepOther; ++i) {
        const auto choice = static_cast<SeparatorChoice>(i);
        EXPECT_EQ(choice, ChoiceForSeparator(SeparatorForChoice(choice, "ignored"))) << "choice " << i;
    }
    EXPECT_EQ(" | ", SeparatorForChoice(kSepOther, " | "));
    EXPECT_EQ("", SeparatorForChoice(kSepOther, ""));
}

TEST(SeparatorChoices, OtherTextIsCutWithoutSplittingCharacters) {
    const std::string longAscii(1500, 'x');
    EXPECT_EQ(std::string(1023, 'x'), SeparatorForChoice(kSepOther, longAscii));
    // 1022 ASCII bytes then a double-byte character: it does not fit whole.
    const std::string mixed = std::string(1022, 'x') + "\x82\xa0";
    EXPECT_EQ(std::string(1022, 'x'), SeparatorForChoice(kSepOther, mixed));
}


}  // namespace
