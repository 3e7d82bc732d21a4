#include "select_func_model.h"

#include <cstdio>

#include "settings.h"

namespace ptr {

namespace {

const std::vector<SelectFuncVariant> &Variants() {
    static const std::vector<SelectFuncVariant> variants = {
        {0, " - ホットキー設定", kFilterActions, {0, 1, 2, 3}, true},
        {1, " - ホットキー変更", kFilterActions, {0, 1, 2, 3}, true},
        {2, " - クリップボード監視動作追加", kFilterActions, {1, 2, 3}, true},
        {3, " - クリップボード監視動作変更", kFilterActions, {1, 2, 3}, false},
        {5, " - メニュー機能選択", kFilterActions, {1, 3}, true},
        {kSelectPluginSettings, " - プラグイン設定", kFilterActions | kFilterChecks, {4, 1}, true},
        {7, " - チェック機能選択", kFilterChecks, {1}, true},
        {8, " - ショートカット機能選択", kFilterActions, {0, 1, 2}, true},
    };
    return variants;
}

}  // namespace

const char *FuncCategoryCaption(int32_t category) {
    static const char *const captions[] = {"プログラム動作", "プラグイン機能", "メニュー表示", "実行 / 開く",
                                           "プラグイン本体"};
    return category >= 0 && category <= kCategoryPluginItself ? captions[category] : "";
}

const SelectFuncVariant &SelectFuncVariantOf(int32_t editMode) {
    for (const SelectFuncVariant &v : Variants())
        if (v.editMode == editMode) return v;
    return Variants().front();
}

std::string SelectFuncTitle(int32_t editMode) {
    return std::string(kProductName) + SelectFuncVariantOf(editMode).titleSuffix;
}

const std::vector<ProgramFunctionEntry> &ProgramFunctionEntries() {
    static const std::vector<ProgramFunctionEntry> entries = {
        {"設定画面(基本)", 1},           {"設定画面(監視)", 2},           {"設定画面(ﾎｯﾄｷｰ)", 3},
        {"設定画面(ﾒﾆｭｰ)", 4},           {"設定画面(ﾌﾟﾗｸﾞｲﾝ)", 5},        {"設定画面(情報)", 6},
        {"クリップボード監視(ON)", 8},   {"クリップボード監視(OFF)", 9}, {"クリップボード監視(TOGGLE)", 10},
        {"終了", 7},
    };
    return entries;
}

std::vector<int32_t> ListedFunctions(const vbKXPlugin &plugin, int32_t pluginFuncFilter) {
    std::vector<int32_t> listed;
    for (int32_t i = 1; i <= plugin.PluginFuncNumber(); ++i) {
        const int32_t kind = plugin.PluginFunction(i)->FunctionType();
        if (((pluginFuncFilter & kFilterActions) && kind == TLX_FUNC_ACTION) ||
            ((pluginFuncFilter & kFilterChecks) && kind == TLX_FUNC_CHECK))
            listed.push_back(i);
    }
    return listed;
}

std::string SettingEntryText(int32_t number, const std::string &settingName) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d:", static_cast<int>(number));
    return digits + settingName;
}

FuncValues GetFuncValues(int32_t category, const FuncSelection &selection) {
    FuncValues values;
    values.type = category;
    switch (category) {
    case kCategoryProgram:
        values.complete = selection.programFunction >= 0;
        if (values.complete) values.option = std::to_string(selection.programFunction);
        break;
    case kCategoryPlugin:
        values.complete = selection.pluginFile && selection.funcno >= 0 && selection.setno >= 0;
        if (values.complete)
            values.option = *selection.pluginFile + "/" + std::to_string(selection.funcno) + "/" +
                            std::to_string(selection.setno);
        break;
    case kCategoryMenu:
        values.complete = selection.menuFile.has_value();
        if (values.complete) values.option = *selection.menuFile;
        break;
    case kCategoryOpen:
        values.complete = true;
        values.option = selection.path;
        break;
    default:
        values.type = kFunctionNone;
        break;
    }
    return values;
}

FuncSelection ParseFuncSelection(int32_t type, const std::string &option) {
    FuncSelection selection;
    switch (type) {
    case kFunctionProgram: {
        const ProgramFunction f = ParseProgramFunction(option);
        if (f != ProgramFunction::None) selection.programFunction = static_cast<int32_t>(f);
        break;
    }
    case kFunctionPlugin: {
        const PluginFunctionRef ref = ParsePluginFunction(option);
        selection.pluginFile = ref.fileName;
        selection.funcno = ref.funcno;
        selection.setno = ref.setno;
        break;
    }
    case kFunctionMenu:
        selection.menuFile = option;
        break;
    case kFunctionOpen:
        selection.path = option;
        break;
    default:
        break;
    }
    return selection;
}

std::string FuncInfoText(int32_t category, const FuncSelection &selection, const std::string &functionComment,
                         const PluginList &plugins, const MenuLookup &menus) {
    const FuncValues values = GetFuncValues(category, selection);
    if (category == kCategoryPlugin)
        return values.complete ? GetFunctionName(kFunctionPlugin, values.option, plugins, menus) + "\r\n" + functionComment
                               : "";
    if (category < kCategoryProgram || category > kCategoryOpen) return "";
    return GetFunctionName(category, values.option, plugins, menus);
}

}  // namespace ptr
