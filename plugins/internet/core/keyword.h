// The keyword of a web search: copied text in the search service's character
// set, percent-encoded for the address.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tlxinet {

// Character sets of a search setting, as stored.
enum : int32_t { kCharSetShiftJis = 0, kCharSetUtf8 = 1, kCharSetEucJp = 2 };

// Code page 932 text to EUC-JP. ASCII stays, half-width katakana get their
// single-shift prefix, two-byte characters are converted by the JIS rows;
// bytes that are no character (a lead byte without its trail byte) are dropped.
std::string ShiftJisToEucJp(std::string_view sjis);

// The copied text in the given character set: code page 932 text for Shift-JIS
// and EUC-JP, the Unicode text for UTF-8 (a lone surrogate becomes U+FFFD);
// empty for an unknown set.
std::string KeywordBytes(int32_t charSet, std::string_view ansiText, std::u16string_view unicodeText);

// The keyword as it goes into the address: line breaks and tabs dropped,
// everything but letters, digits and "_-.*" percent-encoded when urlEncode is
// set. Characters are never split: the result ends at the last whole character
// that fits in maxBytes.
std::string EncodeKeyword(std::string_view keyword, int32_t charSet, bool urlEncode, size_t maxBytes);

}  // namespace tlxinet
