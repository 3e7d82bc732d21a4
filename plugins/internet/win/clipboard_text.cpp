#include "clipboard_text.h"

#include "plugin_clipboard.h"

namespace tlxinet {

std::optional<std::string> ClipboardAnsiText() {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    std::optional<std::string> block = tlx::ReadClipboardBlock(CF_TEXT);
    if (block) *block = block->substr(0, block->find('\0'));
    return block;
}

std::optional<tlx::TextForms> ClipboardTextForms() {
    tlx::ClipboardSession clipboard;
    if (!clipboard.IsOpen()) return std::nullopt;
    return tlx::ReadClipboardTextForms();
}

}  // namespace tlxinet
