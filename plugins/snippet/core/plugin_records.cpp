#include "plugin_records.h"

#include <algorithm>

#include "record_text.h"

namespace tlxsnippet {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"定型文を貼り付け", TLX_FUNC_ACTION, true, 1, "設定で選んだ定型文を貼り付けます。"},
    {"定型文から選んで貼り付け", TLX_FUNC_ACTION, false, 1, "定型文の一覧を表示し、選んだ定型文を貼り付けます。"},
    {"クリップボードを定型文に登録", TLX_FUNC_ACTION, false, 1, "クリップボードのテキストを定型文として登録します。"},
};

}  // namespace

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"定型文", "1.00", "登録した定型文を選んで貼り付けます。", true, kFuncCount}, info);
}

bool FillFuncInfo(int32_t funcno, const PhraseBook &book, TlxFuncInfo &info) {
    if (!tlx::FillFuncRecord(kFunctions, funcno, info)) return false;
    if (funcno == kFuncPaste) {
        info.FuncNameNumMax = std::max(book.HighestNumber(), 1);
        info.Flags = TLX_FUNC_NAMED_SETTINGS_ONLY;
    }
    return true;
}

std::u16string SettingName(const PhraseBook &book, int32_t funcno, int32_t setno) {
    const Phrase *phrase = funcno == kFuncPaste ? book.Find(setno) : nullptr;
    return phrase ? tlxsnippet::SettingName(*phrase) : std::u16string();
}

}  // namespace tlxsnippet
