#include "vbKXPluginFunction.h"

#include <algorithm>

#include "text_util.h"

namespace ptr {

bool vbKXPluginFunction::LoadFunction(intptr_t pluginId, int32_t funcno) {
    pluginId_ = pluginId;
    funcno_ = funcno;
    record_ = TlxFuncInfo{};
    proxy_.GetFuncInfo(pluginId, funcno, record_);
    const int32_t count = std::clamp(record_.FuncNameNumMax, 0, kMaxFunctionSettings);
    settingNames_.assign(count, std::string());
    for (int32_t i = 1; i <= count; ++i) LoadSettingName(i);
    return true;
}

void vbKXPluginFunction::LoadSettingName(int32_t setno) {
    if (setno < 1 || setno > FuncNameNumMax()) return;
    // The plug-in copies like strncpy and leaves the buffer alone when it has no name,
    // so the name keeps its previous text in that case.
    std::string &name = settingNames_[setno - 1];
    std::string field(TLX_SETTING_NAME_SIZE, '\0');
    field.replace(0, name.size(), name);
    proxy_.GetFuncSettingName(pluginId_, funcno_, setno, field.data(), TLX_SETTING_NAME_SIZE);
    name = TrimAtNull(field);
}

std::string vbKXPluginFunction::FunctionName() const { return TrimAtNull(record_.Name, sizeof record_.Name); }

std::string vbKXPluginFunction::FunctionComment() const {
    return TrimAtNull(record_.Comment, sizeof record_.Comment);
}

std::string vbKXPluginFunction::SettingName(int32_t index) const {
    if (index < 1 || index > FuncNameNumMax() || settingNames_[index - 1].empty()) return kNoSettingName;
    return settingNames_[index - 1];
}

std::vector<int32_t> vbKXPluginFunction::OfferedSettings() const {
    const bool namedOnly = record_.Flags & TLX_FUNC_NAMED_SETTINGS_ONLY;
    std::vector<int32_t> offered;
    for (int32_t i = 1; i <= FuncNameNumMax(); ++i)
        if (!namedOnly || !settingNames_[i - 1].empty()) offered.push_back(i);
    return offered;
}

}  // namespace ptr
