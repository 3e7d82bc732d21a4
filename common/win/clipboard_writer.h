// Every clipboard write of the standard plug-ins: new blocks are made first, so
// that a failed allocation changes nothing, and a copy's privacy marks are put
// back after the clipboard is emptied, so that what is written in place of a
// private copy is as private as it was.
#pragma once
#include <windows.h>

#include <string_view>
#include <utility>
#include <vector>

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

enum class MarksOnWrite {
    Carry,  // the content derives from the copy on the clipboard: keep its marks
    Drop    // the content comes from elsewhere (a saved text, an older entry)
};

// Used with the clipboard open (ClipboardSession).
class ClipboardWriter {
public:
    // Notes the marks of the copy on the clipboard now, with their data.
    explicit ClipboardWriter(MarksOnWrite marks = MarksOnWrite::Carry);
    void Add(UINT format, GlobalBlock block);
    // CF_UNICODETEXT, CF_TEXT in the system's code page and the matching CF_LOCALE.
    void AddUnicodeText(std::u16string_view text);
    // Every block added so far was allocated.
    bool Ready() const { return ready_; }
    // Empties the clipboard, sets the blocks and puts the noted marks back; when a
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
