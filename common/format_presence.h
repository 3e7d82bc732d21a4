// Whether a format is on the clipboard at one change: from one listing where the system
// gives one (with the formats it makes from the listed ones), otherwise asked of the
// system, each distinct format once. No Windows header: the asking is handed in.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "clipboard_format_set.h"

namespace tlx {

class FormatPresence {
public:
    using Ask = std::function<bool(uint32_t format)>;
    // `listed`: every format placed on the clipboard, when the system could list them.
    FormatPresence(std::optional<std::vector<uint32_t>> listed, Ask ask);
    bool Has(uint32_t format) const;
    // The listing with the formats made from it, ascending; nothing when formats are asked one by one.
    const std::optional<ClipboardFormatSet> &Listed() const { return listed_; }

private:
    std::optional<ClipboardFormatSet> listed_;
    Ask ask_;
    mutable std::unordered_map<uint32_t, bool> asked_;
};

}  // namespace tlx
