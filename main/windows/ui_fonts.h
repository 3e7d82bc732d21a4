// The fonts of the program's windows. The faces the windows ask for are those of a
// Japanese Windows; where one is missing a face of the same kind takes its place, so
// that texts keep their designed widths instead of falling back to any font.
#pragma once
#include <windows.h>

namespace ptr {

// A font of the face at the size in points (at the screen's resolution).
HFONT CreateUiFont(const char *face, double points, bool bold);
// The face CreateUiFont uses for the wanted one.
const char *AvailableFace(const char *face);

}  // namespace ptr
