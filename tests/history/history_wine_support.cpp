#include "history_wine_support.h"

#include <windows.h>

#include "unicode_text.h"

namespace historytest {

std::string Utf16Bytes(const std::u16string &text) {
    return std::string(reinterpret_cast<const char *>(text.data()), text.size() * 2) + std::string(2, '\0');
}

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

Formatted FormattedCopy(const std::u16string &text) {
    // The fragment's offsets are not checked by anything that keeps the form as it came.
    const std::string fragment = "<b>" + utf::Utf8FromUtf16(text) + "</b>";
    Formatted copy;
    copy.html = "Version:0.9\r\nStartHTML:-1\r\nEndHTML:-1\r\nStartFragment:0\r\nEndFragment:0\r\n"
                "<html><body><!--StartFragment-->" + fragment + "<!--EndFragment--></body></html>";
    copy.rtf = "{\\rtf1\\ansi {\\b formatted}\\par}";
    copy.blocks = {{CF_UNICODETEXT, Utf16Bytes(text)},
                   {RegisterClipboardFormatA("HTML Format"), copy.html + '\0'},
                   {RegisterClipboardFormatA("Rich Text Format"), copy.rtf + '\0'}};
    return copy;
}

}  // namespace historytest
