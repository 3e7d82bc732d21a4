// Reading the clipboard's text without trusting its blocks to be terminated.
#pragma once
#include <optional>
#include <string>

namespace tlxinet {

// The CF_TEXT text up to its first NUL, read within the block's size; nothing
// when there is no text or the clipboard stays busy.
std::optional<std::string> ClipboardAnsiText();

// The CF_UNICODETEXT text likewise.
std::optional<std::u16string> ClipboardUnicodeText();

}  // namespace tlxinet
