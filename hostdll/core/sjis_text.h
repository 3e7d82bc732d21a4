// Copying code page 932 text into fixed buffers without splitting a
// double-byte character: a lead byte is never kept without its trail byte.
#pragma once
#include <cstddef>

namespace kx {

// True for the bytes that start a double-byte character in code page 932.
bool IsSjisLeadByte(unsigned char byte);

// The length of the longest prefix of text[0..length) that ends on a
// character boundary and is at most maxBytes long.
size_t SjisPrefixLength(const char *text, size_t length, size_t maxBytes);

// Copies the NUL-terminated text into buffer (size bytes, size >= 1), cut at a
// character boundary when it does not fit, and terminates it. A null text
// copies as empty. Returns the number of text bytes copied.
size_t CopySjisTruncated(char *buffer, size_t size, const char *text);

}  // namespace kx
