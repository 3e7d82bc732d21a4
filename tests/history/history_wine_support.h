// Clipboard blocks the history tests copy.
#pragma once
#include <string>

namespace historytest {

// UTF-16 text as a CF_UNICODETEXT block, with its terminator.
std::string Utf16Bytes(const std::u16string &text);
// A 4×3 bottom-up 24-bit picture as a CF_DIB block.
std::string SmallDib();

}  // namespace historytest
