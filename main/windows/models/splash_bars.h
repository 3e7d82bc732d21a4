// The splash window's two colour bars: where each piece of the strip goes for a slide
// position, and how the position advances. No Windows header.
#pragma once
#include <array>

namespace ptr {

inline constexpr int kStripWidth = 320;    // pixels at scale 1
inline constexpr int kStripHeight = 12;
inline constexpr int kBottomBarTop = 108;
inline constexpr int kSplashWidth = 320;
inline constexpr int kSplashHeight = 120;

// One copy from the strip into the window's image, in pixels.
struct StripCopy {
    int dstX, dstY, width, height, srcX;
};

// The four copies that draw both bars at slide position x (0..320), every coordinate
// scaled and rounded: the top bar shows the strip rotated left by x, the bottom bar
// rotated right by x.
std::array<StripCopy, 4> BarCopies(int x, float scale);

// The position after a report of `step`: past 320 it starts again at 0.
int NextSlidePos(int pos, int step);

}  // namespace ptr
