// One function of a loaded plug-in: its record and the names of its numbered settings,
// read at load time (and again when the plug-in says they changed) and answered from
// memory.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "plugin_proxy.h"

namespace ptr {

// A plug-in may claim any number of settings; the host reads at most this many names.
// (The phrases list theirs, one per phrase, whatever their numbers.)
inline constexpr int32_t kMaxFunctionSettings = 100000;
inline constexpr const char *kNoSettingName = "(設定名無し)";

class vbKXPluginFunction {
public:
    explicit vbKXPluginFunction(PluginProxy &proxy) : proxy_(proxy) {}

    // Reads the record and every setting name: those the plug-in lists (PIN_NextFuncSetting),
    // or 1 .. FuncNameNumMax; names read before are forgotten.
    bool LoadFunction(intptr_t pluginId, int32_t funcno);
    // Reads one setting's name again (a listed function's setting may be new).
    void LoadSettingName(int32_t setno);

    int32_t FunctionNumber() const { return funcno_; }
    std::string FunctionName() const;
    std::string FunctionComment() const;
    int32_t FunctionType() const { return record_.FunctionType; }
    bool IsSetting() const { return record_.IsSetting != 0; }
    // The highest setting this function has; a negative or absurd claim is bounded.
    int32_t FuncNameNumMax() const { return settings_.empty() ? 0 : settings_.back().first; }
    // Name of setting index (1-based); "(設定名無し)" out of range or when the plug-in gave none.
    std::string SettingName(int32_t index) const;
    // The settings to offer, in order: all of them, or those with a name when the plug-in
    // says only those exist.
    std::vector<int32_t> OfferedSettings() const;

private:
    PluginProxy &proxy_;
    intptr_t pluginId_ = kPluginNotLoaded;
    int32_t funcno_ = 0;
    TlxFuncInfo record_{};
    bool listed_ = false;   // the plug-in lists its settings
    // Each setting's number and name (up to the first NUL), by number.
    std::vector<std::pair<int32_t, std::string>> settings_;
};

}  // namespace ptr
