#include "unicode_text.h"

namespace utf {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of the sequence at text[pos], its length in `length`; the
// replacement character and length 1 for anything not well formed.
char32_t DecodeAt(std::string_view text, size_t pos, size_t &length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    length = 1;
    size_t needed;
    char32_t c, minimum;
    if (lead < 0x80) return lead;
    if (lead >= 0xC0 && lead < 0xE0) {
        needed = 2, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        needed = 3, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        needed = 4, c = lead & 0x07, minimum = 0x10000;
    } else {
        return kReplacement;
    }
    if (text.size() - pos < needed) return kReplacement;
    for (size_t i = 1; i < needed; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        c = c << 6 | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF) return kReplacement;
    length = needed;
    return c;
}

// The text into `out`, written in place (a book of phrases is megabytes); false, when
// `strict`, at the first byte that starts no well-formed sequence.
bool Decode(std::string_view text, std::u16string &out, bool strict) {
    out.resize(text.size());   // never more units than bytes
    char16_t *at = out.data();
    for (size_t pos = 0, length; pos < text.size(); pos += length) {
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            *at++ = byte;
            length = 1;
            continue;
        }
        const char32_t c = DecodeAt(text, pos, length);
        if (strict && c == kReplacement && length == 1) return false;
        if (c < 0x10000) {
            *at++ = static_cast<char16_t>(c);
        } else {
            *at++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            *at++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    out.resize(static_cast<size_t>(at - out.data()));
    return true;
}

}  // namespace

std::string Utf8FromUtf16(std::u16string_view text, LoneSurrogates lone) {
    std::string out;
    out.reserve(text.size() * 3);
    for (size_t i = 0; i < text.size();) {
        const Utf16Char c = CharAt(text, i);
        i += c.units;
        const bool loneSurrogate = IsHighSurrogate(c.code) || IsLowSurrogate(c.code);
        AppendUtf8(out, loneSurrogate && lone == LoneSurrogates::kReplace ? kReplacement : c.code);
    }
    return out;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    Decode(text, out, false);
    return out;
}

std::optional<std::u16string> Utf16FromWellFormedUtf8(std::string_view text) {
    std::u16string out;
    if (!Decode(text, out, true)) return std::nullopt;
    return out;
}

std::u16string_view Utf16Prefix(std::u16string_view text, size_t maxUnits) {
    if (text.size() <= maxUnits) return text;
    size_t end = maxUnits;
    if (end > 0 && CharAt(text, end - 1).units == 2) --end;
    return text.substr(0, end);
}

}  // namespace utf
