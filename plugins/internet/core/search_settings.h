// The 100 numbered search settings of the keyword search and their INI sections.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "keyword.h"
#include "profile_store.h"

namespace tlxinet {

inline constexpr int kSearchSettingCount = 100;
inline constexpr size_t kSettingNameMaxBytes = 255;
inline constexpr size_t kUrlPartMaxBytes = 1023;

// Used when a setting has no header URL; the keyword follows directly.
inline constexpr std::string_view kDefaultSearchHeader = "http://www.google.co.jp/search?q=";

struct SearchSetting {
    std::string name;
    std::string headerUrl;
    std::string footerUrl;
    int32_t charSet = kCharSetUtf8;
    int32_t urlEncode = 1;  // nonzero: percent-encode the keyword
};

using tlx::ProfileStore;

bool IsSearchSettingNumber(int number);
// "設定007" for setting 7.
std::string DefaultSettingName(int number);
// "Search006" for setting 7.
std::string SearchSectionName(int number);
SearchSetting DefaultSearchSetting(int number);
// Cuts the texts to the lengths the settings dialog and the file hold, never inside a character.
void ClampSearchSetting(SearchSetting &setting);

// The setting's header URL, or the default search address when it has none.
std::string_view SearchHeader(const SearchSetting &setting);

// Header + keyword + footer, the keyword encoded by the setting and shortened by
// whole characters so that the address keeps within the shell's limit.
std::string SearchAddress(const SearchSetting &setting, std::string_view keyword);

// Whether the search address goes to the shell as Unicode: an unencoded UTF-8
// keyword is meant as the characters themselves, and its bytes in an 8-bit
// address would be read as code page 932 on the way.
bool HasUnicodeAddress(const SearchSetting &setting);

// The Unicode address likewise, from the header and footer in UTF-16 and the
// copied Unicode text; line breaks and tabs are dropped from the keyword.
std::u16string UnicodeSearchAddress(std::u16string_view header, std::u16string_view keyword,
                                    std::u16string_view footer);

class SearchSettings {
public:
    SearchSettings();
    void Load(ProfileStore &store);
    // Writes the section of one setting with all its keys.
    void Save(ProfileStore &store, int number) const;
    // nullptr for a number outside 1 to 100.
    const SearchSetting *Find(int number) const;
    SearchSetting *Find(int number);

private:
    std::array<SearchSetting, kSearchSettingCount> settings_;
};

}  // namespace tlxinet
