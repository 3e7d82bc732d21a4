#include "text_joiner.h"


namespace tlxtext {

namespace {
// Built in one pass, so that texts of megabytes are copied once.
template <typename Text>
Text Join(const Text &first, const Text &separator, const Text &second) {
    Text joined;
    joined.reserve(first.size() + separator.size() + second.size());
    joined.append(first).append(separator).append(second);
    return joined;
}
}  // namespace

TextForms TextJoiner::Compose(const TextForms &current, const TextForms &separator, int order) const {
    if (!kept_) return current;
    const TextForms &first = order == kKeptFirst ? *kept_ : current;
    const TextForms &second = order == kKeptFirst ? current : *kept_;
    return TextForms{Join(first.ansi, separator.ansi, second.ansi),
                     Join(first.unicode, separator.unicode, second.unicode),
                     current.unicodeOwn || kept_->unicodeOwn};
}

}  // namespace tlxtext
