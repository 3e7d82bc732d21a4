#include "clipboard_text.h"

#include <windows.h>

#include <cstring>

namespace tlxinet {

namespace {

// Another program may hold the clipboard for a moment right after it copied.
bool OpenClipboardBriefly() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(20);
    }
    return false;
}

// The whole block of one format, copied so that the clipboard is closed at once.
std::optional<std::string> ReadClipboardBlock(UINT format) {
    if (!OpenClipboardBriefly()) return std::nullopt;
    std::optional<std::string> block;
    if (HANDLE data = GetClipboardData(format)) {
        const SIZE_T size = GlobalSize(data);
        if (const void *bytes = GlobalLock(data)) {
            block.emplace(static_cast<const char *>(bytes), size);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return block;
}

}  // namespace

std::optional<std::string> ClipboardAnsiText() {
    std::optional<std::string> block = ReadClipboardBlock(CF_TEXT);
    if (block) block->resize(strnlen(block->data(), block->size()));
    return block;
}

std::optional<std::u16string> ClipboardUnicodeText() {
    const std::optional<std::string> block = ReadClipboardBlock(CF_UNICODETEXT);
    if (!block) return std::nullopt;
    std::u16string text(block->size() / 2, u'\0');
    std::memcpy(text.data(), block->data(), text.size() * 2);
    const size_t end = text.find(u'\0');
    if (end != std::u16string::npos) text.resize(end);
    return text;
}

}  // namespace tlxinet
