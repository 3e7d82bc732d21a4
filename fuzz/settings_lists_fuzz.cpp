// Setting.ini and CF_Type.ini as a user or another program may have left them: the
// "Main" settings, the clipboard format names, and the numbered lists of watch actions
// and hotkeys, with the key texts the hotkeys show. Whatever was read, saving it and
// reading it back must settle: a second save writes exactly what the first did.
#include <cstdint>
#include <map>
#include <string>

#include "clipboard_types.h"
#include "hotkey_entries.h"
#include "ini_text.h"
#include "memory_ini.h"
#include "settings.h"
#include "watch_actions.h"

namespace {

// Registered formats as the system numbers them: 0xC000 upwards, the same name (in any
// letter case) always the same number.
class Formats : public ptr::ClipboardFormats {
public:
    int32_t Register(const std::string &name) override {
        if (name.empty()) return 0;
        std::string key = name;
        for (char &c : key)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        const auto [it, added] = ids_.emplace(key, 0xC000 + static_cast<int32_t>(ids_.size()));
        if (added) names_[it->second] = name;
        return it->second;
    }
    std::string RegisteredName(int32_t id) const override {
        const auto it = names_.find(id);
        return it == names_.end() ? "" : it->second;
    }
    bool IsAvailable(int32_t) const override { return false; }

private:
    std::map<std::string, int32_t> ids_;
    std::map<int32_t, std::string> names_;
};

ptrfuzz::WriteLog SaveWatch(const ptr::IniStore &from, const ptr::ClipboardTypeList &types, Formats &formats) {
    ptrfuzz::WriteLog log;
    ptr::SaveWatchActions(ptr::LoadWatchActions(from, types, formats), log);
    return log;
}

ptrfuzz::WriteLog SaveHotkeys(const ptr::IniStore &from) {
    ptrfuzz::WriteLog log;
    const std::vector<ptr::HotkeyEntry> entries = ptr::ReadHotkeyEntries(from);
    int n = 1;
    for (const ptr::HotkeyEntry &entry : entries) {
        ptr::WriteHotkeyEntry(log, n++, entry);
        if (ptr::GetKeyText(entry.KeyCode, entry.KeyMod, false, false).empty()) __builtin_trap();
        if (ptr::GetKeyText(entry.KeyCode, entry.KeyMod, true, false).empty()) __builtin_trap();
    }
    ptr::WriteHotkeyEndMarker(log, n);
    return log;
}

ptrfuzz::WriteLog SaveMain(const ptr::IniStore &from) {
    ptrfuzz::WriteLog log;
    ptr::SaveSettings(ptr::LoadSettings(from), log);
    return log;
}

template <typename Save>
void ExpectSettles(const ptrfuzz::WriteLog &first, Save save) {
    ptrtest::MemoryIni reread;
    first.ReplayInto(reread);
    if (save(reread).writes != first.writes) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    ptrtest::MemoryIni ini;
    ptrfuzz::ReadIniText(std::string_view(reinterpret_cast<const char *>(data), size), ini);
    Formats formats;
    ptr::ClipboardTypeList types;
    types.Load(ini, formats);
    if (types.Items().empty()) __builtin_trap();

    ExpectSettles(SaveMain(ini), SaveMain);
    ExpectSettles(SaveWatch(ini, types, formats), [&](const ptr::IniStore &s) { return SaveWatch(s, types, formats); });
    ExpectSettles(SaveHotkeys(ini), SaveHotkeys);
    return 0;
}
