// UTF-16 and UTF-8 without Windows headers: the clipboard's Unicode text as the
// plug-ins store it and put it into addresses.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace utf {

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

// The longest start of text within maxUnits that does not split a surrogate pair.
std::u16string_view Utf16Prefix(std::u16string_view text, size_t maxUnits);

}  // namespace utf
