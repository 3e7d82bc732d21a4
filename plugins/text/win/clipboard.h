// New clipboard blocks that are freed unless the clipboard took them over, and
// the text forms prepared as blocks before the clipboard is touched.
#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "plugin_clipboard.h"

namespace tlxtext {

using tlx::ClipboardSession;
using tlx::ReadClipboardBlock;
using tlx::TextForms;

// A movable global memory block that is freed unless handed to the clipboard.
class GlobalBlock {
public:
    // `bytes` followed by `zeroBytes` zero bytes; empty on allocation failure.
    GlobalBlock(const void *bytes, size_t size, size_t zeroBytes);
    ~GlobalBlock();
    GlobalBlock(GlobalBlock &&other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
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

// CF_TEXT, and CF_UNICODETEXT when the Unicode text is its own, as blocks made
// before the clipboard is changed, so that a failed allocation changes nothing.
class TextFormsBlocks {
public:
    explicit TextFormsBlocks(const TextForms &forms);
    explicit operator bool() const { return ansi_ && (!unicode_ || *unicode_); }
    // Sets the blocks without emptying the clipboard; false when one was refused.
    bool SetAll();

private:
    GlobalBlock ansi_;
    std::optional<GlobalBlock> unicode_;
};

}  // namespace tlxtext
