// Which numbers a phrase can have. A phrase's number is the setting of 定型文を貼り付け
// that hotkeys, menu items and shortcut files keep, so it is never given to two
// phrases — not even by two PCs adding phrases apart, each writing in its own file:
// every PC gives numbers from a block of its own.
//
//   1 .. 999,999                   phrases of the one book kept before there were blocks
//   b × 1,000,000 .. + 999,999     block b (1 .. 999), one PC's
//   1,000,000,000 + t              the team's phrase t (read only, numbered by the team)
//   2,000,000,000 + i              a text kept beside another after a conflict, for this run only
#pragma once
#include <cstdint>
#include <optional>
#include <set>
#include <string_view>

namespace tlxsnippet {

inline constexpr int32_t kBlockSize = 1'000'000;
inline constexpr int kLastBlock = 999;
inline constexpr int32_t kHighestOwnNumber = kBlockSize * (kLastBlock + 1) - 1;
inline constexpr int32_t kTeamNumberBase = 1'000'000'000;
inline constexpr int32_t kConflictNumberBase = 2'000'000'000;

struct NumberRange {
    int32_t first = 1;
    int32_t last = kHighestOwnNumber;
    bool Holds(int32_t number) const { return number >= first && number <= last; }
};

// Block 0 is 1 .. 999,999.
NumberRange BlockNumbers(int block);

inline bool IsOwnNumber(int32_t number) { return number >= 1 && number <= kHighestOwnNumber; }
inline bool IsTeamNumber(int32_t number) { return number > kTeamNumberBase && number <= kTeamNumberBase + kHighestOwnNumber; }
inline bool IsConflictNumber(int32_t number) { return number > kConflictNumberBase; }

// The block a PC gives numbers from when its file names none: one its name points to,
// or the next one that no other PC's file holds.
int ChooseBlock(std::u16string_view computer, const std::set<int> &taken);

// A whole decimal number of at most `highest`, nothing but ASCII digits; nothing else is one.
std::optional<int64_t> ParseDecimal(std::u16string_view text, int64_t highest);

}  // namespace tlxsnippet
