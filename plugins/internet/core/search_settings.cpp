#include "search_settings.h"

#include <cstdio>

#include "address_text.h"
#include "sjis_text.h"

namespace tlxinet {

namespace {

constexpr const char *kKeyName = "SettingName";
constexpr const char *kKeyHeader = "HeaderURL";
constexpr const char *kKeyFooter = "FooterURL";
constexpr const char *kKeyCharSet = "CharSet";
constexpr const char *kKeyUrlEncode = "UrlEncode";

std::string Numbered(const char *format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void Clamp(std::string &text, size_t maxBytes) { text.resize(sjis::SjisPrefix(text, maxBytes).size()); }

}  // namespace

bool IsSearchSettingNumber(int number) { return number >= 1 && number <= kSearchSettingCount; }

std::string DefaultSettingName(int number) { return Numbered("設定%03d", number); }

std::string SearchSectionName(int number) { return Numbered("Search%03d", number - 1); }

SearchSetting DefaultSearchSetting(int number) {
    SearchSetting setting;
    setting.name = DefaultSettingName(number);
    return setting;
}

void ClampSearchSetting(SearchSetting &setting) {
    Clamp(setting.name, kSettingNameMaxBytes);
    Clamp(setting.headerUrl, kUrlPartMaxBytes);
    Clamp(setting.footerUrl, kUrlPartMaxBytes);
}

std::string SearchAddress(const SearchSetting &setting, std::string_view keyword) {
    const std::string_view header = setting.headerUrl.empty() ? kDefaultSearchHeader : setting.headerUrl;
    const size_t fixed = header.size() + setting.footerUrl.size();
    const size_t room = fixed < kAddressMaxBytes ? kAddressMaxBytes - fixed : 0;
    std::string address(header.substr(0, kAddressMaxBytes));
    address += EncodeKeyword(keyword, setting.charSet, setting.urlEncode != 0, room);
    address += setting.footerUrl;
    address.resize(sjis::SjisPrefix(address, kAddressMaxBytes).size());
    return address;
}

SearchSettings::SearchSettings() {
    for (int n = 1; n <= kSearchSettingCount; ++n) settings_[n - 1] = DefaultSearchSetting(n);
}

void SearchSettings::Load(ProfileStore &store) {
    for (int n = 1; n <= kSearchSettingCount; ++n) {
        const std::string section = SearchSectionName(n);
        const SearchSetting fallback = DefaultSearchSetting(n);
        SearchSetting &setting = settings_[n - 1];
        if (!store.HasEntries(section)) {
            setting = fallback;
            continue;
        }
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
    store.WriteText(section, kKeyCharSet, std::to_string(setting->charSet));
    store.WriteText(section, kKeyUrlEncode, std::to_string(setting->urlEncode));
}

const SearchSetting *SearchSettings::Find(int number) const {
    return IsSearchSettingNumber(number) ? &settings_[number - 1] : nullptr;
}

SearchSetting *SearchSettings::Find(int number) {
    return IsSearchSettingNumber(number) ? &settings_[number - 1] : nullptr;
}

}  // namespace tlxinet
