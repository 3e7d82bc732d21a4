// What the clipboard holds, taken to be put back later: every format whose data can be
// read as a block (the privacy marks included) and an enhanced metafile; bitmaps come
// back through their device-independent form, which the system makes them from again.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace tlx {

class ClipboardSnapshot {
public:
    ClipboardSnapshot() = default;
    ~ClipboardSnapshot();
    ClipboardSnapshot(ClipboardSnapshot &&other) noexcept;
    ClipboardSnapshot &operator=(ClipboardSnapshot &&other) noexcept;
    ClipboardSnapshot(const ClipboardSnapshot &) = delete;
    ClipboardSnapshot &operator=(const ClipboardSnapshot &) = delete;

    // With the clipboard open (ClipboardSession).
    static ClipboardSnapshot Take();
    // With the clipboard open: empties it and sets what was taken. False when nothing was.
    bool Restore();

private:
    void Release();

    std::vector<std::pair<UINT, std::string>> blocks_;
    HENHMETAFILE metafile_ = nullptr;
};

}  // namespace tlx
