#include "clipboard_snapshot.h"

#include "clipboard_writer.h"
#include "plugin_clipboard.h"

namespace tlx {

namespace {

// Formats whose data is a handle of another kind than a memory block.
bool HoldsBlock(UINT format) {
    switch (format) {
    case CF_BITMAP: case CF_PALETTE: case CF_ENHMETAFILE: case CF_METAFILEPICT: case CF_OWNERDISPLAY:
    case CF_DSPBITMAP: case CF_DSPENHMETAFILE: case CF_DSPMETAFILEPICT:
        return false;
    default:
        return !(format >= CF_GDIOBJFIRST && format <= CF_GDIOBJLAST) &&
               !(format >= CF_PRIVATEFIRST && format <= CF_PRIVATELAST);
    }
}

}  // namespace

ClipboardSnapshot::~ClipboardSnapshot() { Release(); }

ClipboardSnapshot::ClipboardSnapshot(ClipboardSnapshot &&other) noexcept
    : blocks_(std::move(other.blocks_)), metafile_(std::exchange(other.metafile_, nullptr)) {}

ClipboardSnapshot &ClipboardSnapshot::operator=(ClipboardSnapshot &&other) noexcept {
    if (this != &other) {
        Release();
        blocks_ = std::move(other.blocks_);
        metafile_ = std::exchange(other.metafile_, nullptr);
    }
    return *this;
}

void ClipboardSnapshot::Release() {
    if (metafile_) DeleteEnhMetaFile(std::exchange(metafile_, nullptr));
}

ClipboardSnapshot ClipboardSnapshot::Take() {
    ClipboardSnapshot snapshot;
    for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
        if (format == CF_ENHMETAFILE) {
            if (HANDLE metafile = ClipboardHandle(CF_ENHMETAFILE))
                snapshot.metafile_ = CopyEnhMetaFileW(static_cast<HENHMETAFILE>(metafile), nullptr);
        } else if (HoldsBlock(format)) {
            if (std::optional<std::string> block = ReadClipboardBlock(format))
                snapshot.blocks_.emplace_back(format, std::move(*block));
        }
    }
    return snapshot;
}

bool ClipboardSnapshot::Restore() {
    if (blocks_.empty() && !metafile_) return false;
    std::vector<std::pair<UINT, GlobalBlock>> blocks;
    for (const auto &[format, bytes] : blocks_) blocks.emplace_back(format, GlobalBlock(bytes.data(), bytes.size(), 0));
    if (!EmptyClipboard()) return false;
    for (auto &[format, block] : blocks) block.SetAs(format);
    if (metafile_ && SetClipboardData(CF_ENHMETAFILE, metafile_)) metafile_ = nullptr;
    return true;
}

}  // namespace tlx
