#include "search_fold.h"

namespace tlx {

std::u16string FoldForSearch(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t &unit : folded) unit = FoldForSearch(unit);
    return folded;
}

}  // namespace tlx
