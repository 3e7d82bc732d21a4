#include "plugin_records.h"

#include "convert_settings.h"
#include "record_text.h"

namespace tlxconv {

namespace {

constexpr tlx::FuncText kFunctions[kFuncCount] = {
    {"全角→半角", TLX_FUNC_ACTION, false, 2,
     "全角の文字を半角に変換します。\r\n設定1: 英数字・記号\r\n設定2: 英数字・記号・カタカナ"},
    {"半角→全角", TLX_FUNC_ACTION, false, 2,
     "半角の文字を全角に変換します。\r\n設定1: 英数字・記号\r\n設定2: 英数字・記号・カタカナ"},
    {"ひらがな→カタカナ", TLX_FUNC_ACTION, false, 1, "ひらがなをカタカナに変換します。"},
    {"カタカナ→ひらがな", TLX_FUNC_ACTION, false, 1, "カタカナをひらがなに変換します。"},
    {"大文字に変換", TLX_FUNC_ACTION, false, 1, "英字を大文字に変換します。全角の英字も変換します。"},
    {"小文字に変換", TLX_FUNC_ACTION, false, 1, "英字を小文字に変換します。全角の英字も変換します。"},
    {"引用符を付ける", TLX_FUNC_ACTION, true, 1, "各行の先頭に引用符 (初期値は \"> \") を付けます。"},
    {"引用符を外す", TLX_FUNC_ACTION, true, 1, "引用符で始まる行から、引用符を外します。"},
    {"改行を取る", TLX_FUNC_ACTION, false, 1,
     "改行を取り、行をつなげます。\r\n英単語の間には空白を入れ、日本語の間には何も入れません。\r\n"
     "空行 (段落の区切り) は改行として残します。"},
    {"空白を取る", TLX_FUNC_ACTION, false, 1,
     "各行の先頭と末尾の空白 (半角・全角の空白、タブ) と、末尾の空行を取ります。"},
    {"置換", TLX_FUNC_ACTION, true, kNumberedSettingCount,
     "検索する文字列を、置換後の文字列にすべて置き換えます。\r\n正規表現も使えます ($1 などでグループを参照)。"},
    {"パターンに一致", TLX_FUNC_CHECK, true, kNumberedSettingCount,
     "コピーされた文字列に、指定した文字列 (または正規表現) に一致する部分があるかを判断します。"},
    {"コピー元のアプリ", TLX_FUNC_CHECK, true, kNumberedSettingCount,
     "コピー元のアプリのファイル名が、指定したもの (例: excel.exe;winword.exe) であるかを判断します。\r\n"
     "* と ? のワイルドカードが使えます。"},
};

template <typename Setting>
std::string_view NameOf(const Setting *setting) {
    return setting ? std::string_view(setting->name) : std::string_view();
}

}  // namespace

void FillPluginInfo(TlxPluginInfo &info) {
    tlx::FillPluginRecord({"テキスト変換", "1.00",
                           "テキストの文字種変換・整形・置換と、内容やコピー元による条件判定を行います。", false,
                           kFuncCount},
                          info);
}

bool FillFuncInfo(int32_t funcno, TlxFuncInfo &info) { return tlx::FillFuncRecord(kFunctions, funcno, info); }

int32_t SettingCount(int32_t funcno) {
    return funcno >= 1 && funcno <= kFuncCount ? kFunctions[funcno - 1].settingCount : 0;
}

std::string_view SettingName(const ConvertSettings &settings, int32_t funcno, int32_t setno) {
    switch (funcno) {
        case kFuncToHalfWidth:
        case kFuncToFullWidth:
            return setno == kWidthLatinSigns     ? "英数字・記号"
                   : setno == kWidthWithKatakana ? "英数字・記号・カタカナ"
                                                 : "";
        case kFuncReplace: return NameOf(settings.Replace(setno));
        case kFuncMatchesPattern: return NameOf(settings.Pattern(setno));
        case kFuncCopiedFrom: return NameOf(settings.Program(setno));
        default: return "";
    }
}

}  // namespace tlxconv
