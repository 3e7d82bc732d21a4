// Reading the clipboard's text without trusting its blocks to be terminated;
// the clipboard is closed again at once.
#pragma once
#include <optional>
#include <string>

#include "text_forms.h"

namespace tlxinet {

// The CF_TEXT text up to its first NUL, read within the block's size; nothing
// when there is no text or the clipboard stays busy. Enough for the checks,
// which run on every copy.
std::optional<std::string> ClipboardAnsiText();

// Both text forms, for the functions that hand the text on.
std::optional<tlx::TextForms> ClipboardTextForms();

}  // namespace tlxinet
