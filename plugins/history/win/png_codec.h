// Images as the history keeps them: PNG through the Windows Imaging Component.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tlxhistory {

// The bitmap as a PNG file (its alpha ignored: most copied bitmaps carry none).
std::optional<std::string> PngFromBitmap(HBITMAP bitmap);
// A packed bottom-up 24-bit DIB (BITMAPINFOHEADER and pixels), as CF_DIB holds it.
std::optional<std::string> DibFromPng(std::string_view png);

}  // namespace tlxhistory
