#include "text_settings.h"

#include <iterator>

#include "sjis_text.h"

namespace tlxtext {

namespace {
// Stored forms of the fixed choices, indexed by SeparatorChoice.
constexpr std::string_view kFixedSeparators[] = {"", "\\n", "\\t", ";", ",", " ", "/"};
static_assert(std::size(kFixedSeparators) == kSepOther);

constexpr const char *kSection = "Main";
constexpr const char *kKeyDataSave = "DataSave";
constexpr const char *kKeyFileToTextSep = "FileToTextSep";
constexpr const char *kKeyTextAddSep = "TextAddSep";
constexpr const char *kKeyTextAddType = "TextAddType";

std::string ReadSeparator(tlx::ProfileStore &store, const char *key) {
    std::string separator = store.ReadText(kSection, key, "");
    tlx::CutToBytes(separator, kMaxSeparatorBytes);
    return separator;
}

}  // namespace

void TextSettings::Load(tlx::ProfileStore &store) {
    dataSave = store.ReadNumber(kSection, kKeyDataSave, 0);
    fileToTextSep = ReadSeparator(store, kKeyFileToTextSep);
    textAddSep = ReadSeparator(store, kKeyTextAddSep);
    textAddType = store.ReadNumber(kSection, kKeyTextAddType, 0);
}

void TextSettings::SaveDataSave(tlx::ProfileStore &store) const { store.WriteNumber(kSection, kKeyDataSave, dataSave); }

// Separators quoted, so that blanks at either end survive.
void TextSettings::SaveFileToTextSep(tlx::ProfileStore &store) const {
    store.WriteQuoted(kSection, kKeyFileToTextSep, fileToTextSep);
}

void TextSettings::SaveTextAdd(tlx::ProfileStore &store) const {
    store.WriteQuoted(kSection, kKeyTextAddSep, textAddSep);
    store.WriteNumber(kSection, kKeyTextAddType, textAddType);
}

SeparatorChoice ChoiceForSeparator(std::string_view stored) {
    for (int i = 0; i < kSepOther; ++i)
        if (stored == kFixedSeparators[i]) return static_cast<SeparatorChoice>(i);
    return kSepOther;
}

std::string SeparatorForChoice(SeparatorChoice choice, std::string_view otherText) {
    if (choice >= 0 && choice < kSepOther) return std::string(kFixedSeparators[choice]);
    return std::string(sjis::SjisPrefix(otherText, kMaxSeparatorBytes));
}

}  // namespace tlxtext
