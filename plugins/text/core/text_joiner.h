// The join function's memory: the text of the last join, which the next copy
// is joined to.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tlxtext {

enum JoinOrder {
    kCurrentFirst = 0,  // the new copy goes in front of the kept text
    kKeptFirst = 1      // the new copy goes behind it
};

class TextJoiner {
public:
    // The text for the clipboard: `current` alone while nothing is kept,
    // otherwise both texts with the (expanded) separator between them in
    // the given order. Built in one pass; the kept text is not changed.
    std::string Compose(std::string_view current, std::string_view separator, int order) const;
    // Called once the composed text reached the clipboard.
    void Keep(std::string joined) { kept_ = std::move(joined); }
    void Clear() { kept_.reset(); }
    bool HasKept() const { return kept_.has_value(); }

private:
    std::optional<std::string> kept_;
};

}  // namespace tlxtext
