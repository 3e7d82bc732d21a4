// The plug-in's settings as they live in memory, and the mapping between a
// stored separator and the choices the separator dialog offers.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace tlxtext {

struct TextSettings {
    int dataSave = 0;           // nonzero: keep the clipboard text across runs
    std::string fileToTextSep;  // between file names, stored (unexpanded) form
    std::string textAddSep;     // between joined texts, stored form
    int textAddType = 0;        // a JoinOrder
};

// A stored separator is at most this many bytes.
constexpr size_t kMaxSeparatorBytes = 1023;

// The choices of the separator dialog, in the order of its radio buttons.
enum SeparatorChoice {
    kSepNone,
    kSepLineBreak,
    kSepTab,
    kSepSemicolon,
    kSepComma,
    kSepSpace,
    kSepSlash,
    kSepOther,
    kSepChoiceCount
};

SeparatorChoice ChoiceForSeparator(std::string_view stored);
// The stored separator for a choice; `otherText` is used for kSepOther and is
// cut to kMaxSeparatorBytes without splitting a double-byte character.
std::string SeparatorForChoice(SeparatorChoice choice, std::string_view otherText);

}  // namespace tlxtext
