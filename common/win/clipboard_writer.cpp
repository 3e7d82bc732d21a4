#include "clipboard_writer.h"

#include <cstring>

#include "current_copy.h"
#include "plugin_clipboard.h"

namespace tlx {

GlobalBlock::GlobalBlock(const void *bytes, size_t size, size_t zeroBytes) {
    if (size + zeroBytes == 0 || size + zeroBytes < size) return;
    handle_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size + zeroBytes);
    if (!handle_) return;
    char *data = static_cast<char *>(GlobalLock(handle_));
    if (!data) {
        GlobalFree(std::exchange(handle_, nullptr));
        return;
    }
    if (size) std::memcpy(data, bytes, size);
    std::memset(data + size, 0, zeroBytes);
    GlobalUnlock(handle_);
}

GlobalBlock::~GlobalBlock() {
    if (handle_) GlobalFree(handle_);
}

GlobalBlock &GlobalBlock::operator=(GlobalBlock &&other) noexcept {
    if (this != &other) {
        if (handle_) GlobalFree(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

bool GlobalBlock::SetAs(UINT format) {
    if (!handle_ || !SetClipboardData(format, handle_)) return false;
    handle_ = nullptr;
    return true;
}

ClipboardWriter::ClipboardWriter(const std::vector<MarkBlock> &carried) {
    const PrivacyFormatIds &ids = PrivacyFormats();
    for (const MarkBlock &mark : carried) {
        // A presence mark stays a mark even when its data could not be read.
        const bool presenceMark = mark.format == ids.excludeFromMonitor || mark.format == ids.viewerIgnore;
        if (!mark.data.empty())
            marks_.emplace_back(mark.format, GlobalBlock(mark.data.data(), mark.data.size(), 0));
        else if (presenceMark)
            marks_.emplace_back(mark.format, GlobalBlock(nullptr, 0, sizeof(DWORD)));
        else
            continue;
        ready_ = ready_ && marks_.back().second;
    }
}

void ClipboardWriter::Add(UINT format, GlobalBlock block) {
    ready_ = ready_ && block;
    blocks_.emplace_back(format, std::move(block));
}

void ClipboardWriter::AddUnicodeText(std::u16string_view text) {
    const std::string ansi = NarrowToAnsi(text);
    const LCID locale = GetSystemDefaultLCID();
    Add(CF_UNICODETEXT, GlobalBlock(text.data(), text.size() * sizeof(char16_t), sizeof(char16_t)));
    Add(CF_TEXT, GlobalBlock(ansi.data(), ansi.size(), 1));
    Add(CF_LOCALE, GlobalBlock(&locale, sizeof locale, 0));
}

bool ClipboardWriter::SetBlocks() {
    bool all = true;
    for (auto &[format, block] : blocks_) all = block.SetAs(format) && all;
    return all;
}

bool ClipboardWriter::Replace() {
    if (!ready_) return false;
    EmptyClipboard();
    const bool all = SetBlocks();
    for (auto &[format, block] : marks_) block.SetAs(format);
    return all;
}

bool ClipboardWriter::AddToCurrent() { return ready_ && SetBlocks(); }

}  // namespace tlx
