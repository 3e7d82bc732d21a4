#include "text_settings.h"

#include <iterator>

#include "sjis_text.h"

namespace tlxtext {

namespace {
// Stored forms of the fixed choices, indexed by SeparatorChoice.
constexpr std::string_view kFixedSeparators[] = {"", "\\n", "\\t", ";", ",", " ", "/"};
static_assert(std::size(kFixedSeparators) == kSepOther);

}  // namespace

SeparatorChoice ChoiceForSeparator(std::string_view stored) {
    for (int i = 0; i < kSepOther; ++i)
        if (stored == kFixedSeparators[i]) return static_cast<SeparatorChoice>(i);
    return kSepOther;
}

std::string SeparatorForChoice(SeparatorChoice choice, std::string_view otherText) {
    if (choice >= 0 && choice < kSepOther) return std::string(kFixedSeparators[choice]);
    return std::string(sjis::SjisPrefix(otherText, kMaxSeparatorBytes));
}


}  // namespace tlxtext
