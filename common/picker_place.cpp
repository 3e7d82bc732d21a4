#include "picker_place.h"

#include <algorithm>

namespace tlx {

namespace {
int Fit(int wanted, int size, int low, int high) { return std::max(low, std::min(wanted, high - size)); }
}  // namespace

Box PlaceNearCursor(int cursorX, int cursorY, int width, int height, const Box &workArea) {
    const int left = Fit(cursorX, width, workArea.left, workArea.right);
    const int top = Fit(cursorY, height, workArea.top, workArea.bottom);
    return Box{left, top, left + width, top + height};
}

Box PlaceNearCaret(const Box &caret, int width, int height, const Box &workArea) {
    const int left = Fit(caret.left, width, workArea.left, workArea.right);
    const bool roomBelow = caret.bottom + height <= workArea.bottom;
    const bool roomAbove = caret.top - height >= workArea.top;
    const int wanted = roomBelow || !roomAbove ? caret.bottom : caret.top - height;
    const int top = Fit(wanted, height, workArea.top, workArea.bottom);
    return Box{left, top, left + width, top + height};
}

}  // namespace tlx
