// A clipboard text in the two forms a paste may take: the code page 932 text
// that every module boundary carries, and the Unicode text beside it.
#pragma once
#include <string>

namespace tlx {

struct TextForms {
    std::string ansi;        // CF_TEXT, code page 932, without its terminator
    std::u16string unicode;  // CF_UNICODETEXT, or the 8-bit text widened when there is none
    // The Unicode text holds what the 8-bit text cannot (characters outside code
    // page 932): it is set beside the 8-bit text and used in its place. Otherwise
    // everything stays as the 8-bit text alone would have it.
    bool unicodeOwn = false;
    // Read from the clipboard: its 8-bit text was not placed by the copying program but
    // would be made by the system from the Unicode text on request.
    bool ansiMadeBySystem = false;
};

}  // namespace tlx
