// Lengths of the windows' layout at a screen resolution (dots per inch). The layout is
// designed in twips and in pixels at 96 dpi, where nothing is scaled. No Windows header.
#pragma once

namespace tlx {

inline constexpr int kDesignDpi = 96;

// Twips (1/1440 inch) as pixels at dpi, rounded to the nearest.
int TwipsToPixels(double twips, int dpi);
// A length in pixels at fromDpi as pixels at toDpi, rounded to the nearest (halves away
// from zero, so that a rectangle's edges keep their distance whatever its sign).
int Rescale(int pixels, int toDpi, int fromDpi);
// The height CreateFont takes for a size in points at dpi: negative, the height of the
// characters without the line's leading.
int FontHeight(double points, int dpi);

}  // namespace tlx
