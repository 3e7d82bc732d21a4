// The formats on the clipboard at one change, as the program's one look at the copy
// found them, for the whole walk of the watch list.
#pragma once
#include <cstdint>

#include "clipboard_types.h"
#include "format_presence.h"

namespace ptr {

class ChangeFormats : public ClipboardFormats {
public:
    // `present`: the look's formats; they count the formats the system makes from the
    // placed ones as present too, as IsClipboardFormatAvailable reports them.
    ChangeFormats(ClipboardFormats &system, const tlx::FormatPresence &present) : system_(system), present_(present) {}

    int32_t Register(const std::string &name) override { return system_.Register(name); }
    std::string RegisteredName(int32_t id) const override { return system_.RegisteredName(id); }
    // 0 is no format, and a name nothing could register.
    bool IsAvailable(int32_t id) const override { return id != 0 && present_.Has(static_cast<uint32_t>(id)); }

private:
    ClipboardFormats &system_;
    const tlx::FormatPresence &present_;
};

}  // namespace ptr
