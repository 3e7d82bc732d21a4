#include "history.h"

#include <algorithm>
#include <ctime>
#include <unordered_set>

namespace tlxhistory {

namespace {
constexpr int64_t kSecondsPerDay = 24 * 60 * 60;
}  // namespace

int64_t SystemClock() { return static_cast<int64_t>(std::time(nullptr)); }

void History::SetLimits(HistoryLimits limits) {
    limits_ = limits;
    TrimToCount();
}

size_t History::PinnedCount() const {
    // Pinned entries are always the first ones.
    return static_cast<size_t>(std::find_if(entries_.begin(), entries_.end(),
                                            [](const HistoryEntry &e) { return !e.pinned; }) -
                               entries_.begin());
}

size_t History::FindContent(const HistoryEntry &entry) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (SameContent(entries_[i], entry)) return i;
    }
    return entries_.size();
}

void History::TrimToCount() {
    // The newest unpinned entry stays even when pinned ones fill the count: a copy
    // just recorded is never dropped by its own recording.
    const size_t keep = std::max(limits_.maxCount, PinnedCount() + 1);
    if (entries_.size() > keep) entries_.resize(keep);
}

HistoryEntry History::Admitted(HistoryEntry entry) const {
    // Forms the file could not hold back would cost the whole file at the next start.
    if (EntrySize(entry) > limits_.maxBytes || !ValidEntryForms(entry.kind, entry.forms))
        return WithoutForms(std::move(entry));
    return entry;
}

AddResult History::Add(HistoryEntry entry) {
    entry = Admitted(std::move(entry));
    if (entry.data.size() > limits_.maxBytes) return AddResult::kTooLarge;
    entry.copiedAt = clock_();
    const size_t existing = FindContent(entry);
    AddResult result = AddResult::kAdded;
    if (existing < entries_.size()) {
        entry.pinned = entries_[existing].pinned;
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(existing));
        result = AddResult::kMovedToTop;
    }
    const size_t top = entry.pinned ? 0 : PinnedCount();
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(top), std::move(entry));
    TrimToCount();
    return result;
}

void History::Restore(std::vector<HistoryEntry> entries) {
    std::unordered_set<uint64_t> keys;
    for (const HistoryEntry &e : entries_) keys.insert(e.key);
    for (HistoryEntry &entry : entries) {
        entry = Admitted(std::move(entry));
        if (entry.data.size() > limits_.maxBytes || !ValidEntryData(entry.kind, entry.data)) continue;
        if (!keys.insert(entry.key).second && FindContent(entry) < entries_.size()) continue;
        entries_.push_back(std::move(entry));
    }
    std::stable_partition(entries_.begin(), entries_.end(), [](const HistoryEntry &e) { return e.pinned; });
    TrimToCount();
}

bool History::Remove(size_t index) {
    if (index >= entries_.size()) return false;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

size_t History::TogglePin(size_t index) {
    if (index >= entries_.size()) return index;
    HistoryEntry entry = std::move(entries_[index]);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    entry.pinned = !entry.pinned;
    const size_t top = entry.pinned ? 0 : PinnedCount();
    // No trimming here: unpinning beyond the count limit must not lose the entry
    // at once; the next copy trims.
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(top), std::move(entry));
    return top;
}

size_t History::ClearUnpinned() {
    const size_t before = entries_.size();
    entries_.resize(PinnedCount());
    return before - entries_.size();
}

size_t History::RemoveOlderThan(int days) {
    if (days <= 0) return 0;
    const int64_t oldest = clock_() - days * kSecondsPerDay;
    const size_t before = entries_.size();
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [oldest](const HistoryEntry &e) {
                                      return !e.pinned && e.copiedAt != 0 && e.copiedAt < oldest;
                                  }),
                   entries_.end());
    return before - entries_.size();
}

}  // namespace tlxhistory
