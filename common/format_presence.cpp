#include "format_presence.h"

namespace tlx {

FormatPresence::FormatPresence(std::optional<std::vector<uint32_t>> listed, Ask ask) : ask_(std::move(ask)) {
    if (listed) listed_.emplace(std::move(*listed));
}

bool FormatPresence::Has(uint32_t format) const {
    if (listed_) return listed_->Contains(format);
    const auto [known, added] = asked_.try_emplace(format, false);
    if (added && ask_) known->second = ask_(format);
    return known->second;
}

}  // namespace tlx
