#include "joined_text.h"

namespace tlxhistory {

namespace {
constexpr std::u16string_view kLineBreak = u"\r\n";

std::vector<std::u16string> TextsOf(const HistoryEntry &entry) {
    switch (entry.kind) {
    case EntryKind::kText:
        return {Utf16FromBytes(entry.data)};
    case EntryKind::kFiles:
        return FileListNames(entry.data);
    case EntryKind::kImage:
        break;
    }
    return {};
}
}  // namespace

std::u16string JoinedText(const std::vector<HistoryEntry> &entries) {
    std::u16string joined;
    bool first = true;
    for (const HistoryEntry &entry : entries) {
        for (const std::u16string &text : TextsOf(entry)) {
            if (!first) joined += kLineBreak;
            joined += text;
            first = false;
        }
    }
    return joined;
}

}  // namespace tlxhistory
