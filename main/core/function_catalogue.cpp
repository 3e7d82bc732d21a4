#include "function_catalogue.h"

#include "text_util.h"

namespace ptr {

namespace {
const char *const kProgramFunctionNames[] = {
    "基本設定画面表示",           "クリップボード監視設定画面表示", "ホットキー設定画面表示",
    "メニュー設定画面表示",       "プラグイン設定画面表示",         "情報画面表示",
    "プログラム終了",             "クリップボード監視有効",         "クリップボード監視無効",
    "クリップボード監視切り替え",
};
const char kNoAction[] = "(動作無し)";
}  // namespace

ProgramFunction ParseProgramFunction(const std::string &option) {
    const double value = LeadingNumber(option);
    for (int f = 1; f <= 10; ++f)
        if (value == f) return static_cast<ProgramFunction>(f);
    return ProgramFunction::None;
}

std::string ProgramFunctionName(ProgramFunction f) {
    const int n = static_cast<int>(f);
    return (n >= 1 && n <= 10) ? kProgramFunctionNames[n - 1] : kNoAction;
}

PluginFunctionRef ParsePluginFunction(const std::string &reference) {
    const auto parts = SplitText(reference, "/");
    PluginFunctionRef ref;
    ref.fileName = parts[0];
    if (parts.size() >= 2) ref.funcno = LeadingInteger(parts[1]);
    if (parts.size() >= 3) ref.setno = LeadingInteger(parts[2]);
    ref.complete = parts.size() >= 3;
    return ref;
}

std::string GetPluginFunctionName(const std::string &reference, const PluginList &plugins) {
    const PluginFunctionRef ref = ParsePluginFunction(reference);
    const vbKXPlugin *plugin = ref.complete ? plugins.Find(ref.fileName) : nullptr;
    if (!plugin) return ref.fileName + " - ロード出来ません!";
    const vbKXPluginFunction *function = plugin->PluginFunction(ref.funcno);
    // A reference to a function the plug-in no longer has still gets a readable name.
    const std::string functionName = function ? function->FunctionName() : "(機能" + std::to_string(ref.funcno) + ")";
    const std::string settingName = function ? function->SettingName(ref.setno) : kNoSettingName;
    return plugin->PluginName() + ":" + functionName + "/" + settingName;
}

std::string GetFunctionName(int32_t type, const std::string &option, const PluginList &plugins,
                            const MenuLookup &menus) {
    switch (type) {
    case kFunctionProgram:
        return ProgramFunctionName(ParseProgramFunction(option));
    case kFunctionPlugin:
        return "プラグイン機能(" + GetPluginFunctionName(option, plugins) + ")";
    case kFunctionMenu:
        if (auto name = menus.MenuNameOf(option)) return "メニュー表示(" + *name + ")";
        return "メニュー表示(" + option + " - 読み込めません!)";
    case kFunctionOpen:
        return "実行 / 開く(" + option + ")";
    default:
        return kNoAction;
    }
}

}  // namespace ptr
