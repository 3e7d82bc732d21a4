#include "plugin_records.h"

#include "record_text.h"
#include "search_settings.h"

namespace tlxinet {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"URL参照", TLX_FUNC_ACTION, false, 1,
     "ブラウザを起動し、URLを開きます。\r\n先頭のhが抜けているURLは、補完されます。"},
    {"メール送信", TLX_FUNC_ACTION, false, 1,
     "メールクライアントを起動し、メールアドレスを指定します。\r\n全角の＠を、半角に自動的に変換します。"},
    {"キーワード検索", TLX_FUNC_ACTION, true, kSearchSettingCount, "キーワードを、指定した検索エンジンで検索します。"},
    {"URL確認", TLX_FUNC_CHECK, false, 1,
     "コピーされた文字列が、URLであるかを判断します。\r\n"
     "先頭が以下であり、改行が含まれていない場合、URLと判断されます。\r\n"
     "http://\r\nhttps://\r\nttp://\r\nttps\r\nftp://"},
    {"メールアドレス確認", TLX_FUNC_CHECK, false, 1,
     "コピーされた文字列が、メールアドレスであるかを判断します。\r\n"
     "文字中に@(全角/半角)が存在し、改行が含まれていない場合、メールアドレスと判断されます。"},
};

}  // namespace

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"インターネット利用", "1.02",
                           "インターネットを利用するプラグインです。\r\n"
                           "コピーしたURLを参照したり、コピーしたキーワードを検索サイトで検索することが出来ます。",
                           false, kFuncCount},
                          info);
}

bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info) { return tlx::FillFuncRecord(kFunctions, funcno, info); }

std::string_view SettingName(const SearchSettings &settings, int32_t funcno, int32_t setno) {
    const SearchSetting *setting = funcno == kFuncKeywordSearch ? settings.Find(setno) : nullptr;
    return setting ? std::string_view(setting->name) : std::string_view();
}

}  // namespace tlxinet
