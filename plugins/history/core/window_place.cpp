#include "window_place.h"

#include <algorithm>

namespace tlxhistory {

namespace {
int Fit(int wanted, int size, int low, int high) { return std::max(low, std::min(wanted, high - size)); }
}  // namespace

Box PlaceNearCursor(int cursorX, int cursorY, int width, int height, const Box &workArea) {
    const int left = Fit(cursorX, width, workArea.left, workArea.right);
    const int top = Fit(cursorY, height, workArea.top, workArea.bottom);
    return Box{left, top, left + width, top + height};
}

}  // namespace tlxhistory
