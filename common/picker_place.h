// Where a picker opens: at the mouse cursor, or below the text caret of the window in
// front (above it where there is no room below), moved as little as needed to lie
// fully inside the work area of the screen it opens on. No Windows header.
#pragma once

namespace tlx {

struct Box {
    int left, top, right, bottom;
};

// The window's box of the given size, its top-left corner at the cursor where it
// fits; a window larger than the area starts at the area's top-left corner.
Box PlaceNearCursor(int cursorX, int cursorY, int width, int height, const Box &workArea);
// The window's box below the caret, its left edge at the caret's; above the caret
// when only there it fits; otherwise as near the caret as the area lets it be.
Box PlaceNearCaret(const Box &caret, int width, int height, const Box &workArea);

}  // namespace tlx
