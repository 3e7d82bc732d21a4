// What is to come back to the clipboard once a paste of the program's is done.
// The user's copy is kept in the forms a paste takes — its text, HTML, RTF, a file
// list, or its picture when it is no text — and asked for only in those, so that a
// program that only promised its content (as office programs do, bitmaps and metafiles
// among it) renders no more than that; its privacy marks come back with it, and the
// program it came from is named on it. An item of 連続貼り付け is not read (a request
// for it would be its paste): its owner is asked to offer it again instead.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "private_copy.h"

namespace tlx {

// Posted to the window that offered an item of 連続貼り付け, once a paste of the program's
// that took the clipboard from it is done: the window offers its item again.
UINT TakeBackMessage();

class ClipboardSnapshot {
public:
    enum class Keep {
        kQueueItem,   // only an item of 連続貼り付け comes back; whatever else was there stays replaced
        kUserCopy,    // the user's copy comes back too
    };
    // With the clipboard open (ClipboardSession).
    static ClipboardSnapshot Take(Keep keep);
    // With the clipboard open by the window that is to own what comes back: empties it
    // and sets the copy again, marked as given back; for an item of 連続貼り付け, its
    // owner is asked to offer it again (after the clipboard is closed). False when
    // nothing was kept.
    bool Restore();

private:
    std::vector<std::pair<UINT, std::string>> blocks_;
    std::vector<MarkBlock> marks_;
    std::u16string source_;
    HWND queueOwner_ = nullptr;
};

}  // namespace tlx
