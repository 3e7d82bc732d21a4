// One loaded plug-in: its information record and its functions, read once at load
// time. Destroying the object quits the plug-in; nothing else does.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vbKXPluginFunction.h"

namespace ptr {

// A plug-in may claim any function count; the host reads at most this many functions.
inline constexpr int32_t kMaxPluginFunctions = 128;

// Start-up progress: text and step, as the splash window takes them.
using ProgressReport = std::function<void(const std::string &text, int step)>;

class vbKXPlugin {
public:
    explicit vbKXPlugin(PluginProxy &proxy) : proxy_(proxy) {}
    ~vbKXPlugin();
    vbKXPlugin(const vbKXPlugin &) = delete;
    vbKXPlugin &operator=(const vbKXPlugin &) = delete;

    // Loads path + fileName and reads its information and functions; false when the
    // library could not be loaded (nothing is kept then).
    bool Init(const std::string &path, const std::string &fileName, const ProgressReport &progress = {});
    void Quit() {}
    // Reads the function records and setting names again (the plug-in says they
    // changed); the functions stay the objects they were, as many as at load.
    void ReloadFunctions();

    void ShowAbout(WindowHandle owner);
    void ShowSetting(int32_t funcno, int32_t setno, WindowHandle owner);
    // The plug-in's result (nonzero = true for checks); 0 when the plug-in is not loaded,
    // or is still in a call of its own: a copy handled while one of its functions waits for
    // the user (in its window's loop) never calls into it again meanwhile.
    int32_t CallFunc(int32_t funcno, int32_t setno, WindowHandle activateWnd, int32_t callType);

    intptr_t PluginID() const { return id_; }
    // Function index (1-based); nullptr outside 1..PluginFuncNumber().
    vbKXPluginFunction *PluginFunction(int32_t index) const;
    int32_t PluginFuncNumber() const { return static_cast<int32_t>(functions_.size()); }
    const std::string &PluginFileName() const { return fileName_; }
    std::string PluginName() const;
    std::string PluginVersion() const;
    std::string PluginCopyright() const;
    std::string PluginComment() const;
    std::string PluginURL() const;
    std::string PluginMail() const;
    bool IsSetting() const { return info_.IsSetting != 0; }
    bool IsAbout() const { return info_.IsAbout != 0; }

private:
    PluginProxy &proxy_;
    intptr_t id_ = kPluginNotLoaded;
    std::string fileName_;
    TlxPluginInfo info_{};
    std::vector<std::unique_ptr<vbKXPluginFunction>> functions_;
    bool inCall_ = false;
};

// The loaded plug-ins, in load order, looked up by file name case-insensitively.
class PluginList {
public:
    void Add(std::unique_ptr<vbKXPlugin> plugin) { plugins_.push_back(std::move(plugin)); }
    vbKXPlugin *Find(const std::string &fileName) const;
    vbKXPlugin *FindById(intptr_t id) const;
    void Clear() { plugins_.clear(); }
    size_t Count() const { return plugins_.size(); }
    vbKXPlugin &At(size_t i) const { return *plugins_[i]; }

private:
    std::vector<std::unique_ptr<vbKXPlugin>> plugins_;
};

}  // namespace ptr
