// The queue of 連続貼り付け: copies made while the mode is on, pasted one after another
// in the order they were copied (or the reverse), each paste taking the head. No
// Windows header: the clipboard side is in win/sequential_paste.
#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tlxhistory {

enum class QueueOrder {
    kCopied = 0,    // first in, first out
    kReversed = 1,  // last in, first out
};

// The order is asked at each look rather than kept: a change in the settings dialog
// applies to the items already queued.
class PasteQueue {
public:
    // A copy joins: as one item, or one per non-empty line. A copy identical to the one
    // before it joins once (a program that sets the clipboard twice, a rewrite of the
    // same text by a watch action). How many items joined.
    size_t Join(std::u16string_view copy, bool linePerItem);
    // Items chosen elsewhere (the history window), each whole, in the order given.
    void JoinItems(const std::vector<std::u16string> &items);

    bool Empty() const { return items_.empty(); }
    size_t Count() const { return items_.size(); }
    // What the next paste takes; null when the queue is empty.
    const std::u16string *Head(QueueOrder order) const;
    // The item that joined last; null when the queue is empty.
    const std::u16string *Newest() const;
    // The head was pasted: it leaves the queue. A copy after it is a copy of its own,
    // even when it repeats the one before.
    std::optional<std::u16string> Take(QueueOrder order);

private:
    std::deque<std::u16string> items_;   // in the order they joined
    std::optional<std::u16string> lastCopy_;
};

// The non-empty lines of a text; CR LF, LF and CR each end a line.
std::vector<std::u16string> NonEmptyLines(std::u16string_view text);

}  // namespace tlxhistory
