#include "split_to_array.h"

#include <vector>

#include "text_util.h"

namespace ptr {

void SplitToArray(std::string_view text, std::string_view separator, std::initializer_list<SplitTarget> targets) {
    const std::vector<std::string> parts = SplitText(text, separator);
    size_t i = 0;
    for (const SplitTarget &target : targets) {
        if (i >= parts.size()) break;
        const std::string &part = parts[i++];
        if (auto *s = std::get_if<std::string *>(&target))
            **s = part;
        else
            *std::get<int32_t *>(target) = LeadingInteger(part);
    }
}

}  // namespace ptr
