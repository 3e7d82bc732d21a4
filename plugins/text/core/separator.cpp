#include "separator.h"

namespace tlxtext {

static std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
        out.append(text, pos, hit - pos);
        out.append(to);
    }
    out.append(text, pos);
    return out;
}

std::string ExpandSeparator(std::string_view stored) {
    std::string text = ReplaceAll(stored, "\\n", "\r\n");
    text = ReplaceAll(text, "\\t", "\t");
    return ReplaceAll(text, "\\\\", "\\");
}

}  // namespace tlxtext
