// Every clipboard write of the standard plug-ins: new blocks are made first, so
// that a failed allocation changes nothing, and a copy's privacy marks are put
// back after the clipboard is emptied, so that what is written in place of a
// private copy is as private as it was.
#pragma once
#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

#include "private_copy.h"

namespace tlx {

// A movable global memory block that is freed unless handed to the clipboard.
class GlobalBlock {
public:
    // `bytes` followed by `zeroBytes` zero bytes; empty on allocation failure.
    GlobalBlock(const void *bytes, size_t size, size_t zeroBytes);
    ~GlobalBlock();
    GlobalBlock(GlobalBlock &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GlobalBlock &operator=(GlobalBlock &&other) noexcept;
    GlobalBlock(const GlobalBlock &) = delete;
    GlobalBlock &operator=(const GlobalBlock &) = delete;
    explicit operator bool() const { return handle_ != nullptr; }
    // SetClipboardData; on success the clipboard owns the block.
    bool SetAs(UINT format);

private:
    HGLOBAL handle_ = nullptr;
};

// No marks to carry: what is written comes from elsewhere (a saved text, an older entry).
inline const std::vector<MarkBlock> kNoMarks;

// Used with the clipboard open (ClipboardSession).
class ClipboardWriter {
public:
    // `carried`: the marks of the copy what is written derives from (CurrentCopy().marks),
    // put back with it; kNoMarks for content from elsewhere.
    explicit ClipboardWriter(const std::vector<MarkBlock> &carried);
    void Add(UINT format, GlobalBlock block);
    // CF_UNICODETEXT, CF_TEXT in the system's code page and the matching CF_LOCALE.
    void AddUnicodeText(std::u16string_view text);
    // Every block added so far was allocated.
    bool Ready() const { return ready_; }
    // Empties the clipboard, sets the blocks and puts the carried marks back; when a
    // block is missing nothing is changed. False when a block was refused.
    bool Replace();
    // Sets the blocks beside what the clipboard holds (its marks stay as they are).
    bool AddToCurrent();

private:
    bool SetBlocks();

    std::vector<std::pair<UINT, GlobalBlock>> blocks_;
    std::vector<std::pair<UINT, GlobalBlock>> marks_;
    bool ready_ = true;
};

}  // namespace tlx
