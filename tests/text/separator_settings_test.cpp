#include <gtest/gtest.h>

#include <string>

#include "memory_profile.h"
#include "separator.h"
#include "text_joiner.h"
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

TEST(TextSettings, ReadsTheMainSectionAsUsersFilesHoldIt) {
    using namespace std::string_literals;
    const struct {
        const char *what;
        std::string section;
        TextSettings expected;
    } cases[] = {
        {"nothing stored", "", {0, "", "", 0}},
        {"quoted blanks kept, unquoted escapes as written",
         "DataSave=1\0FileToTextSep=\"  x \"\0TextAddSep=\\n\0TextAddType=0\0"s, {1, "  x ", "\\n", 0}},
        {"a stored empty separator", "TextAddSep=\"\"\0"s, {0, "", "", 0}},
        {"over-long, cut before a character that would not fit whole",
         "FileToTextSep=" + std::string(1022, 'x') + "\x82\xa0" + '\0', {0, std::string(1022, 'x'), "", 0}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ptrtest::MemoryProfile store;
        store.SetSection("Main", c.section);
        TextSettings settings;
        settings.Load(store);
        EXPECT_EQ(c.expected.dataSave, settings.dataSave);
        EXPECT_EQ(c.expected.fileToTextSep, settings.fileToTextSep);
        EXPECT_EQ(c.expected.textAddSep, settings.textAddSep);
        EXPECT_EQ(c.expected.textAddType, settings.textAddType);
    }
}

TEST(TextSettings, SeparatorsAreStoredQuotedAndNumbersPlain) {
    TextSettings settings{0, " - ", "\\t", kKeptFirst};
    ptrtest::MemoryProfile store;
    settings.SaveDataSave(store);
    EXPECT_EQ("0", store.Stored("Main", "DataSave"));
    EXPECT_FALSE(store.Stored("Main", "FileToTextSep")) << "each save writes its own keys only";
    settings.SaveFileToTextSep(store);
    EXPECT_EQ("\" - \"", store.Stored("Main", "FileToTextSep"));
    EXPECT_FALSE(store.Stored("Main", "TextAddSep"));
    settings.SaveTextAdd(store);
    EXPECT_EQ("\"\\t\"", store.Stored("Main", "TextAddSep"));
    EXPECT_EQ("1", store.Stored("Main", "TextAddType"));

    TextSettings back;
    back.Load(store);
    EXPECT_EQ(" - ", back.fileToTextSep) << "blanks at the ends survive the file";
    EXPECT_EQ("\\t", back.textAddSep);
    EXPECT_EQ(kKeptFirst, back.textAddType);
}

}  // namespace
