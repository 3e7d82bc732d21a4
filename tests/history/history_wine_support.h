// Clipboard blocks the history tests copy.
#pragma once
#include <string>

namespace historytest {

// A 4×3 bottom-up 24-bit picture as a CF_DIB block.
std::string SmallDib();

}  // namespace historytest
