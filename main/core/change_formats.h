// The formats on the clipboard at one change, asked of the system once for the whole
// walk of the watch list instead of once per action: the whole list where the system
// gives it in one call, otherwise each distinct format the first time it is asked.
#pragma once
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "clipboard_format_set.h"
#include "clipboard_types.h"

namespace ptr {

class ChangeFormats : public ClipboardFormats {
public:
    // `listed`: every format placed on the clipboard, when the system could list them.
    // The formats the system makes from them on request count as present too, as
    // IsClipboardFormatAvailable reports them.
    ChangeFormats(ClipboardFormats &system, std::optional<std::vector<uint32_t>> listed);

    int32_t Register(const std::string &name) override { return system_.Register(name); }
    std::string RegisteredName(int32_t id) const override { return system_.RegisteredName(id); }
    bool IsAvailable(int32_t id) const override;

private:
    ClipboardFormats &system_;
    std::optional<tlx::ClipboardFormatSet> listed_;
    mutable std::unordered_map<int32_t, bool> asked_;
};

}  // namespace ptr
