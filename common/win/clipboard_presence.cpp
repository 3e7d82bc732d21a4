#include "clipboard_presence.h"

namespace tlx {

namespace {
using UpdatedFormatsProc = BOOL(WINAPI *)(PUINT, UINT, PUINT);
}  // namespace

std::optional<std::vector<uint32_t>> ListClipboardFormats() {
    // Looked up at run time: systems before Vista have no such call.
    static const auto list = reinterpret_cast<UpdatedFormatsProc>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetUpdatedClipboardFormats")));
    // Kept from call to call, as the clipboard is listed on every change; each module
    // asks from its window thread only.
    static std::vector<UINT> buffer(64);
    if (!list) return std::nullopt;
    for (;;) {
        UINT count = 0;
        if (list(buffer.data(), static_cast<UINT>(buffer.size()), &count))
            return std::vector<uint32_t>(buffer.begin(), buffer.begin() + count);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || count <= buffer.size()) return std::nullopt;
        buffer.resize(count);
    }
}

ClipboardPresence::ClipboardPresence() {
    if (std::optional<std::vector<uint32_t>> placed = ListClipboardFormats())
        listed_.emplace(std::move(*placed));
}

bool ClipboardPresence::Has(UINT format) const {
    return listed_ ? listed_->Contains(format) : IsClipboardFormatAvailable(format) != FALSE;
}

}  // namespace tlx
