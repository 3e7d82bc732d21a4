#include "text_settings.h"

#include <iterator>

namespace tlxtext {

namespace {
// Stored forms of the fixed choices, indexed by SeparatorChoice.
constexpr std::string_view kFixedSeparators[] = {"", "\\n", "\\t", ";", ",", " ", "/"};
static_assert(std::size(kFixedSeparators) == kSepOther);

bool IsCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
}  // namespace

SeparatorChoice ChoiceForSeparator(std::string_view stored) {
    for (int i = 0; i < kSepOther; ++i)
        if (stored == kFixedSeparators[i]) return static_cast<SeparatorChoice>(i);
    return kSepOther;
}

std::string SeparatorForChoice(SeparatorChoice choice, std::string_view otherText) {
    if (choice >= 0 && choice < kSepOther) return std::string(kFixedSeparators[choice]);
    return TruncateCp932(otherText, kMaxSeparatorBytes);
}

std::string TruncateCp932(std::string_view text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t width = IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > maxBytes) break;
        end += width;
    }
    return std::string(text.substr(0, end < text.size() ? end : text.size()));
}

std::string PluginDataFolder(std::string_view modulePath) {
    const size_t slash = modulePath.find_last_of("\\/");
    const size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const size_t dot = modulePath.rfind('.');
    const size_t end = dot != std::string_view::npos && dot > nameStart ? dot : modulePath.size();
    return std::string(modulePath.substr(0, end)) + "\\";
}

}  // namespace tlxtext
