#include <gtest/gtest.h>

#include <string>

#include "separator.h"
#include "text_joiner.h"

namespace {

using namespace tlxtext;

// Runs the join as the plug-in does after each copy: compose, then keep.
std::string CopyAndJoin(TextJoiner &joiner, const std::string &copied, const char *storedSep, int order) {
    std::string joined = joiner.Compose(copied, ExpandSeparator(storedSep), order);
    joiner.Keep(joined);
    return joined;
}

TEST(TextJoiner, RepeatedJoinsAccumulateInBothDirections) {
    TextJoiner behind;
    EXPECT_EQ("A", CopyAndJoin(behind, "A", "\\n", kKeptFirst));
    EXPECT_EQ("A\r\nB", CopyAndJoin(behind, "B", "\\n", kKeptFirst));
    EXPECT_EQ("A\r\nB\r\nC", CopyAndJoin(behind, "C", "\\n", kKeptFirst));

    TextJoiner front;
    EXPECT_EQ("A", CopyAndJoin(front, "A", "\\n", kCurrentFirst));
    EXPECT_EQ("B\r\nA", CopyAndJoin(front, "B", "\\n", kCurrentFirst));
    EXPECT_EQ("C\r\nB\r\nA", CopyAndJoin(front, "C", "\\n", kCurrentFirst));
}

TEST(TextJoiner, ComposeLeavesKeptTextUntilKeep) {
    TextJoiner joiner;
    CopyAndJoin(joiner, "A", "", kKeptFirst);
    EXPECT_EQ("AB", joiner.Compose("B", "", kKeptFirst));
    // Not kept (the clipboard refused it): the next join starts from "A" again.
    EXPECT_EQ("AC", joiner.Compose("C", "", kKeptFirst));
}

TEST(TextJoiner, ClearStartsAgainFromTheCurrentText) {
    TextJoiner joiner;
    CopyAndJoin(joiner, "A", ",", kKeptFirst);
    CopyAndJoin(joiner, "B", ",", kKeptFirst);
    joiner.Clear();
    EXPECT_FALSE(joiner.HasKept());
    EXPECT_EQ("C", CopyAndJoin(joiner, "C", ",", kKeptFirst));
    EXPECT_EQ("C,D", CopyAndJoin(joiner, "D", ",", kKeptFirst));
}

TEST(TextJoiner, AnEmptyKeptTextStillCounts) {
    TextJoiner joiner;
    CopyAndJoin(joiner, "", ";", kKeptFirst);
    EXPECT_TRUE(joiner.HasKept());
    EXPECT_EQ(";x", joiner.Compose("x", ";", kKeptFirst));
}

TEST(TextJoiner, LargeTexts) {
    TextJoiner joiner;
    const std::string big(3 << 20, 'a');
    CopyAndJoin(joiner, big, "\\n", kKeptFirst);
    const std::string joined = CopyAndJoin(joiner, std::string(2 << 20, 'b'), "\\n", kKeptFirst);
    ASSERT_EQ((3u << 20) + 2 + (2u << 20), joined.size());
    EXPECT_EQ(big, joined.substr(0, big.size()));
    EXPECT_EQ("\r\nb", joined.substr(big.size(), 3));
}

}  // namespace
