#include "splash_bars.h"

#include <cmath>

namespace ptr {

namespace {
int Scale(int v, float s) { return static_cast<int>(std::lround(v * s)); }
}

std::array<StripCopy, 4> BarCopies(int x, float s) {
    const int w = kStripWidth, h = Scale(kStripHeight, s), bottom = Scale(kBottomBarTop, s);
    return {{
        {Scale(w - x, s), 0, Scale(x, s), h, 0},
        {0, 0, Scale(w - x, s), h, Scale(x, s)},
        {Scale(x, s), bottom, Scale(w - x, s), h, 0},
        {0, bottom, Scale(x, s), h, Scale(w - x, s)},
    }};
}

int NextSlidePos(int pos, int step) {
    pos += step;
    return pos > kStripWidth ? 0 : pos;
}

}  // namespace ptr
