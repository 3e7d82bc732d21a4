#include "editor_refusals.h"

namespace ptr {

const char *RefusalMessage(EditRefusal refusal) {
    switch (refusal) {
    case EditRefusal::NoFunction: return "動作が指定されていません！\r\n動作を指定して下さい。";
    case EditRefusal::KeyUnavailable: return "このキーの組み合わせは利用出来ません。";
    case EditRefusal::NoFileName: return "ファイル名が指定されていません！\r\nファイル名を指定して下さい。";
    case EditRefusal::NotWritten: return "ショートカットファイルを作成出来ませんでした。\r\n保存先を確認して下さい。";
    case EditRefusal::None: break;
    }
    return "";
}

EditRefusal WatchOkRefusal(const std::string &funcOption) {
    return funcOption.empty() ? EditRefusal::NoFunction : EditRefusal::None;
}

EditRefusal HotkeyOkRefusal(const std::string &funcOption, bool testDue, const std::function<bool()> &tryCombination) {
    if (funcOption.empty()) return EditRefusal::NoFunction;
    if (testDue && !tryCombination()) return EditRefusal::KeyUnavailable;
    return EditRefusal::None;
}

EditRefusal ShortcutOkRefusal(const std::string &funcOption, const std::string &fileName) {
    if (funcOption.empty()) return EditRefusal::NoFunction;
    if (fileName.empty()) return EditRefusal::NoFileName;
    return EditRefusal::None;
}

}  // namespace ptr
