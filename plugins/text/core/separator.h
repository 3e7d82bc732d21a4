// Separators are stored as plain one-line text in which "\n" and "\t" stand for
// a line break and a tab, so that the settings file stays one value per line.
#pragma once
#include <string>
#include <string_view>

namespace tlxtext {

// The separator as it goes between texts: "\n" becomes CR LF, "\t" a TAB and
// "\\" one backslash, replaced in that order over the whole text each time.
std::string ExpandSeparator(std::string_view stored);

}  // namespace tlxtext
