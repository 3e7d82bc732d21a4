// Clipboard blocks the history tests copy.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace historytest {

// UTF-16 text as a CF_UNICODETEXT block, with its terminator.
std::string Utf16Bytes(const std::u16string &text);
// A 4×3 bottom-up 24-bit picture as a CF_DIB block.
std::string SmallDib();

// A formatted copy as a browser or an office program makes it: its text with the same
// text as "HTML Format" and "Rich Text Format" (each block ended by a NUL).
struct Formatted {
    std::string html;   // without the terminator, as the history keeps it
    std::string rtf;
    std::vector<std::pair<UINT, std::string>> blocks;
};
Formatted FormattedCopy(const std::u16string &text);

}  // namespace historytest
