#include "clipboard.h"

#include <cstring>

namespace tlxtext {

namespace {
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 20;
}  // namespace

ClipboardSession::ClipboardSession() {
    for (int attempt = 0; attempt < kOpenAttempts && !open_; ++attempt) {
        if (attempt) Sleep(kOpenRetryMs);
        open_ = OpenClipboard(nullptr) != FALSE;
    }
}

ClipboardSession::~ClipboardSession() {
    if (open_) CloseClipboard();
}

std::optional<std::string> ReadClipboardBlock(UINT format) {
    HANDLE handle = GetClipboardData(format);
    if (!handle) return std::nullopt;
    std::string bytes;
    if (const void *data = GlobalLock(handle)) {
        bytes.assign(static_cast<const char *>(data), GlobalSize(handle));
        GlobalUnlock(handle);
    }
    return bytes;
}

std::optional<std::string> ReadClipboardText() {
    std::optional<std::string> text = ReadClipboardBlock(CF_TEXT);
    if (text) {
        const size_t nul = text->find('\0');
        if (nul != std::string::npos) text->resize(nul);
    }
    return text;
}

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

}  // namespace tlxtext
