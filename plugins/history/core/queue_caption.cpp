#include "queue_caption.h"

#include "history_entry.h"
#include "row_text.h"

namespace tlxhistory {

QueueCaption CaptionOf(size_t count, const std::u16string *head) {
    const std::string number = std::to_string(count);
    QueueCaption caption{u"連続貼り付け　残り " + std::u16string(number.begin(), number.end()) + u" 件", {}};
    if (!head) {
        caption.next = u"コピーした内容が順に入ります";
        return caption;
    }
    // A row shows no more than its start: the rest of a long item is not converted.
    const std::u16string start = head->substr(0, kRowUnits + 2);
    caption.next = u"次: " + RowText(MakeEntry(EntryKind::kText, BytesFromUtf16(start)));
    return caption;
}

}  // namespace tlxhistory
