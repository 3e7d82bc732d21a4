// The hotkey editor's rules that need no window: the key categories and their codes,
// the modifier boxes, and when a combination has to be tried.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ptr {

// In the order of the category list; "全て" comes first and holds the other three.
enum HotkeyCategory : int { kKeysAll = 0, kKeysAlphabet = 1, kKeysDigits = 2, kKeysFunction = 3 };
inline constexpr int kHotkeyCategoryCount = 4;
const char *HotkeyCategoryCaption(int category);

struct HotkeyKey {
    int32_t code;        // virtual-key code
    std::string text;    // as the key list shows it
};
// The keys of a category in list order; none for a number outside the list.
std::vector<HotkeyKey> HotkeyCategoryKeys(int category);
// The position of the key with that code, or 0 (the first key) when the list lacks it.
int KeyIndexOf(const std::vector<HotkeyKey> &keys, int32_t code);

// The modifier boxes in order with their bits: Alt, Ctrl, Shift, Windows.
inline constexpr int kModifierBoxCount = 4;
inline constexpr std::array<int32_t, kModifierBoxCount> kModifierBoxBits{1, 2, 4, 8};
inline constexpr std::array<const char *, kModifierBoxCount> kModifierBoxCaptions{"Alt", "Ctrl", "Shift", "Windows"};
int32_t ModifierBitsOf(const std::array<bool, kModifierBoxCount> &checked);

// Whether the chosen combination must be tried: always for a new entry (mode 0); for a
// changed entry only when key or modifiers differ from those it came with, since the
// program itself holds the unchanged one.
bool IsHotkeyTestDue(int editMode, int32_t originalKey, int32_t originalMod, int32_t key, int32_t mod);

}  // namespace ptr
