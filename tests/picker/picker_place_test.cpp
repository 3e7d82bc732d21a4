#include <gtest/gtest.h>

#include "picker_place.h"

namespace {

void ExpectBox(const tlx::Box &expected, const tlx::Box &box) {
    EXPECT_EQ(expected.left, box.left);
    EXPECT_EQ(expected.top, box.top);
    EXPECT_EQ(expected.right, box.right);
    EXPECT_EQ(expected.bottom, box.bottom);
}

const tlx::Box kScreen{0, 0, 1920, 1040};
const tlx::Box kSecond{1920, -200, 3200, 824};   // right of the first, higher up

TEST(PickerPlace, OpensAtTheCursorAndStaysOnItsScreen) {
    struct Case {
        const char *name;
        int x, y;
        tlx::Box area, expected;
    };
    const Case cases[] = {
        {"room everywhere", 100, 100, kScreen, {100, 100, 500, 400}},
        {"near the right edge", 1800, 100, kScreen, {1520, 100, 1920, 400}},
        {"near the bottom", 100, 1000, kScreen, {100, 740, 500, 1040}},
        {"corner", 1919, 1039, kScreen, {1520, 740, 1920, 1040}},
        {"second screen", 3100, -190, kSecond, {2800, -190, 3200, 110}},
        {"area smaller than window", 50, 50, {0, 0, 300, 200}, {0, 0, 400, 300}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectBox(c.expected, tlx::PlaceNearCursor(c.x, c.y, 400, 300, c.area));
    }
}

TEST(PickerPlace, OpensBelowTheCaretOrAboveItWithoutCoveringTheLine) {
    struct Case {
        const char *name;
        tlx::Box caret, area, expected;
    };
    const Case cases[] = {
        {"room below", {100, 100, 101, 118}, kScreen, {100, 118, 500, 418}},
        {"no room below", {100, 900, 101, 918}, kScreen, {100, 600, 500, 900}},
        {"right edge", {1900, 100, 1901, 118}, kScreen, {1520, 118, 1920, 418}},
        {"room on neither side", {100, 200, 101, 918}, kScreen, {100, 740, 500, 1040}},
        {"second screen, high up", {2000, -150, 2001, -130}, kSecond, {2000, -130, 2400, 170}},
        {"second screen, at its bottom", {2000, 800, 2001, 820}, kSecond, {2000, 500, 2400, 800}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ExpectBox(c.expected, tlx::PlaceNearCaret(c.caret, 400, 300, c.area));
    }
}

}  // namespace
