#include "vbKXPluginFunction.h"

#include <algorithm>

#include "text_util.h"

namespace ptr {

namespace {

// Where setting setno is, or would go, among settings in order.
template <typename Settings>
auto FindSetting(Settings &settings, int32_t setno) {
    return std::lower_bound(settings.begin(), settings.end(), setno,
                            [](const auto &setting, int32_t number) { return setting.first < number; });
}

}  // namespace

bool vbKXPluginFunction::LoadFunction(intptr_t pluginId, int32_t funcno) {
    pluginId_ = pluginId;
    funcno_ = funcno;
    record_ = TlxFuncInfo{};
    proxy_.GetFuncInfo(pluginId, funcno, record_);
    settings_.clear();
    int32_t setno = proxy_.NextFuncSetting(pluginId, funcno, 0);
    listed_ = setno >= 0;
    if (listed_) {
        // Each number above the one before, so that a plug-in cannot keep the host going round.
        for (int32_t last = 0; setno > last && settings_.size() < kMaxFunctionSettings;
             last = setno, setno = proxy_.NextFuncSetting(pluginId, funcno, setno))
            settings_.emplace_back(setno, std::string());
    } else {
        const int32_t count = std::clamp(record_.FuncNameNumMax, 0, kMaxFunctionSettings);
        settings_.reserve(count);
        for (int32_t i = 1; i <= count; ++i) settings_.emplace_back(i, std::string());
    }
    for (auto &[number, name] : settings_) LoadSettingName(number);
    return true;
}

void vbKXPluginFunction::LoadSettingName(int32_t setno) {
    const auto at = FindSetting(settings_, setno);
    const bool known = at != settings_.end() && at->first == setno;
    // A listed function's setting may be one the plug-in added since it was read.
    if (!known && !(listed_ && setno > 0 && settings_.size() < kMaxFunctionSettings)) return;
    // The plug-in copies like strncpy and leaves the buffer alone when it has no name,
    // so the name keeps its previous text in that case.
    const std::string previous = known ? at->second : std::string();
    std::string field(TLX_SETTING_NAME_SIZE, '\0');
    field.replace(0, previous.size(), previous);
    proxy_.GetFuncSettingName(pluginId_, funcno_, setno, field.data(), TLX_SETTING_NAME_SIZE);
    std::string name = TrimAtNull(field);
    if (known) at->second = std::move(name);
    else if (!name.empty()) settings_.emplace(at, setno, std::move(name));
}

std::string vbKXPluginFunction::FunctionName() const { return TrimAtNull(record_.Name, sizeof record_.Name); }

std::string vbKXPluginFunction::FunctionComment() const {
    return TrimAtNull(record_.Comment, sizeof record_.Comment);
}

std::string vbKXPluginFunction::SettingName(int32_t index) const {
    const auto at = FindSetting(settings_, index);
    return at != settings_.end() && at->first == index && !at->second.empty() ? at->second : kNoSettingName;
}

std::vector<int32_t> vbKXPluginFunction::OfferedSettings() const {
    const bool namedOnly = listed_ || (record_.Flags & TLX_FUNC_NAMED_SETTINGS_ONLY);
    std::vector<int32_t> offered;
    for (const auto &[number, name] : settings_)
        if (!namedOnly || !name.empty()) offered.push_back(number);
    return offered;
}

}  // namespace ptr
