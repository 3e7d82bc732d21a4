#include <gtest/gtest.h>

#include <string>

#include "separator.h"
#include "text_joiner.h"

namespace {

using namespace tlxtext;

// An 8-bit copy: its Unicode form is what the system makes of it (ASCII here).
TextForms Ansi(const std::string &text) { return TextForms{text, std::u16string(text.begin(), text.end()), false}; }

TextForms Unicode(const std::string &ansi, const std::u16string &unicode) { return TextForms{ansi, unicode, true}; }

// Runs the join as the plug-in does after each copy: compose, then keep.
TextForms CopyAndJoin(TextJoiner &joiner, const TextForms &copied, const char *storedSep, int order) {
    TextForms joined = joiner.Compose(copied, Ansi(ExpandSeparator(storedSep)), order);
    joiner.Keep(joined);
    return joined;
}

std::string CopyAndJoin(TextJoiner &joiner, const std::string &copied, const char *storedSep, int order) {
    return CopyAndJoin(joiner, Ansi(copied), storedSep, order).ansi;
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
    EXPECT_EQ("AB", joiner.Compose(Ansi("B"), Ansi(""), kKeptFirst).ansi);
    // Not kept (the clipboard refused it): the next join starts from "A" again.
    EXPECT_EQ("AC", joiner.Compose(Ansi("C"), Ansi(""), kKeptFirst).ansi);
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
    EXPECT_EQ(";x", joiner.Compose(Ansi("x"), Ansi(";"), kKeptFirst).ansi);
}

TEST(TextJoiner, EachFormIsJoinedFromTheSameFormOfTheParts) {
    // "Café" copied from a Unicode program: its 8-bit form lost the accent.
    const TextForms cafe = Unicode("Caf?", u"Caf\u00e9");
    const TextForms emoji = Unicode("? x", u"\U0001F600 x");
    const struct {
        const char *what;
        TextForms first, second;
        int order;
        TextForms expected;
    } cases[] = {
        {"8-bit, then Unicode, behind", Ansi("A"), cafe, kKeptFirst, Unicode("A,Caf?", u"A,Caf\u00e9")},
        {"Unicode, then 8-bit, behind", cafe, Ansi("B"), kKeptFirst, Unicode("Caf?,B", u"Caf\u00e9,B")},
        {"Unicode, then Unicode, in front", cafe, emoji, kCurrentFirst,
         Unicode("? x,Caf?", u"\U0001F600 x,Caf\u00e9")},
        {"8-bit only stays 8-bit", Ansi("A"), Ansi("B"), kKeptFirst, Ansi("A,B")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TextJoiner joiner;
        CopyAndJoin(joiner, c.first, ",", c.order);
        const TextForms joined = CopyAndJoin(joiner, c.second, ",", c.order);
        EXPECT_EQ(c.expected.ansi, joined.ansi);
        EXPECT_EQ(c.expected.unicode, joined.unicode);
        EXPECT_EQ(c.expected.unicodeOwn, joined.unicodeOwn);
    }
}

TEST(TextJoiner, KeptUnicodeSurvivesLaterEightBitCopies) {
    TextJoiner joiner;
    CopyAndJoin(joiner, Unicode("?", u"\uD55C"), "", kKeptFirst);  // hangul
    CopyAndJoin(joiner, Ansi("a"), "", kKeptFirst);
    const TextForms joined = CopyAndJoin(joiner, Ansi("b"), "", kKeptFirst);
    EXPECT_EQ("?ab", joined.ansi);
    EXPECT_EQ(u"\uD55Cab", joined.unicode);
    EXPECT_TRUE(joined.unicodeOwn);
    joiner.Clear();
    EXPECT_FALSE(CopyAndJoin(joiner, Ansi("c"), "", kKeptFirst).unicodeOwn);
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
