#include "vbKXPlugin.h"

#include <algorithm>

#include "text_util.h"

namespace ptr {

vbKXPlugin::~vbKXPlugin() {
    functions_.clear();
    if (id_ != kPluginNotLoaded) proxy_.Quit(id_);
}

bool vbKXPlugin::Init(const std::string &path, const std::string &fileName, const ProgressReport &progress) {
    fileName_ = fileName;
    const intptr_t id = proxy_.Init(path + fileName);
    if (id == kPluginNotLoaded) return false;
    id_ = id;
    proxy_.GetInfo(id_, info_);
    const int32_t count = std::clamp(info_.FuncCount, 0, kMaxPluginFunctions);
    for (int32_t funcno = 1; funcno <= count; ++funcno) {
        if (progress)
            progress("プラグインの機能情報を読み込んでいます...\r\n" + fileName + " / " + std::to_string(funcno), 10);
        auto function = std::make_unique<vbKXPluginFunction>(proxy_);
        if (!function->LoadFunction(id_, funcno)) break;
        functions_.push_back(std::move(function));
    }
    return true;
}

void vbKXPlugin::ReloadFunctions() {
    for (const auto &function : functions_) function->LoadFunction(id_, function->FunctionNumber());
}

void vbKXPlugin::ShowAbout(WindowHandle owner) {
    if (id_ != kPluginNotLoaded) proxy_.ShowAbout(id_, owner);
}

void vbKXPlugin::ShowSetting(int32_t funcno, int32_t setno, WindowHandle owner) {
    if (id_ != kPluginNotLoaded) proxy_.ShowSetting(id_, funcno, setno, owner);
}

int32_t vbKXPlugin::CallFunc(int32_t funcno, int32_t setno, WindowHandle activateWnd, int32_t callType) {
    if (id_ == kPluginNotLoaded || inCall_) return 0;
    inCall_ = true;
    const int32_t result = proxy_.Func(id_, funcno, setno, activateWnd, callType);
    inCall_ = false;
    return result;
}

vbKXPluginFunction *vbKXPlugin::PluginFunction(int32_t index) const {
    if (index < 1 || index > PluginFuncNumber()) return nullptr;
    return functions_[index - 1].get();
}

#define PTR_RECORD_TEXT(getter, field) \
    std::string vbKXPlugin::getter() const { return TrimAtNull(info_.field, sizeof info_.field); }
PTR_RECORD_TEXT(PluginName, Name)
PTR_RECORD_TEXT(PluginVersion, Version)
PTR_RECORD_TEXT(PluginCopyright, Copyright)
PTR_RECORD_TEXT(PluginComment, Comment)
PTR_RECORD_TEXT(PluginURL, URL)
PTR_RECORD_TEXT(PluginMail, Mail)
#undef PTR_RECORD_TEXT

vbKXPlugin *PluginList::Find(const std::string &fileName) const {
    for (const auto &p : plugins_)
        if (EqualsNoCase(p->PluginFileName(), fileName)) return p.get();
    return nullptr;
}

vbKXPlugin *PluginList::FindById(intptr_t id) const {
    for (const auto &p : plugins_)
        if (p->PluginID() == id) return p.get();
    return nullptr;
}

}  // namespace ptr
