#include "clipboard_snapshot.h"

#include "clipboard_writer.h"
#include "copy_source.h"
#include "current_copy.h"
#include "plugin_clipboard.h"

namespace tlx {

namespace {

// A copy larger than this in the kept forms is kept only in its first forms: a paste
// must not hold hundreds of megabytes of a picture or a spreadsheet in memory.
constexpr size_t kKeptBytesMax = 32 * 1024 * 1024;

bool OwnedHere(HWND window) {
    DWORD process = 0;
    return window && GetWindowThreadProcessId(window, &process) && process == GetCurrentProcessId();
}

// The forms kept of a copy, in the order they are kept while the size allows: text,
// the formatted forms beside it, a file list; a picture only where there is neither
// text nor files (asking for it would make an office program render one for its cells).
std::vector<UINT> KeptForms(const FormatPresence &formats) {
    static const UINT html = RegisterClipboardFormatA("HTML Format");
    static const UINT rtf = RegisterClipboardFormatA("Rich Text Format");
    static const UINT dropEffect = RegisterClipboardFormatA("Preferred DropEffect");
    std::vector<UINT> kept;
    for (const UINT format : {UINT{CF_UNICODETEXT}, UINT{CF_LOCALE}, html, rtf, UINT{CF_HDROP}, dropEffect})
        if (formats.Has(format)) kept.push_back(format);
    // The 8-bit text only where the copying program placed it: the system makes it again.
    if (formats.Has(CF_TEXT) && !SystemMadeTextForms().ansi) kept.insert(kept.begin() + 1, CF_TEXT);
    if (kept.empty() && formats.Has(CF_DIB)) kept.push_back(CF_DIB);
    return kept;
}

}  // namespace

UINT TakeBackMessage() {
    static const UINT message = RegisterWindowMessageA("Porterica Take Back");
    return message;
}

ClipboardSnapshot ClipboardSnapshot::Take(Keep keep) {
    ClipboardSnapshot snapshot;
    const std::shared_ptr<const CopyLook> copy = CurrentCopy();
    if (copy->formats.Has(QueueItemFormat())) {
        if (OwnedHere(GetClipboardOwner())) snapshot.queueOwner_ = GetClipboardOwner();
        return snapshot;
    }
    if (keep == Keep::kQueueItem) return snapshot;
    const std::optional<PasteMark> mark = copy->formats.Has(PasteMarkFormat()) ? PasteMarkOnClipboard() : std::nullopt;
    // Something the program offered and nobody took is no copy of the user's.
    if (mark && mark->kind == PasteMark::Kind::kOffered) return snapshot;
    size_t bytes = 0;
    for (const UINT format : KeptForms(copy->formats)) {
        std::optional<std::string> block = ReadClipboardBlock(format);
        if (!block || block->empty() || bytes + block->size() > kKeptBytesMax) continue;
        bytes += block->size();
        snapshot.blocks_.emplace_back(format, std::move(*block));
    }
    if (snapshot.blocks_.empty()) return snapshot;
    snapshot.marks_ = copy->marks;   // a private copy stays private
    snapshot.source_ = mark ? mark->source : CopySourceFileName(nullptr);
    return snapshot;
}

bool ClipboardSnapshot::Restore() {
    if (queueOwner_) return PostMessageW(queueOwner_, TakeBackMessage(), 0, 0) != FALSE;
    if (blocks_.empty()) return false;
    ClipboardWriter writer(marks_);
    for (const auto &[format, bytes] : blocks_) writer.Add(format, GlobalBlock(bytes.data(), bytes.size(), 0));
    const std::string mark = PasteMarkBytes({PasteMark::Kind::kGivenBack, source_});
    writer.Add(PasteMarkFormat(), GlobalBlock(mark.data(), mark.size(), 0));
    return writer.Ready() && writer.Replace();
}

}  // namespace tlx
