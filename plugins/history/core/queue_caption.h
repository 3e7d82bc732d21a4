// What the small window of 連続貼り付け says while the mode is on, and as it ends.
#pragma once
#include <cstddef>
#include <string>

namespace tlxhistory {

inline constexpr const char16_t *kQueueEndedNotice = u"連続貼り付けを終了しました。";

struct QueueCaption {
    std::u16string title;   // the mode and how many items are left
    std::u16string next;    // the start of the next item on one line, or what to do
};

// head: what the next paste takes; null when the queue is empty.
QueueCaption CaptionOf(size_t count, const std::u16string *head);

}  // namespace tlxhistory
