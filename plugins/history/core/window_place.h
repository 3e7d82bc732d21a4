// Where a popup opens: beside the mouse cursor, moved as little as needed to lie
// fully inside the work area of the screen that holds the cursor.
#pragma once

namespace tlxhistory {

struct Box {
    int left, top, right, bottom;
};

// The window's box of the given size, its top-left corner at the cursor where it
// fits; a window larger than the area starts at the area's top-left corner.
Box PlaceNearCursor(int cursorX, int cursorY, int width, int height, const Box &workArea);

}  // namespace tlxhistory
