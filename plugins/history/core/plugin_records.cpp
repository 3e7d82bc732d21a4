#include "plugin_records.h"

#include "record_text.h"

namespace tlxhistory {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"履歴に記録", TLX_FUNC_ACTION, false, 1, "現在のクリップボードの内容を履歴に追加します。"},
    {"履歴から貼り付け", TLX_FUNC_ACTION, false, 1, "履歴の一覧を表示し、選んだ内容を貼り付けます。"},
    {"履歴を消去", TLX_FUNC_ACTION, false, 1, "固定していない履歴をすべて削除します。"},
    {"連続貼り付け", TLX_FUNC_ACTION, false, 1, "コピーした順に次々と貼り付けるモードを開始・終了します。"},
    {"次を貼り付け", TLX_FUNC_ACTION, false, 1, "連続貼り付けの次の内容を貼り付けます。"},
};

}  // namespace

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"履歴", "1.00", "コピーした内容を履歴として保存し、選んで貼り付けます。", true, kFuncCount},
                          info);
}

bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info) { return tlx::FillFuncRecord(kFunctions, funcno, info); }

}  // namespace tlxhistory
