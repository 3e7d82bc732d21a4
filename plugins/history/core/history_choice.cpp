#include "history_choice.h"

namespace tlxhistory {

std::optional<std::u16string> EntryText(const HistoryEntry &entry) {
    switch (entry.kind) {
    case EntryKind::kText:
        return Utf16FromBytes(entry.data);
    case EntryKind::kFiles: {
        std::u16string lines;
        for (const std::u16string &name : FileListNames(entry.data)) {
            if (!lines.empty()) lines += u"\r\n";
            lines += name;
        }
        return lines;
    }
    case EntryKind::kImage:
        break;
    }
    return std::nullopt;
}

std::optional<HistoryEntry> EntryToPaste(const HistoryChoice &choice) {
    if (choice.entries.empty()) return std::nullopt;
    if (choice.entries.size() == 1) {
        const HistoryEntry &entry = choice.entries.front();
        if (choice.action != HistoryChoice::Action::kPasteTextOnly) return entry;
        if (entry.kind == EntryKind::kText) return WithoutForms(entry);
        const std::optional<std::u16string> text = EntryText(entry);
        if (!text) return entry;
        return MakeEntry(EntryKind::kText, BytesFromUtf16(*text));
    }
    const std::vector<std::u16string> texts = QueueItems(choice.entries);
    if (texts.empty()) return std::nullopt;
    std::u16string joined;
    for (const std::u16string &text : texts) {
        if (!joined.empty()) joined += u"\r\n";
        joined += text;
    }
    return MakeEntry(EntryKind::kText, BytesFromUtf16(joined));
}

std::vector<std::u16string> QueueItems(const std::vector<HistoryEntry> &entries) {
    std::vector<std::u16string> texts;
    for (const HistoryEntry &entry : entries)
        if (std::optional<std::u16string> text = EntryText(entry)) texts.push_back(std::move(*text));
    return texts;
}

}  // namespace tlxhistory
