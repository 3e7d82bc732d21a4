// Text helpers for code page 932 byte strings. No Windows header: also built on Linux.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sjis_text.h"

namespace ptr {

// True for a byte that starts a two-byte Shift-JIS character.
inline bool IsLeadByte(unsigned char c) { return sjis::IsSjisLeadByte(c); }

// The text of a fixed-size field up to its first NUL, or all of it when it holds none.
std::string TrimAtNull(const char *field, size_t size);
inline std::string TrimAtNull(std::string_view text) { return TrimAtNull(text.data(), text.size()); }

// At most maxBytes bytes of text, never ending in the middle of a two-byte character.
inline std::string_view CutAtCharBoundary(std::string_view text, size_t maxBytes) {
    return sjis::SjisPrefix(text, maxBytes);
}

// Case-insensitive comparison of code page 932 texts: only single-byte ASCII letters
// fold; the bytes of two-byte characters compare as they are.
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) { return CompareNoCase(a, b) == 0; }
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// The leading numeric value of a text, as a user would read " 3", "3.0" or "12abc":
// leading blanks, a sign, digits, a decimal point and an exponent; 0 when there is none.
double LeadingNumber(std::string_view text);
// A number rounded to the nearest whole number (halves to even), kept within 32 bits.
int32_t RoundToInt32(double value);
// LeadingNumber rounded to a whole number.
inline int32_t LeadingInteger(std::string_view text) { return RoundToInt32(LeadingNumber(text)); }
// True when the text is a number and nothing else (blanks around it allowed).
bool IsNumeric(std::string_view text);

// Splits at every separator; an empty text gives one empty part.
std::vector<std::string> SplitText(std::string_view text, std::string_view separator);
std::string JoinText(const std::vector<std::string> &parts, std::string_view separator);

}  // namespace ptr
