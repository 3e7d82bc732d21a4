// The join function's memory: the text of the last join, in both its forms,
// which the next copy is joined to.
#pragma once
#include <optional>

#include "text_forms.h"

namespace tlxtext {

using tlx::TextForms;

enum JoinOrder {
    kCurrentFirst = 0,  // the new copy goes in front of the kept text
    kKeptFirst = 1      // the new copy goes behind it
};

class TextJoiner {
public:
    // The text for the clipboard: `current` alone while nothing is kept,
    // otherwise both texts with the (expanded) separator between them in the
    // given order. Each form is joined from the same form of the parts, so the
    // 8-bit text stays byte for byte what the 8-bit parts were; the Unicode text
    // is its own when that of either text is. The kept text is not changed.
    TextForms Compose(const TextForms &current, const TextForms &separator, int order) const;
    // Called once the composed text reached the clipboard.
    void Keep(TextForms joined) { kept_ = std::move(joined); }
    void Clear() { kept_.reset(); }
    bool HasKept() const { return kept_.has_value(); }

private:
    std::optional<TextForms> kept_;
};

}  // namespace tlxtext
