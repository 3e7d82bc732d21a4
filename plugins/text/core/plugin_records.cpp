#include "plugin_records.h"

#include "record_text.h"

namespace tlxtext {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"テキストのみ", TLX_FUNC_ACTION, false, 1, "クリップボードデータから、テキストデータ以外を削除します。"},
    {"ファイル名取得", TLX_FUNC_ACTION, true, 1,
     "ファイルドロップ形式のコピー時、テキスト情報としてファイル名を付加します。"},
    {"HTMLタグ取得", TLX_FUNC_ACTION, false, 1, "HTMLをコピー時、テキストデータをHTMLタグに変換します。"},
    {"テキスト連結", TLX_FUNC_ACTION, true, 1,
     "前回コピーしたテキストデータと、現在コピーされているテキストデータを連結します。"},
    {"テキストクリア", TLX_FUNC_ACTION, false, 1, "『テキスト連結』機能用のメモリをクリアします。"},
};

}  // namespace

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"テキスト", "1.00", "テキストを操作するプラグインです。", true, kFuncCount}, info);
}

bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info) { return tlx::FillFuncRecord(kFunctions, funcno, info); }

}  // namespace tlxtext
