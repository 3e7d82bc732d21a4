// Walking code page 932 (Shift_JIS) text character by character. No Windows header:
// the program, the host DLL and the plug-ins share it, on Windows and on Linux.
#pragma once
#include <cstddef>
#include <string_view>

namespace sjis {

bool IsSjisLeadByte(unsigned char byte);
bool IsSjisTrailByte(unsigned char byte);

// Bytes of the character at pos: 2 for a lead byte with a valid trail byte
// after it, 1 for anything else (a lone lead byte counts as one broken byte).
size_t SjisCharLength(std::string_view text, size_t pos);

// True when the character at pos is a lead byte without a valid trail byte.
bool IsBrokenSjisChar(std::string_view text, size_t pos);

// The longest start of text within maxBytes that does not cut a character; a
// lead byte left alone at the end of text is left out as well.
std::string_view SjisPrefix(std::string_view text, size_t maxBytes);

// Position of the first whole character equal to ch (one or two bytes), or npos.
// A byte pair that straddles two characters is never taken for ch.
size_t FindSjisChar(std::string_view text, std::string_view ch);

// Position of the last whole character equal to ch, or npos.
size_t FindLastSjisChar(std::string_view text, std::string_view ch);

}  // namespace sjis
