#include "html_decode.h"

#include "unicode_text.h"

namespace tlxtext {

static size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    return 1;
}

static bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Appends the character of the sequence at data[0..length) and returns true,
// or returns false when the sequence is not well formed.
static bool AppendSequence(const unsigned char *data, size_t length, std::u16string &out) {
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(data[i])) return false;
    const unsigned lead = data[0];
    switch (length) {
    case 2:
        out += static_cast<char16_t>((lead & 0x1F) << 6 | (data[1] & 0x3F));
        return true;
    case 3:
        out += static_cast<char16_t>((lead & 0x0F) << 12 | (data[1] & 0x3F) << 6 | (data[2] & 0x3F));
        return true;
    case 4: {
        const char32_t cp = (lead & 0x07) << 18 | (data[1] & 0x3F) << 12 | (data[2] & 0x3F) << 6 |
                            (data[3] & 0x3F);
        if (cp < 0x10000 || cp > 0x10FFFF) return false;
        utf::AppendUtf16(out, cp);
        return true;
    }
    }
    return false;
}

std::u16string DecodeHtmlBlock(const unsigned char *data, size_t size) {
    std::u16string out;
    out.reserve(size);
    size_t i = 0;
    while (i < size && data[i] != 0) {
        const size_t length = SequenceLength(data[i]);
        if (length > 1 && length <= size - i && AppendSequence(data + i, length, out)) {
            i += length;
        } else {
            out += static_cast<char16_t>(data[i]);
            ++i;
        }
    }
    return out;
}

}  // namespace tlxtext
