#include "watch_edit_rules.h"

#include "text_util.h"

namespace ptr {

std::vector<ClipboardType> ListedFormats(const ClipboardTypeList &types) {
    std::vector<ClipboardType> listed;
    for (const ClipboardType &type : types.Items())
        if (!type.Value.empty()) listed.push_back(type);
    return listed;
}

FormatChoice MatchWantedFormats(const std::vector<ClipboardType> &listed, const std::string &clipboardType) {
    std::vector<std::string> wanted = SplitText(clipboardType, ",");
    FormatChoice choice;
    choice.selected.assign(listed.size(), false);
    for (size_t i = 0; i < listed.size(); ++i) {
        for (std::string &value : wanted) {
            if (!value.empty() && EqualsNoCase(value, listed[i].Value)) {
                choice.selected[i] = true;
                value.clear();   // taken: a second mention of the format is left over
                break;
            }
        }
    }
    std::vector<std::string> rest;
    for (const std::string &value : wanted)
        if (!value.empty()) rest.push_back(value);
    choice.otherText = JoinText(rest, "\r\n");
    return choice;
}

std::string JoinChosenFormats(const std::vector<std::string> &selectedValues, const std::string &otherText) {
    std::vector<std::string> parts = selectedValues;
    if (!otherText.empty())
        for (std::string &line : SplitText(otherText, "\r\n")) parts.push_back(std::move(line));
    return JoinText(parts, ",");
}

std::vector<std::string> SplitCheckList(const std::string &pluginCheck) {
    if (pluginCheck.empty()) return {};
    return SplitText(pluginCheck, ":");
}

std::string JoinCheckList(const std::vector<std::string> &references) { return JoinText(references, ":"); }

int CurrentAfterRemoval(int removed, int remaining) {
    if (remaining <= 0) return -1;
    return removed < remaining ? removed : remaining - 1;
}

}  // namespace ptr
