#include "change_formats.h"

namespace ptr {

ChangeFormats::ChangeFormats(ClipboardFormats &system, std::optional<std::vector<uint32_t>> listed)
    : system_(system) {
    if (listed) listed_.emplace(std::move(*listed));
}

bool ChangeFormats::IsAvailable(int32_t id) const {
    if (id == 0) return false;   // no format, and a name nothing could register
    if (listed_) return listed_->Contains(static_cast<uint32_t>(id));
    const auto [known, added] = asked_.try_emplace(id, false);
    if (added) known->second = system_.IsAvailable(id);
    return known->second;
}

}  // namespace ptr
