// Copying code page 932 text into fixed buffers without splitting a
// double-byte character: a lead byte is never kept without its trail byte.
#pragma once
#include <cstddef>

namespace kx {

// Copies the NUL-terminated text into buffer (size bytes, size >= 1), cut at a
// character boundary when it does not fit, and terminates it. A null text
// copies as empty. Returns the number of text bytes copied.
size_t CopySjisTruncated(char *buffer, size_t size, const char *text);

}  // namespace kx
