// The watch action editor's rules that need no window: how the action's format text is
// shown in the format list and the other-formats box, and how the choice is written
// back; the check list's text.
#pragma once
#include <string>
#include <vector>

#include "clipboard_types.h"

namespace ptr {

// The entries the format list offers: those of CF_Type.ini that have a Value, in file order.
std::vector<ClipboardType> ListedFormats(const ClipboardTypeList &types);

struct FormatChoice {
    std::vector<bool> selected;   // one per listed entry
    std::string otherText;        // the wanted values no entry took, one per line (CR LF)
};

// Splits the action's format text at "," and matches every wanted value with at most
// one listed entry (case-insensitively), and every entry with at most one value: the
// same format named twice is selected once and its second mention goes to the box.
FormatChoice MatchWantedFormats(const std::vector<ClipboardType> &listed, const std::string &clipboardType);

// The format text of the choice: the selected entries' values in list order, then the
// box's lines; an empty line stays an empty item between commas.
std::string JoinChosenFormats(const std::vector<std::string> &selectedValues, const std::string &otherText);

// An action without any format runs on every format, whatever the box says.
inline bool ChosenAllType(const std::string &clipboardType, bool allDataChecked) {
    return allDataChecked || clipboardType.empty();
}

// The check functions' references as the editor takes and gives them, joined by ":".
// An empty text is an empty list, not one empty reference.
std::vector<std::string> SplitCheckList(const std::string &pluginCheck);
std::string JoinCheckList(const std::vector<std::string> &references);

// The row that becomes current after removing row `removed` from a list that has
// `remaining` rows left: the same position, else the last row; -1 for an empty list.
int CurrentAfterRemoval(int removed, int remaining);

}  // namespace ptr
