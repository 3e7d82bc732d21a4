#include "keyword.h"

#include "sjis_text.h"
#include "unicode_text.h"

namespace tlxinet {

namespace {

bool IsHalfWidthKatakana(unsigned char byte) { return byte >= 0xA1 && byte <= 0xDF; }

// The JIS row and cell arithmetic from a Shift_JIS pair to an EUC-JP pair.
void AppendEucPair(std::string &out, unsigned char s1, unsigned char s2) {
    const unsigned t = s1 < 0xA0 ? 2u * s1 - 0x80u : 2u * s1;
    if (s2 > 0x9E) {
        out += static_cast<char>((t + 0x20) & 0xFF);
        out += static_cast<char>((s2 + 2) & 0xFF);
    } else {
        out += static_cast<char>((t + 0x1F) & 0xFF);
        out += static_cast<char>((s2 + 0x61 - (s2 >= 0x80 ? 1 : 0)) & 0xFF);
    }
}

size_t Utf8CharLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

size_t EucCharLength(unsigned char lead) {
    if (lead == 0x8F) return 3;
    return lead >= 0x80 ? 2 : 1;
}

// Bytes of the character at pos in text of the given set, 0 for a byte that is
// no character; may run past the end when the last character is incomplete.
size_t CharLength(int32_t charSet, std::string_view text, size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    switch (charSet) {
        case kCharSetUtf8: return Utf8CharLength(lead);
        case kCharSetEucJp: return EucCharLength(lead);
        default: return sjis::IsBrokenSjisChar(text, pos) ? 0 : sjis::SjisCharLength(text, pos);
    }
}

bool IsDroppedFromKeyword(char c) { return c == '\r' || c == '\n' || c == '\t'; }

bool IsKeptUnencoded(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == '*';
}

void AppendEncoded(std::string &out, std::string_view character, bool urlEncode) {
    static constexpr char hex[] = "0123456789ABCDEF";
    for (char c : character) {
        if (!urlEncode || IsKeptUnencoded(c)) {
            out += c;
        } else {
            const auto b = static_cast<unsigned char>(c);
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0x0F];
        }
    }
}

}  // namespace

std::string ShiftJisToEucJp(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() + sjis.size() / 2);
    for (size_t pos = 0; pos < sjis.size();) {
        const auto s1 = static_cast<unsigned char>(sjis[pos]);
        const size_t len = sjis::SjisCharLength(sjis, pos);
        if (len == 2) {
            AppendEucPair(out, s1, static_cast<unsigned char>(sjis[pos + 1]));
        } else if (s1 < 0x80) {
            out += static_cast<char>(s1);
        } else if (IsHalfWidthKatakana(s1)) {
            out += '\x8E';
            out += static_cast<char>(s1);
        }
        pos += len;
    }
    return out;
}

std::string KeywordBytes(int32_t charSet, std::string_view ansiText, std::u16string_view unicodeText) {
    switch (charSet) {
        case kCharSetShiftJis: return std::string(ansiText);
        case kCharSetUtf8: return utf::Utf8FromUtf16(unicodeText);
        case kCharSetEucJp: return ShiftJisToEucJp(ansiText);
        default: return {};
    }
}

std::string EncodeKeyword(std::string_view keyword, int32_t charSet, bool urlEncode, size_t maxBytes) {
    std::string out;
    std::string piece;
    for (size_t pos = 0; pos < keyword.size();) {
        const size_t len = CharLength(charSet, keyword, pos);
        if (len == 0) {
            ++pos;
            continue;
        }
        if (pos + len > keyword.size()) break;  // an incomplete last character
        const std::string_view character = keyword.substr(pos, len);
        pos += len;
        if (len == 1 && IsDroppedFromKeyword(character[0])) continue;
        piece.clear();
        AppendEncoded(piece, character, urlEncode);
        if (out.size() + piece.size() > maxBytes) break;
        out += piece;
    }
    return out;
}

}  // namespace tlxinet
