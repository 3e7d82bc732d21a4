// UTF-16 and UTF-8 without Windows headers: the clipboard's Unicode text as the
// plug-ins store it and put it into addresses.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace utf {

// Surrogate pairs: how UTF-16 holds a character beyond U+FFFF in two units. Inline, as
// the pattern matcher walks every unit of the clipboard's text with them.
constexpr bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One character of UTF-16 text and the units it takes. A surrogate without its
// partner stands for itself, one unit long, as the system shows it.
struct Utf16Char {
    char32_t code;
    size_t units;
};

// The character that starts at text[pos]; pos < text.size().
constexpr Utf16Char CharAt(std::u16string_view text, size_t pos) {
    const char16_t unit = text[pos];
    if (IsHighSurrogate(unit) && pos + 1 < text.size() && IsLowSurrogate(text[pos + 1]))
        return {0x10000 + ((char32_t(unit) - 0xD800) << 10) + (char32_t(text[pos + 1]) - 0xDC00), 2};
    return {unit, 1};
}

// The character that ends just before text[end]; 0 < end <= text.size().
constexpr Utf16Char CharBefore(std::u16string_view text, size_t end) {
    return end >= 2 && IsHighSurrogate(text[end - 2]) && IsLowSurrogate(text[end - 1]) ? CharAt(text, end - 2)
                                                                                        : Utf16Char{text[end - 1], 1};
}

// A character as one unit or as a pair; one beyond U+10FFFF has no UTF-16 form and
// becomes U+FFFD.
inline void AppendUtf16(std::u16string &out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else if (c <= 0x10FFFF) {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
        out += u'\uFFFD';
    }
}

// What becomes of a surrogate without its partner.
enum class LoneSurrogates {
    kReplace,  // U+FFFD: the result is well-formed UTF-8, as an address needs
    kKeep      // its own three-byte form, so that reading back gives the text unit for unit
};

// A surrogate pair becomes one four-byte sequence.
std::string Utf8FromUtf16(std::u16string_view text, LoneSurrogates lone = LoneSurrogates::kReplace);

// Reads what Utf8FromUtf16 writes, lone surrogates included; a byte that starts
// no well-formed sequence (or an overlong one) becomes U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
// The same, or nothing when a byte starts no well-formed sequence: the bytes are no
// UTF-8 text.
std::optional<std::u16string> Utf16FromWellFormedUtf8(std::string_view text);

// The longest start of text within maxUnits that does not split a surrogate pair.
std::u16string_view Utf16Prefix(std::u16string_view text, size_t maxUnits);

}  // namespace utf
