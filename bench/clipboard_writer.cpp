#include "clipboard_writer.h"

#include <cstring>

#include "pump.h"
#include "stamp_board.h"
#include "viewer_window.h"

namespace ptrbench {

namespace {
constexpr const char *kWindowClass = "PortericaBenchWriter";

// Others open the clipboard too (Wine's X bridge after every change, the program's
// actions); on a loaded machine they can keep it for a second or more.
bool OpenWithRetry(HWND owner) {
    return PumpUntil([owner] { return OpenClipboard(owner) != FALSE; }, 5000);
}
}  // namespace

bool SetClipboardBytes(UINT format, const void *bytes, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

ClipboardWriter::ClipboardWriter() {
    window_ = MakeHiddenWindow(kWindowClass, DefWindowProcA);
    AddClipboardFormatListener(window_);
    extra_ = RegisterClipboardFormatA(kExtraFormatName);
}

ClipboardWriter::~ClipboardWriter() {
    RemoveClipboardFormatListener(window_);
    DestroyWindow(window_);
}

int64_t ClipboardWriter::Copy(const std::string &text, bool withExtra) {
    const std::string bytes(text.c_str(), text.size() + 1);
    if (!withExtra) return CopyBlocks({{CF_TEXT, bytes}});
    return CopyBlocks({{CF_TEXT, bytes}, {extra_, bytes}});
}

int64_t ClipboardWriter::CopyBlocks(const std::vector<ClipboardBlock> &blocks) {
    if (!OpenWithRetry(window_)) return 0;
    EmptyClipboard();
    for (const auto &[format, bytes] : blocks) SetClipboardBytes(format, bytes.data(), bytes.size());
    const int64_t closing = Now();
    CloseClipboard();
    sequence_ = GetClipboardSequenceNumber();
    return closing;
}

int64_t ClipboardWriter::WaitForTextOnly(DWORD ms) {
    int64_t seen = 0;
    // Every change posts WM_CLIPBOARDUPDATE to the listening window, so each look
    // follows a message; the poll interval is only a guard.
    PumpUntil(
        [&] {
            if (GetClipboardSequenceNumber() == sequence_ || HasExtra() || !HasText()) return false;
            seen = Now();
            return true;
        },
        ms, 50);
    return seen;
}

bool ClipboardWriter::WaitForChange(DWORD ms) {
    return PumpUntil([this] { return GetClipboardSequenceNumber() != sequence_; }, ms, 50);
}

}  // namespace ptrbench
