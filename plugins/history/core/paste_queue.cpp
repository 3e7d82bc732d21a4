#include "paste_queue.h"

namespace tlxhistory {

std::vector<std::u16string> NonEmptyLines(std::u16string_view text) {
    // CR LF need not be told apart: the empty line between its two breaks is dropped.
    std::vector<std::u16string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string_view::npos) end = text.size();
        if (end > start) lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

size_t PasteQueue::Join(std::u16string_view copy, bool linePerItem) {
    if (copy.empty() || (lastCopy_ && *lastCopy_ == copy)) return 0;
    lastCopy_ = std::u16string(copy);
    if (!linePerItem) {
        items_.emplace_back(copy);
        return 1;
    }
    const std::vector<std::u16string> lines = NonEmptyLines(copy);
    items_.insert(items_.end(), lines.begin(), lines.end());
    return lines.size();
}

void PasteQueue::JoinItems(const std::vector<std::u16string> &items) {
    for (const std::u16string &item : items)
        if (!item.empty()) items_.push_back(item);
}

const std::u16string *PasteQueue::Head(QueueOrder order) const {
    if (items_.empty()) return nullptr;
    return order == QueueOrder::kCopied ? &items_.front() : &items_.back();
}

const std::u16string *PasteQueue::Newest() const { return items_.empty() ? nullptr : &items_.back(); }

std::optional<std::u16string> PasteQueue::Take(QueueOrder order) {
    if (items_.empty()) return std::nullopt;
    std::u16string head;
    if (order == QueueOrder::kCopied) {
        head = std::move(items_.front());
        items_.pop_front();
    } else {
        head = std::move(items_.back());
        items_.pop_back();
    }
    lastCopy_.reset();
    return head;
}

}  // namespace tlxhistory
