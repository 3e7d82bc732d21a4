// The fonts of the program's windows. The faces the windows ask for are those of a
// Japanese Windows; where one is missing a face of the same kind takes its place, so
// that texts keep their designed widths instead of falling back to any font.
#pragma once
#include <windows.h>

namespace ptr {

// A font of the face at the size in points, for a window at dpi.
HFONT CreateUiFont(const char *face, double points, bool bold, int dpi);
// The font of the program's dialogs at dpi, the settings window's face and size; made
// once per resolution, kept for the process.
HFONT DialogFont(int dpi);
// The face CreateUiFont uses for the wanted one.
const char *AvailableFace(const char *face);

}  // namespace ptr
