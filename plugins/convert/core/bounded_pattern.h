// Finding and replacing in a copied text with a plain text or a regular
// expression (the standard library's ECMAScript grammar), within bounds: a copy
// may be huge and a pattern pathological, and the check runs on every copy.
// A match that would need more work than the bound allows counts as no match.
#pragma once
#include <cstddef>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace tlxconv {

struct PatternOptions {
    bool regex = false;           // false: the text is found as it is written
    bool caseSensitive = false;
};

struct PatternBounds {
    // Longer texts are not searched at all.
    size_t maxTextUnits = 256 * 1024;
    // Steps of the matcher over the text, for one search or one whole replacement.
    size_t maxSteps = 2'000'000;
    // Stack the matcher may take below the caller's frame: it recurses for every
    // character a match takes in (about a kilobyte each), so ".*" over a long line
    // would otherwise overflow the stack of the thread that asks.
    size_t maxStackBytes = 256 * 1024;
};

// Where a regular expression cannot be read: the character (counted from 1)
// after the longest start of it that still reads as one, and the reason.
struct PatternFault {
    size_t position;
    std::regex_constants::error_type kind;
};
std::optional<PatternFault> FindPatternFault(std::u16string_view pattern);
// "3文字目: 括弧の対応が正しくありません" and the like.
std::string DescribePatternFault(const PatternFault &fault);

class BoundedPattern {
public:
    // An empty or unreadable pattern never matches.
    BoundedPattern(std::u16string_view pattern, PatternOptions options, PatternBounds bounds = {});

    bool Valid() const { return regex_.has_value(); }
    bool Contains(std::u16string_view text) const;
    // Every match replaced: by the text as written, or for a regular expression
    // with $1, $&, $$ and the like filled in. Nothing when nothing was replaced,
    // including when the bound was reached.
    std::optional<std::u16string> Replace(std::u16string_view text, std::u16string_view replacement) const;

private:
    std::optional<std::wregex> regex_;
    bool literalReplacement_ = false;
    PatternBounds bounds_;
};

// UTF-16 as the platform's wide string and back (one unit each on Windows,
// code points where wchar_t has 32 bits).
std::wstring WideFromUtf16(std::u16string_view text);
std::u16string Utf16FromWide(std::wstring_view text);

}  // namespace tlxconv
