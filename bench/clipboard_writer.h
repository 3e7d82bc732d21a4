// Another program that copies: a window of its own that opens the clipboard with itself
// as owner, puts text (and, when asked, a second format) on it and closes it, and that
// listens to the changes that follow.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ptrbench {

// The second format's name; the baseline viewers look for it too.
inline constexpr const char *kExtraFormatName = "Porterica Bench Extra";

// One format's bytes as put on the clipboard.
using ClipboardBlock = std::pair<UINT, std::string>;

class ClipboardWriter {
public:
    ClipboardWriter();
    ~ClipboardWriter();
    ClipboardWriter(const ClipboardWriter &) = delete;
    ClipboardWriter &operator=(const ClipboardWriter &) = delete;

    HWND Window() const { return window_; }
    // The second format: a registered one that only this writer puts on the clipboard.
    UINT ExtraFormat() const { return extra_; }

    // Copies the text, with the second format when withExtra is set. Returns the
    // QueryPerformanceCounter reading just before the clipboard is closed (the moment
    // the change is announced), 0 when the clipboard could not be opened.
    int64_t Copy(const std::string &text, bool withExtra);
    // Copies the blocks as one change, likewise.
    int64_t CopyBlocks(const std::vector<ClipboardBlock> &blocks);
    // Waits, answering messages, until a change after the last Copy left the text but
    // removed the second format. The reading when that was seen; 0 after ms.
    int64_t WaitForTextOnly(DWORD ms);
    // Waits, answering messages, until the clipboard changed after the last Copy.
    bool WaitForChange(DWORD ms);
    // The clipboard as it is now: text present, second format present.
    bool HasText() const { return IsClipboardFormatAvailable(CF_TEXT) != 0; }
    bool HasExtra() const { return IsClipboardFormatAvailable(extra_) != 0; }

private:
    HWND window_ = nullptr;
    UINT extra_ = 0;
    DWORD sequence_ = 0;   // the clipboard's sequence number after the last Copy
};

// Puts a memory block of the given bytes on the open clipboard as `format`.
bool SetClipboardBytes(UINT format, const void *bytes, size_t size);

}  // namespace ptrbench
