// Lengths of the layout at the display scales: unchanged at 96 dpi, rounded to the
// nearest pixel elsewhere, symmetric for negative positions.
#include <gtest/gtest.h>

#include "dpi_scale.h"

using namespace tlx;

TEST(DpiScale, TwipsToPixelsRoundToTheNearest) {
    const struct {
        double twips;
        int dpi, pixels;
    } cases[] = {
        {1455, 96, 97},     // 97.0
        {1455, 144, 146},   // 145.5 rounds up
        {1455, 192, 194},   // 194.0
        {6855, 120, 571},   // 571.25
        {292 * 1.3, 96, 25},  // help mode: 25.3
        {-30, 144, -3},     // a margin left of a control: -3.0
        {1455, 0, 97},      // no resolution known: the design's
    };
    for (const auto &c : cases) EXPECT_EQ(c.pixels, TwipsToPixels(c.twips, c.dpi)) << c.twips << " at " << c.dpi;
}

TEST(DpiScale, RescaleKeepsDesignSizesAtNinetySixAndRoundsHalvesAwayFromZero) {
    const struct {
        int pixels, to, from, result;
    } cases[] = {
        {320, 96, 96, 320},   // nothing changes at the design's resolution
        {320, 120, 96, 400},  {320, 144, 96, 480}, {320, 192, 96, 640},
        {5, 144, 96, 8},      // 7.5
        {-5, 144, 96, -8},    // -7.5: a rectangle's edges keep their distance
        {480, 96, 144, 320},  // back to a monitor of 100 %
        {7, 192, 0, 14},      // an unknown resolution counts as 96
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.result, Rescale(c.pixels, c.to, c.from)) << c.pixels << " from " << c.from << " to " << c.to;
}

TEST(DpiScale, FontHeightIsTheNegativeCharacterHeight) {
    const struct {
        double points;
        int dpi, height;
    } cases[] = {
        {9, 96, -12}, {9, 120, -15}, {9, 144, -18}, {9, 192, -24}, {8.25, 96, -11}, {8.25, 144, -17}, {18, 120, -30},
    };
    for (const auto &c : cases) EXPECT_EQ(c.height, FontHeight(c.points, c.dpi)) << c.points << " pt at " << c.dpi;
}
