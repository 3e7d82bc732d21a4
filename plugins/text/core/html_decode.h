// Decoding of the clipboard's "HTML Format" block, which holds UTF-8 text:
// a header of offsets followed by the marked-up fragment.
#pragma once
#include <cstddef>
#include <string>

namespace tlxtext {

// Decodes `size` bytes of UTF-8 to UTF-16, stopping at the first NUL. Never
// reads past `size`. Four-byte sequences become surrogate pairs. A byte that
// does not start a complete, well-formed sequence (a stray continuation byte,
// a sequence cut off by the end of the block or by a byte that is not a
// continuation) becomes the character of the same value, so nothing is
// dropped silently.
std::u16string DecodeHtmlBlock(const unsigned char *data, size_t size);

}  // namespace tlxtext
