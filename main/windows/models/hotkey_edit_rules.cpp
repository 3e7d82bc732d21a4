#include "hotkey_edit_rules.h"

#include "hotkey_entries.h"

namespace ptr {

namespace {

struct CodeRange {
    int32_t first, last;
};
constexpr CodeRange kAlphabet{65, 90};   // A to Z
constexpr CodeRange kDigits{48, 57};     // 0 to 9
constexpr CodeRange kFunction{112, 127}; // F1 to F16

const char *const kCaptions[kHotkeyCategoryCount] = {"全て", "アルファベット", "数字", "ファンクション"};

void AddRange(std::vector<HotkeyKey> &keys, CodeRange range) {
    for (int32_t code = range.first; code <= range.last; ++code)
        keys.push_back({code, GetKeyText(code, 0, false, true)});
}

}  // namespace

const char *HotkeyCategoryCaption(int category) {
    return category >= 0 && category < kHotkeyCategoryCount ? kCaptions[category] : "";
}

std::vector<HotkeyKey> HotkeyCategoryKeys(int category) {
    std::vector<HotkeyKey> keys;
    if (category == kKeysAll || category == kKeysAlphabet) AddRange(keys, kAlphabet);
    if (category == kKeysAll || category == kKeysDigits) AddRange(keys, kDigits);
    if (category == kKeysAll || category == kKeysFunction) AddRange(keys, kFunction);
    return keys;
}

int KeyIndexOf(const std::vector<HotkeyKey> &keys, int32_t code) {
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i].code == code) return static_cast<int>(i);
    return 0;
}

int32_t ModifierBitsOf(const std::array<bool, kModifierBoxCount> &checked) {
    int32_t bits = 0;
    for (int i = 0; i < kModifierBoxCount; ++i)
        if (checked[i]) bits |= kModifierBoxBits[i];
    return bits;
}

bool IsHotkeyTestDue(int editMode, int32_t originalKey, int32_t originalMod, int32_t key, int32_t mod) {
    return editMode == 0 || key != originalKey || mod != originalMod;
}

}  // namespace ptr
