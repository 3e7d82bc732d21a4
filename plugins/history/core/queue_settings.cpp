#include "queue_settings.h"

namespace tlxhistory {

void QueueSettings::Load(tlx::ProfileStore &store, const char *section) {
    const int32_t orderValue = store.ReadNumber(section, "QueueOrder", 0);
    order = orderValue == 1 ? QueueOrder::kReversed : QueueOrder::kCopied;
    linePerItem = store.ReadNumber(section, "QueueLinePerItem", 0) != 0;
    const int32_t keyValue = store.ReadNumber(section, "QueueKeyAfterPaste", 0);
    keyAfterPaste = keyValue == 1 ? KeyAfterPaste::kTab : keyValue == 2 ? KeyAfterPaste::kEnter : KeyAfterPaste::kNone;
}

void QueueSettings::Save(tlx::ProfileStore &store, const char *section) const {
    store.WriteNumber(section, "QueueOrder", static_cast<int32_t>(order));
    store.WriteNumber(section, "QueueLinePerItem", linePerItem ? 1 : 0);
    store.WriteNumber(section, "QueueKeyAfterPaste", static_cast<int32_t>(keyAfterPaste));
}

}  // namespace tlxhistory
