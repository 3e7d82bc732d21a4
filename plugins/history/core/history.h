// The list of remembered copies in the order the window shows them: pinned
// entries first, each group newest first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "history_entry.h"

namespace tlxhistory {

struct HistoryLimits {
    size_t maxCount = 200;          // unpinned entries beyond it are dropped, oldest first,
                                    // all but the newest when pinned ones fill it
    size_t maxBytes = 4096 * 1024;  // a larger copy is not recorded; a text whose forms
                                    // take it beyond is recorded as its text alone
};

enum class AddResult { kAdded, kMovedToTop, kTooLarge };

// The time now in seconds since 1970 (UTC), as entries are stamped with it.
using Clock = std::function<int64_t()>;
int64_t SystemClock();

class History {
public:
    explicit History(HistoryLimits limits = {}, Clock clock = SystemClock)
        : limits_(limits), clock_(std::move(clock)) {}

    const std::vector<HistoryEntry> &Entries() const { return entries_; }
    const HistoryLimits &Limits() const { return limits_; }
    // Drops what the new count limit leaves no room for.
    void SetLimits(HistoryLimits limits);

    // The newest entry, stamped with the time now; the same content copied (or
    // chosen) again moves its entry (and its pin) to the top of its group instead of
    // adding another.
    AddResult Add(HistoryEntry entry);
    // Entries as read back from a file, kept in their order behind those already
    // here; the limits apply. Duplicates of earlier ones are left out.
    void Restore(std::vector<HistoryEntry> entries);

    // Indices are positions in Entries(); out-of-range ones change nothing.
    bool Remove(size_t index);
    // Pinning moves the entry to the top of the pinned group; unpinning to the
    // top of the others. Returns the entry's new position.
    size_t TogglePin(size_t index);
    // Removes every entry that is not pinned; returns how many went.
    size_t ClearUnpinned();
    // Removes the unpinned entries last copied more than `days` days ago (none for 0);
    // those of an unknown time stay. Returns how many went.
    size_t RemoveOlderThan(int days);

private:
    // The entry as kept: its forms dropped when they are not valid or take it over the size limit.
    HistoryEntry Admitted(HistoryEntry entry) const;
    size_t PinnedCount() const;
    size_t FindContent(const HistoryEntry &entry) const;
    void TrimToCount();

    HistoryLimits limits_;
    Clock clock_;
    std::vector<HistoryEntry> entries_;
};

}  // namespace tlxhistory
