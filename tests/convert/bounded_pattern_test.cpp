// Finding and replacing with plain texts and regular expressions, within the bounds.
#include <gtest/gtest.h>

#include <string>

#include "bounded_pattern.h"
#include "pattern_cache.h"

namespace {

using namespace tlxconv;

struct ReplaceCase {
    const char16_t *text;
    const char16_t *find;
    const char16_t *replacement;
    PatternOptions options;
    const char16_t *expected;   // nullptr: nothing replaced
};

constexpr PatternOptions kPlain{false, false};
constexpr PatternOptions kPlainCase{false, true};
constexpr PatternOptions kRegex{true, false};
constexpr PatternOptions kRegexCase{true, true};

TEST(BoundedPattern, Replace) {
    const ReplaceCase cases[] = {
        {u"a.b.c", u".", u"-", kPlain, u"a-b-c"},                           // "." as written
        {u"Foo foo FOO", u"foo", u"bar", kPlain, u"bar bar bar"},
        {u"Foo foo FOO", u"foo", u"bar", kPlainCase, u"Foo bar FOO"},
        {u"price: $5", u"$5", u"$1", kPlain, u"price: $1"},                 // a plain replacement is as written
        {u"2026-12-09", u"(\\d+)-(\\d+)-(\\d+)", u"$3/$2/$1", kRegex, u"09/12/2026"},
        {u"東京都 大阪府", u"(\\S+)(都|府)", u"[$1]", kRegex, u"[東京] [大阪]"},
        {u"aaa", u"a*", u"x", kRegex, u"xx"},                                // empty matches, as the library has them
        {u"ABC abc", u"abc", u"$&!", kRegexCase, u"ABC abc!"},
        {u"\U0001F600 smile", u"smile", u"笑", kRegex, u"\U0001F600 笑"},
        {u"x\r\ny", u"\\r\\n", u" ", kRegex, u"x y"},
        {u"nothing", u"zzz", u"y", kRegex, nullptr},
        {u"text", u"(", u"y", kRegex, nullptr},                               // an invalid pattern changes nothing
        {u"text", u"", u"y", kPlain, nullptr},
    };
    for (const ReplaceCase &c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        const std::optional<std::u16string> replaced = BoundedPattern(c.find, c.options).Replace(c.text, c.replacement);
        if (c.expected) {
            ASSERT_TRUE(replaced.has_value());
            EXPECT_EQ(std::u16string(c.expected), *replaced);
        } else {
            EXPECT_FALSE(replaced.has_value());
        }
    }
}

struct ContainsCase {
    const char16_t *text;
    const char16_t *pattern;
    PatternOptions options;
    bool contains;
};

TEST(BoundedPattern, Contains) {
    const ContainsCase cases[] = {
        {u"order #1234", u"#\\d{4}", kRegex, true},
        {u"order #12", u"#\\d{4}", kRegex, false},
        {u"see http://x", u"^http", kRegex, false},
        {u"a(b", u"(", kPlain, true},
        {u"ERROR: x", u"error", kPlain, true},
        {u"ERROR: x", u"error", kPlainCase, false},
        {u"", u"^$", kRegex, true},
        {u"x", u"[", kRegex, false},
    };
    for (const ContainsCase &c : cases) EXPECT_EQ(c.contains, BoundedPattern(c.pattern, c.options).Contains(c.text));
}

TEST(BoundedPattern, PathologicalPatternStopsAtTheBudget) {
    // Exponential backtracking: without a bound this runs for ages.
    const std::u16string text = std::u16string(40, u'a') + u"!";
    const BoundedPattern pattern(u"(a|aa)*(a|aa)*(a|aa)*$x", kRegex, PatternBounds{1024, 200'000, 256 * 1024});
    EXPECT_FALSE(pattern.Contains(text));
    EXPECT_FALSE(pattern.Replace(text, u"y").has_value()) << "the text stays as it is";
}

TEST(BoundedPattern, TextOverTheSizeBoundIsNotSearched) {
    const PatternBounds bounds{100, 1'000'000, 256 * 1024};
    EXPECT_TRUE(BoundedPattern(u"x", kPlain, bounds).Contains(std::u16string(100, u'x')));
    EXPECT_FALSE(BoundedPattern(u"x", kPlain, bounds).Contains(std::u16string(101, u'x')));
}

TEST(BoundedPattern, DeepMatchStopsBeforeTheStackRunsOut) {
    // The matcher recurses per character taken in: a match this long would overflow
    // any thread's stack. It counts as no match; short ones and shallow patterns still work.
    const std::u16string huge(PatternBounds{}.maxTextUnits, u'a');
    EXPECT_FALSE(BoundedPattern(u"^(a|b)*$", kRegex).Contains(huge));
    EXPECT_FALSE(BoundedPattern(u"[\\s\\S]*", kRegex).Replace(huge, u"x").has_value());
    EXPECT_TRUE(BoundedPattern(u"^(a|b)*$", kRegex).Contains(std::u16string(100, u'a')));
    EXPECT_TRUE(BoundedPattern(u"a$", kRegex).Contains(std::u16string(100'000, u'a')));
}

struct FaultCase {
    const char16_t *pattern;
    size_t position;   // 0: no fault
};

TEST(BoundedPattern, FaultPosition) {
    const FaultCase cases[] = {
        {u"a(b|c)", 0},
        {u"(a)(b", 4},          // the unclosed parenthesis, not the first one
        {u"ab)c", 3},
        {u"[a-", 1},
        {u"*a", 1},
        {u"\U0001F600(", 2},    // counted in characters, not in UTF-16 units
        {u"abc\\", 4},
        {u"(a)\\1234567", 6},                      // a group number too long to read
        {u"a{1,99999999999999999999}", 2},
        {u"tel 012345678901", 0},                   // digits as text are no number to read
    };
    for (const FaultCase &c : cases) {
        const std::optional<PatternFault> fault = FindPatternFault(c.pattern);
        if (c.position == 0) {
            EXPECT_FALSE(fault.has_value());
            continue;
        }
        ASSERT_TRUE(fault.has_value());
        EXPECT_EQ(c.position, fault->position);
    }
    EXPECT_EQ("4文字目: ( ) の対応が正しくありません", DescribePatternFault({4, std::regex_constants::error_paren}));
}

}  // namespace

namespace {

// Kept patterns: the same text with other options is another pattern, and a cache
// that starts again past its bound still answers rightly.
TEST(PatternCache, KeepsEachPatternWithItsOptions) {
    PatternCache cache;
    const BoundedPattern *plain = &cache.Get(u"a.c", kPlain);
    EXPECT_EQ(plain, &cache.Get(u"a.c", kPlain));
    EXPECT_FALSE(cache.Get(u"a.c", kPlain).Contains(u"abc"));
    EXPECT_TRUE(cache.Get(u"a.c", kRegex).Contains(u"abc"));
    EXPECT_FALSE(cache.Get(u"a.c", kRegexCase).Contains(u"ABC"));
    EXPECT_TRUE(cache.Get(u"a.c", kRegex).Contains(u"ABC"));
    EXPECT_EQ(3u, cache.Size());
    for (size_t i = 0; i < PatternCache::kMaxPatterns + 5; ++i) {
        const std::u16string text = u"x" + std::u16string(i + 1, u'y');
        EXPECT_TRUE(cache.Get(text, kPlain).Contains(u"<" + text + u">")) << i;
    }
    EXPECT_GE(PatternCache::kMaxPatterns, cache.Size());
    EXPECT_TRUE(cache.Get(u"a.c", kRegex).Contains(u"abc"));
}

}  // namespace
