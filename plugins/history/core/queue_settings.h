// The settings of 連続貼り付け, kept with the plug-in's others in [Main].
#pragma once
#include "paste_queue.h"
#include "profile_store.h"

namespace tlxhistory {

// A key sent after each paste of the queue, to move on in a form.
enum class KeyAfterPaste {
    kNone = 0,
    kTab = 1,
    kEnter = 2,
};

struct QueueSettings {
    QueueOrder order = QueueOrder::kCopied;
    bool linePerItem = false;   // a multi-line copy joins as one item per non-empty line
    KeyAfterPaste keyAfterPaste = KeyAfterPaste::kNone;

    // A value that names no choice is read as the default one.
    void Load(tlx::ProfileStore &store, const char *section);
    void Save(tlx::ProfileStore &store, const char *section) const;
};

}  // namespace tlxhistory
