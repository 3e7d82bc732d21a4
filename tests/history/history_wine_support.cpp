#include "history_wine_support.h"

#include <windows.h>

namespace historytest {

std::string SmallDib() {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 4;
    header.biHeight = 3;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::string dib(reinterpret_cast<const char *>(&header), sizeof header);
    for (int pixel = 0; pixel < 12; ++pixel) dib += std::string("\x20\x80\xe0", 3);
    return dib;
}

}  // namespace historytest
