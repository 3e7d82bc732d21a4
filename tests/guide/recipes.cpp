#include "recipes.h"

namespace guide {

namespace {

const char kCopiedFrom[] = "コピー元のアプリ";
const PluginSetting kProgramList{"テキスト変換", kCopiedFrom, 0, "コピー元のアプリの設定"};

// The program list of setting `number` of "コピー元のアプリ".
SettingFill Programs(int number, const char *name, const char *files) {
    PluginSetting setting = kProgramList;
    setting.number = number;
    return {setting, {name, files}};
}

const WatchAction kChatUrlAction{{"テキスト"},
                                 {{"インターネット利用", "URL確認"}, {"テキスト変換", kCopiedFrom, "001:チャット"}},
                                 false,
                                 {"インターネット利用", "URL参照"}};
const WatchAction kHalfWidthAction{
    {"テキスト"}, {{"テキスト変換", kCopiedFrom, "002:Word"}}, false, {"テキスト変換", "全角→半角", "001:英数字・記号"}};
const WatchAction kPdfLinesAction{
    {"テキスト"}, {{"テキスト変換", kCopiedFrom, "003:PDF"}}, false, {"テキスト変換", "改行を取る"}};
const WatchAction kLeaveExcelAction{
    {"テキスト"}, {{"テキスト変換", kCopiedFrom, "004:書き換えるアプリ"}}, false, {"テキスト変換", "空白を取る"}};
const Hotkey kQuoteKey{"Q", true, true, false, false, {"テキスト変換", "引用符を付ける"}};
const Hotkey kSearchKey{"S", true, true, false, false, {"インターネット利用", "キーワード検索", "001:Google"}};

}  // namespace

const Recipe kChatUrl{{Programs(1, "チャット", "slack.exe;ms-teams.exe;discord.exe")}, &kChatUrlAction, nullptr};
const Recipe kHalfWidth{{Programs(2, "Word", "winword.exe")}, &kHalfWidthAction, nullptr};
const Recipe kQuoteHotkey{{}, nullptr, &kQuoteKey};
const Recipe kPdfLines{{Programs(3, "PDF", "AcroRd32.exe;Acrobat.exe;SumatraPDF.exe")}, &kPdfLinesAction, nullptr};
const Recipe kSearchHotkey{{{{"インターネット利用", "キーワード検索", 1, "設定"}, {"Google", "https://www.google.com/search?q=", ""}}},
                           nullptr,
                           &kSearchKey};
const Recipe kLeaveExcel{{Programs(4, "書き換えるアプリ", "chrome.exe;msedge.exe;firefox.exe;notepad.exe")},
                         &kLeaveExcelAction,
                         nullptr};

bool BuildRecipe(Session &s, const Recipe &recipe) {
    for (const SettingFill &fill : recipe.settings)
        if (!s.FillPluginSetting(fill.setting, fill.texts, false)) return false;
    const HWND editor = recipe.watch ? s.EditWatchAction(*recipe.watch) : s.EditHotkey(*recipe.hotkey);
    const bool shot = s.Shoot(editor);
    s.Close(editor, IDOK);
    return shot;
}

}  // namespace guide
