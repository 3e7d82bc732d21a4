#include "damaged_file.h"

namespace tlx {

std::optional<std::string> SetAsideName(const std::string &path,
                                        const std::function<bool(const std::string &)> &exists) {
    const std::string base = path + ".damaged";
    if (!exists(base)) return base;
    for (int n = 2; n <= kMaxAsideNumber; ++n)
        if (!exists(base + std::to_string(n))) return base + std::to_string(n);
    return std::nullopt;
}

}  // namespace tlx
