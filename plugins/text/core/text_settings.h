// The plug-in's settings, kept in the [Main] section of its Setting.ini, and the
// mapping between a stored separator and the choices the separator dialog offers.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "profile_store.h"

namespace tlxtext {

// A stored separator is at most this many bytes.
constexpr size_t kMaxSeparatorBytes = 1023;

struct TextSettings {
    int dataSave = 0;           // nonzero: keep the clipboard text across runs
    std::string fileToTextSep;  // between file names, stored (unexpanded) form
    std::string textAddSep;     // between joined texts, stored form
    int textAddType = 0;        // a JoinOrder

    // A separator longer than kMaxSeparatorBytes is cut at a character.
    void Load(tlx::ProfileStore &store);
    void SaveDataSave(tlx::ProfileStore &store) const;
    void SaveFileToTextSep(tlx::ProfileStore &store) const;
    // The join's separator and order.
    void SaveTextAdd(tlx::ProfileStore &store) const;
};

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
