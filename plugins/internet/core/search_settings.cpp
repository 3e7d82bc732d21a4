#include "search_settings.h"

#include "address_text.h"
#include "sjis_text.h"
#include "unicode_text.h"

namespace tlxinet {

namespace {

constexpr const char *kKeyName = "SettingName";
constexpr const char *kKeyHeader = "HeaderURL";
constexpr const char *kKeyFooter = "FooterURL";
constexpr const char *kKeyCharSet = "CharSet";
constexpr const char *kKeyUrlEncode = "UrlEncode";

// Header + keyword + footer within the shell's limit: the keyword, made by
// keywordIn(room), gets what header and footer leave; prefix cuts by whole characters.
template <typename Char, typename Prefix, typename Keyword>
std::basic_string<Char> AssembleAddress(std::basic_string_view<Char> header, std::basic_string_view<Char> footer,
                                        Prefix prefix, Keyword keywordIn) {
    const size_t fixed = header.size() + footer.size();
    const size_t room = fixed < kAddressMaxBytes ? kAddressMaxBytes - fixed : 0;
    std::basic_string<Char> address(header.substr(0, kAddressMaxBytes));
    address += keywordIn(room);
    address += footer;
    address.resize(prefix(address, kAddressMaxBytes).size());
    return address;
}

}  // namespace

bool IsSearchSettingNumber(int number) { return number >= 1 && number <= kSearchSettingCount; }

std::string DefaultSettingName(int number) { return tlx::NumberedName("設定%03d", number); }

std::string SearchSectionName(int number) { return tlx::NumberedName("Search%03d", number - 1); }

SearchSetting DefaultSearchSetting(int number) {
    SearchSetting setting;
    setting.name = DefaultSettingName(number);
    return setting;
}

void ClampSearchSetting(SearchSetting &setting) {
    tlx::CutToBytes(setting.name, kSettingNameMaxBytes);
    tlx::CutToBytes(setting.headerUrl, kUrlPartMaxBytes);
    tlx::CutToBytes(setting.footerUrl, kUrlPartMaxBytes);
}

std::string_view SearchHeader(const SearchSetting &setting) {
    return setting.headerUrl.empty() ? kDefaultSearchHeader : std::string_view(setting.headerUrl);
}

std::string SearchAddress(const SearchSetting &setting, std::string_view keyword) {
    return AssembleAddress<char>(SearchHeader(setting), setting.footerUrl, sjis::SjisPrefix, [&](size_t room) {
        return EncodeKeyword(keyword, setting.charSet, setting.urlEncode != 0, room);
    });
}

bool HasUnicodeAddress(const SearchSetting &setting) {
    return setting.charSet == kCharSetUtf8 && setting.urlEncode == 0;
}

std::u16string UnicodeSearchAddress(std::u16string_view header, std::u16string_view keyword,
                                    std::u16string_view footer) {
    return AssembleAddress<char16_t>(header, footer, utf::Utf16Prefix, [&](size_t room) {
        std::u16string kept;
        for (char16_t c : keyword)
            if (c != u'\r' && c != u'\n' && c != u'\t') kept += c;
        return std::u16string(utf::Utf16Prefix(kept, room));
    });
}

SearchSettings::SearchSettings() {
    for (int n = 1; n <= kSearchSettingCount; ++n) settings_[n - 1] = DefaultSearchSetting(n);
}

void SearchSettings::Load(ProfileStore &store) {
    for (int n = 1; n <= kSearchSettingCount; ++n) {
        const std::string section = SearchSectionName(n);
        const SearchSetting fallback = DefaultSearchSetting(n);
        SearchSetting &setting = settings_[n - 1];
        setting.name = store.ReadText(section, kKeyName, fallback.name);
        setting.headerUrl = store.ReadText(section, kKeyHeader, fallback.headerUrl);
        setting.footerUrl = store.ReadText(section, kKeyFooter, fallback.footerUrl);
        setting.charSet = store.ReadNumber(section, kKeyCharSet, fallback.charSet);
        setting.urlEncode = store.ReadNumber(section, kKeyUrlEncode, fallback.urlEncode);
        ClampSearchSetting(setting);
    }
}

void SearchSettings::Save(ProfileStore &store, int number) const {
    const SearchSetting *setting = Find(number);
    if (!setting) return;
    const std::string section = SearchSectionName(number);
    store.WriteText(section, kKeyName, setting->name);
    store.WriteText(section, kKeyHeader, setting->headerUrl);
    store.WriteText(section, kKeyFooter, setting->footerUrl);
    store.WriteNumber(section, kKeyCharSet, setting->charSet);
    store.WriteNumber(section, kKeyUrlEncode, setting->urlEncode);
}

const SearchSetting *SearchSettings::Find(int number) const {
    return IsSearchSettingNumber(number) ? &settings_[number - 1] : nullptr;
}

SearchSetting *SearchSettings::Find(int number) {
    return IsSearchSettingNumber(number) ? &settings_[number - 1] : nullptr;
}

}  // namespace tlxinet
