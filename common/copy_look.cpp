#include "copy_look.h"

namespace tlx {

CopyLookRecord::CopyLookRecord(const CopyLook &look) : marks_(look.marks) {
    if (look.formats.Listed()) formats_ = look.formats.Listed()->Formats();
    for (const MarkBlock &mark : marks_)
        blocks_.push_back({mark.format, static_cast<uint32_t>(mark.data.size()), mark.data.data()});
    record_.Size = sizeof record_;
    record_.Sequence = look.sequence;
    record_.IsPrivate = look.isPrivate ? 1 : 0;
    record_.Listed = look.formats.Listed() ? 1 : 0;
    record_.FormatCount = static_cast<uint32_t>(formats_.size());
    record_.MarkCount = static_cast<uint32_t>(blocks_.size());
    record_.Formats = formats_.data();
    record_.Marks = blocks_.data();
}

std::optional<CopyLook> CopyLookFromRecord(const TlxCopyLook &record, FormatPresence::Ask ask) {
    if (record.Size < sizeof(TlxCopyLook)) return std::nullopt;
    std::optional<std::vector<uint32_t>> listed;
    if (record.Listed) {
        if (record.FormatCount && !record.Formats) return std::nullopt;
        listed.emplace(record.Formats, record.Formats + record.FormatCount);
    }
    if (record.MarkCount && !record.Marks) return std::nullopt;
    CopyLook look{record.Sequence, FormatPresence(std::move(listed), std::move(ask)), {}, record.IsPrivate != 0};
    for (uint32_t i = 0; i < record.MarkCount; ++i) {
        const TlxClipboardBlock &block = record.Marks[i];
        const char *data = static_cast<const char *>(block.Data);
        look.marks.push_back({block.Format, data ? std::string(data, block.Size) : std::string()});
    }
    return look;
}

}  // namespace tlx
