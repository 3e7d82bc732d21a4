// What a search of the pickers matches: letter case aside, full-width and half-width
// letters and digits alike. No Windows header.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tlx {

// Full-width ASCII forms (U+FF01–FF5E) and the ideographic space become their
// half-width forms, ASCII capitals small letters.
inline char16_t FoldForSearch(char16_t unit) {
    if (unit >= 0xFF01 && unit <= 0xFF5E) unit = static_cast<char16_t>(unit - 0xFEE0);
    else if (unit == 0x3000) unit = u' ';
    if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
    return unit;
}
std::u16string FoldForSearch(std::u16string_view text);

// Whether the units hold the folded needle, each unit folded as it is compared. Units
// is anything with size() and operator[] giving UTF-16 units, so that a text kept in
// another form is searched where it lies instead of being copied for every keystroke.
template <typename Units>
bool ContainsFolded(const Units &haystack, std::u16string_view foldedNeedle) {
    if (foldedNeedle.empty()) return true;
    if (haystack.size() < foldedNeedle.size()) return false;
    const char16_t first = foldedNeedle[0];
    for (size_t at = 0; at + foldedNeedle.size() <= haystack.size(); ++at) {
        if (FoldForSearch(haystack[at]) != first) continue;
        size_t matched = 1;
        while (matched < foldedNeedle.size() && FoldForSearch(haystack[at + matched]) == foldedNeedle[matched])
            ++matched;
        if (matched == foldedNeedle.size()) return true;
    }
    return false;
}

}  // namespace tlx
