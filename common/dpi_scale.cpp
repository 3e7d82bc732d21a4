#include "dpi_scale.h"

#include <cmath>

namespace tlx {

namespace {
// A resolution nobody could have: the design's, so nothing is scaled by nonsense.
int Usable(int dpi) { return dpi > 0 ? dpi : kDesignDpi; }
}  // namespace

int TwipsToPixels(double twips, int dpi) { return static_cast<int>(std::lround(twips * Usable(dpi) / 1440.0)); }

int Rescale(int pixels, int toDpi, int fromDpi) {
    return static_cast<int>(std::lround(static_cast<double>(pixels) * Usable(toDpi) / Usable(fromDpi)));
}

int FontHeight(double points, int dpi) { return -static_cast<int>(std::lround(points * Usable(dpi) / 72.0)); }

}  // namespace tlx
