#include "clipboard.h"

#include <cstring>

namespace tlxtext {

GlobalBlock::GlobalBlock(const void *bytes, size_t size, size_t zeroBytes) {
    if (size + zeroBytes == 0 || size + zeroBytes < size) return;
    handle_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size + zeroBytes);
    if (!handle_) return;
    char *data = static_cast<char *>(GlobalLock(handle_));
    if (!data) {
        GlobalFree(handle_);
        handle_ = nullptr;
        return;
    }
    if (size) std::memcpy(data, bytes, size);
    std::memset(data + size, 0, zeroBytes);
    GlobalUnlock(handle_);
}

GlobalBlock::~GlobalBlock() {
    if (handle_) GlobalFree(handle_);
}

bool GlobalBlock::SetAs(UINT format) {
    if (!handle_ || !SetClipboardData(format, handle_)) return false;
    handle_ = nullptr;
    return true;
}

GlobalBlock TextBlock(std::string_view text) { return GlobalBlock(text.data(), text.size(), 1); }

TextFormsBlocks::TextFormsBlocks(const TextForms &forms) : ansi_(TextBlock(forms.ansi)) {
    if (forms.unicodeOwn)
        unicode_.emplace(forms.unicode.data(), forms.unicode.size() * sizeof(char16_t), sizeof(char16_t));
}

bool TextFormsBlocks::SetAll() {
    const bool ansi = ansi_.SetAs(CF_TEXT);
    return (!unicode_ || unicode_->SetAs(CF_UNICODETEXT)) && ansi;
}

}  // namespace tlxtext
