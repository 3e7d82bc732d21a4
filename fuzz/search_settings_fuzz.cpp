// The internet plug-in's Setting.ini with its 100 search settings, as a user may have
// edited it: every setting read is within the lengths the dialog and the address
// allow, an address built from it stays within the shell's limit, and what is saved
// reads back the same.
#include <cstdint>
#include <string>

#include "address_text.h"
#include "ini_text.h"
#include "memory_ini.h"
#include "search_settings.h"

namespace {

class Profile : public tlxinet::ProfileStore {
public:
    explicit Profile(ptr::IniStore &ini) : ini_(ini) {}
    std::string ReadText(const std::string &section, const std::string &key, const std::string &fallback) override {
        return ini_.GetText(section, key, fallback);
    }
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override {
        return ini_.GetNumber(section, key, fallback);
    }
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override {
        ini_.SetText(section, key, value);
    }

private:
    ptr::IniStore &ini_;
};

bool Same(const tlxinet::SearchSetting &a, const tlxinet::SearchSetting &b) {
    return a.name == b.name && a.headerUrl == b.headerUrl && a.footerUrl == b.footerUrl && a.charSet == b.charSet &&
           a.urlEncode == b.urlEncode;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    ptrtest::MemoryIni ini;
    ptrfuzz::ReadIniText(text, ini);
    Profile profile(ini);
    tlxinet::SearchSettings settings;
    settings.Load(profile);

    ptrtest::MemoryIni savedIni;
    Profile saved(savedIni);
    for (int n = 1; n <= tlxinet::kSearchSettingCount; ++n) {
        const tlxinet::SearchSetting &s = *settings.Find(n);
        if (s.name.size() > tlxinet::kSettingNameMaxBytes || s.headerUrl.size() > tlxinet::kUrlPartMaxBytes ||
            s.footerUrl.size() > tlxinet::kUrlPartMaxBytes)
            __builtin_trap();
        // Addresses of the settings the input changed (the others are the defaults).
        if (!Same(s, tlxinet::DefaultSearchSetting(n)) &&
            tlxinet::SearchAddress(s, text.substr(0, 4096)).size() > tlxinet::kAddressMaxBytes)
            __builtin_trap();
        settings.Save(saved, n);
    }
    tlxinet::SearchSettings reread;
    reread.Load(saved);
    for (int n = 1; n <= tlxinet::kSearchSettingCount; ++n)
        if (!Same(*settings.Find(n), *reread.Find(n))) __builtin_trap();
    return 0;
}
