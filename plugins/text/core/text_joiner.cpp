#include "text_joiner.h"

namespace tlxtext {

std::string TextJoiner::Compose(std::string_view current, std::string_view separator, int order) const {
    if (!kept_) return std::string(current);
    const std::string_view first = order == kKeptFirst ? std::string_view(*kept_) : current;
    const std::string_view second = order == kKeptFirst ? current : std::string_view(*kept_);
    std::string joined;
    joined.reserve(first.size() + separator.size() + second.size());
    joined.append(first).append(separator).append(second);
    return joined;
}

}  // namespace tlxtext
