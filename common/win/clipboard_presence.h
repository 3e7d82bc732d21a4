// Which formats the clipboard holds, asked of the system once: every format in one
// listing where the system has the call, otherwise each format as it is asked.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "clipboard_format_set.h"

namespace tlx {

// Every format placed on the clipboard in one call to the system; nothing where the
// system has no such call or it fails.
std::optional<std::vector<uint32_t>> ListClipboardFormats();

class ClipboardPresence {
public:
    ClipboardPresence();
    bool Has(UINT format) const;

private:
    std::optional<ClipboardFormatSet> listed_;
};

}  // namespace tlx
