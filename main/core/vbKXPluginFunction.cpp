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
    settingNames_.assign(count, std::string(TLX_SETTING_NAME_SIZE, '\0'));
    for (int32_t i = 1; i <= count; ++i) LoadSettingName(i);
    return true;
}

void vbKXPluginFunction::LoadSettingName(int32_t setno) {
    if (setno < 1 || setno > FuncNameNumMax()) return;
    // The plug-in copies like strncpy and leaves the buffer alone when it has no name,
    // so the field keeps its previous content in that case.
    std::string &field = settingNames_[setno - 1];
    proxy_.GetFuncSettingName(pluginId_, funcno_, setno, field.data(), TLX_SETTING_NAME_SIZE);
}

std::string vbKXPluginFunction::FunctionName() const { return TrimAtNull(record_.Name, sizeof record_.Name); }

std::string vbKXPluginFunction::FunctionComment() const {
    return TrimAtNull(record_.Comment, sizeof record_.Comment);
}

std::string vbKXPluginFunction::SettingName(int32_t index) const {
    if (index < 1 || index > FuncNameNumMax()) return kNoSettingName;
    std::string name = TrimAtNull(settingNames_[index - 1]);
    return name.empty() ? kNoSettingName : name;
}

}  // namespace ptr
