// Thin helpers over the system clipboard: an open/close guard, reading a
// block within its real size, and new blocks that are freed unless the
// clipboard took them over.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tlxtext {

// Opens the clipboard with no owner window for the object's lifetime. Another
// program may hold it for a moment (for instance while it reads the change
// the plug-in is reacting to), so opening is retried briefly before giving up.
class ClipboardSession {
public:
    ClipboardSession();
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession &) = delete;
    ClipboardSession &operator=(const ClipboardSession &) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// The bytes of a clipboard block as stored, at most its GlobalSize; nothing
// when the format is absent, empty for a block that cannot be locked.
std::optional<std::string> ReadClipboardBlock(UINT format);
// CF_TEXT up to its first NUL inside the block.
std::optional<std::string> ReadClipboardText();

// A movable global memory block that is freed unless handed to the clipboard.
class GlobalBlock {
public:
    // `bytes` followed by `zeroBytes` zero bytes; empty on allocation failure.
    GlobalBlock(const void *bytes, size_t size, size_t zeroBytes);
    ~GlobalBlock();
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;
    explicit operator bool() const { return handle_ != nullptr; }
    // SetClipboardData; on success the clipboard owns the block.
    bool SetAs(UINT format);

private:
    HGLOBAL handle_ = nullptr;
};

// An ANSI text block with its terminator.
GlobalBlock TextBlock(std::string_view text);

}  // namespace tlxtext
