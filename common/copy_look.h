// One look at the copy on the clipboard: its formats and its privacy marks, taken once
// per change and shared by the program's watch, every plug-in function run for that
// change and what they write back. No Windows header: the looking itself is in
// common/win; here is what a look holds and how the host hands it to a plug-in.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "format_presence.h"
#include "private_copy.h"
#include "tlx_records.h"

namespace tlx {

struct CopyLook {
    uint32_t sequence = 0;         // the clipboard's sequence number at the look; 0: unknown
    FormatPresence formats;
    std::vector<MarkBlock> marks;  // the privacy marks on the copy, carried by what replaces it
    bool isPrivate = false;
};

// A look as the plug-in interface hands it over, pointing into storage of its own.
class CopyLookRecord {
public:
    explicit CopyLookRecord(const CopyLook &look);
    CopyLookRecord(const CopyLookRecord &) = delete;
    CopyLookRecord &operator=(const CopyLookRecord &) = delete;
    const TlxCopyLook &Record() const { return record_; }

private:
    std::vector<uint32_t> formats_;
    std::vector<MarkBlock> marks_;
    std::vector<TlxClipboardBlock> blocks_;
    TlxCopyLook record_{};
};

// The look a host handed over; nothing when its record is shorter than this one's.
// `ask` answers for the formats when the host could not list them.
std::optional<CopyLook> CopyLookFromRecord(const TlxCopyLook &record, FormatPresence::Ask ask);

}  // namespace tlx
