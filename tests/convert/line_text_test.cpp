// Quoting, joining and trimming lines, each over a table of texts.
#include <gtest/gtest.h>

#include <string>

#include "line_text.h"

namespace {

using namespace tlxconv;

struct QuoteCase {
    const char16_t *text;
    const char16_t *mark;
    const char16_t *quoted;     // QuoteLines(text, mark)
    const char16_t *unquoted;   // UnquoteLines(text, mark)
};

TEST(LineText, QuoteAndUnquote) {
    const QuoteCase cases[] = {
        {u"a\r\nb", u"> ", u"> a\r\n> b", u"a\r\nb"},
        {u"> a\r\n> b\r\n", u"> ", u"> > a\r\n> > b\r\n", u"a\r\nb\r\n"},
        {u"a\n\nb", u"> ", u"> a\n> \n> b", u"a\n\nb"},
        {u"> a\n>b", u"> ", u"> > a\n> >b", u"a\n>b"},            // ">b" lacks the blank of the mark
        {u"a\r\nb", u"", u"a\r\nb", u"a\r\nb"},                     // an empty mark changes nothing
        {u"> ", u"> > > ", u"> > > > ", u"> "},                     // a mark longer than the line
        {u"", u"> ", u"", u""},
        {u"引用\U0001F600", u"＞", u"＞引用\U0001F600", u"引用\U0001F600"},
        {u"＞引用\r\n", u"＞", u"＞＞引用\r\n", u"引用\r\n"},
    };
    for (const QuoteCase &c : cases) {
        EXPECT_EQ(std::u16string(c.quoted), QuoteLines(c.text, c.mark));
        EXPECT_EQ(std::u16string(c.unquoted), UnquoteLines(c.text, c.mark));
    }
}

struct TextCase {
    const char16_t *text;
    const char16_t *expected;
};

TEST(LineText, JoinLines) {
    const TextCase cases[] = {
        {u"The quick\r\nbrown fox", u"The quick brown fox"},
        {u"The quick\nbrown fox", u"The quick brown fox"},
        {u"日本語の\r\n文章です。", u"日本語の文章です。"},
        {u"日本語と\r\nEnglish", u"日本語とEnglish"},
        {u"English and\r\n日本語", u"English and日本語"},
        {u"co-\r\noperate", u"co-operate"},                           // a hyphen at the end is kept, nothing added
        {u"trailing \r\nblank", u"trailing blank"},                  // no second blank
        {u"段落一\r\nの続き\r\n\r\n段落二", u"段落一の続き\r\n段落二"},
        {u"para one\n\n\n\npara two\nnext", u"para one\npara two next"},  // a blank run is one break
        {u"a\r\nb\r\n", u"a b\r\n"},
        {u"\r\n\r\na\r\nb", u"\r\na b"},
        {u"a\r\n \u3000\r\nb", u"a\r\nb"},                           // a line of blanks is a blank line
        {u"漢字\U00020B9F\r\n字", u"漢字\U00020B9F字"},              // an ideograph beyond the BMP
        {u"한국어\r\n문장", u"한국어 문장"},                            // Korean keeps its blanks between words
        {u"ｶﾀｶﾅ\r\nです", u"ｶﾀｶﾅです"},
        {u"one line", u"one line"},
        {u"", u""},
        {u"  ", u"  "},
    };
    for (const TextCase &c : cases) EXPECT_EQ(std::u16string(c.expected), JoinLines(c.text));
}

TEST(LineText, TrimLines) {
    const TextCase cases[] = {
        {u"  a  \r\n\tb\t", u"a\r\nb"},
        {u"\u3000全角\u3000\r\n\u3000２行目", u"全角\r\n２行目"},
        {u"a\r\n\r\n  \r\n\u3000\r\n", u"a"},                          // blank lines at the end go
        {u"\r\n  a\n\nb  \n", u"\r\na\n\nb"},                           // blank lines inside stay
        {u" \U0001F600 ", u"\U0001F600"},
        {u"   ", u""},
    };
    for (const TextCase &c : cases) EXPECT_EQ(std::u16string(c.expected), TrimLines(c.text));
}

}  // namespace
