#include "guide_pictures.h"

#include "frmInputBox_ids.h"
#include "frmMenuEdit_ids.h"
#include "frmSelectFunc_ids.h"
#include "frmShortcut_ids.h"
#include "frmWatch_ids.h"
#include "program_dialogs.h"
#include "recipes.h"
#include "resource.h"   // the phrases plug-in's

namespace guide {

namespace {

const char kHistoryPaste[] = "/Execute:1:tlxHistory.tlx/2/1";
const char kPhrasePicker[] = "/Execute:1:tlxSnippet.tlx/2/1";
const PluginFunction kTextOnly{"テキスト", "テキストのみ"};

bool ShootPage(Session &s, int page) { return s.Shoot(s.Page(page)); }

// The guide's first watch action: text copies stripped to their text. Cancelled: the
// recipes show the actions that are kept.
bool WatchEditor(Session &s) {
    const HWND editor = s.EditWatchAction({{"テキスト"}, {}, false, kTextOnly});
    const bool shot = s.Shoot(editor);
    s.Close(editor, IDCANCEL);
    return shot;
}

bool SelectFunction(Session &s) {
    const HWND editor = s.PressListButton(1, -1, 0, "ポルテリカ - クリップボード監視動作追加");
    if (!editor) return false;
    e2e::ClickButton(editor, IDC_WATCH_FUNC_SELECT);
    const bool shot = s.Choose(editor, "ポルテリカ - クリップボード監視動作追加",
                               {"テキスト変換", "全角→半角", "001:英数字・記号"}, true);
    s.Close(editor, IDCANCEL);
    return shot;
}

bool HotkeyEditor(Session &s) {
    const HWND editor = s.PressListButton(2, 0, 1, "ポルテリカ - ホットキー変更");   // the release's own
    const bool shot = s.Shoot(editor);
    s.Close(editor, IDCANCEL);
    return shot;
}

bool MenuName(Session &s) {
    const HWND box = s.PressListButton(3, -1, 0, "メニュー作成");
    if (!box) return false;
    e2e::TypeInto(box, IDC_INPUTBOX_TEXT, "よく使う");
    const bool shot = s.Shoot(box);
    s.Close(box, IDCANCEL);
    return shot;
}

// A menu of four entries, the last in a sub-menu, kept for the menu page's picture.
bool MenuEditor(Session &s) {
    const HWND box = s.PressListButton(3, -1, 0, "メニュー作成");
    if (!box) return false;
    e2e::TypeInto(box, IDC_INPUTBOX_TEXT, "よく使う");
    s.Close(box, IDOK);
    const HWND editor = s.Dialog("ポルテリカ - メニュー編集", s.Page(3));
    if (!editor) return false;
    e2e::TypeInto(editor, IDC_MENUEDIT_NAME, "よく使う機能");
    e2e::TypeInto(editor, IDC_MENUEDIT_COMMENT, "よく使う機能を集めたメニュー");
    const struct {
        const char *caption;
        PluginFunction function;
        bool indent;
    } items[] = {
        {"書式を捨てる", kTextOnly, false},
        {"半角にする", {"テキスト変換", "全角→半角", "001:英数字・記号"}, false},
        {"インターネット", {nullptr, nullptr}, false},
        {"Googleで検索", {"インターネット利用", "キーワード検索", "001:Google"}, true},
    };
    bool chosen = true;
    for (const auto &item : items) {
        e2e::TypeInto(editor, IDC_MENUEDIT_CAPTION, item.caption);
        if (item.function.plugin) {
            e2e::ClickButton(editor, IDC_MENUEDIT_SELECTFUNC);
            chosen = s.Choose(editor, "ポルテリカ - メニュー機能選択", item.function) && chosen;
        }
        if (item.indent) e2e::ClickAndWait(editor, IDC_MENUEDIT_ARROW0 + 1);   // "→"
        if (&item != std::end(items) - 1) e2e::ClickAndWait(editor, IDC_MENUEDIT_NEXT);
    }
    const bool shot = chosen && s.Shoot(editor);
    s.Close(editor, IDOK);
    return shot;
}

bool ShortcutEditor(Session &s) {
    const HWND dialog = s.PressListButton(0, -1, 1, "ポルテリカ - ショートカット作成");
    if (!dialog) return false;
    e2e::ClickButton(dialog, IDC_SHORTCUT_FUNC_SELECT);
    const bool chosen = s.Choose(dialog, "ポルテリカ - ショートカット機能選択", kTextOnly);
    e2e::TypeInto(dialog, IDC_SHORTCUT_FILE, "C:\\users\\Public\\Desktop\\書式を捨てる.lnk");
    const bool shot = chosen && s.Shoot(dialog);
    s.Close(dialog, IDCANCEL);
    return shot;
}

bool PluginBrowser(Session &s) {
    HWND browser = s.OpenPluginBrowser("テキスト変換");
    const bool shot = browser && e2e::PickComboItem(browser, IDC_SELFUNC_CATEGORY, "プラグイン機能") &&
                      e2e::PickComboItem(browser, IDC_SELFUNC_VALUE0 + 1, "コピー元のアプリ") &&
                      s.Shoot(browser);
    s.Close(browser, IDCANCEL);
    return shot;
}

// 定型文の保存先 as the guide's steps fill it: a OneDrive folder and a team's shared folder.
bool SnippetPlaces(Session &s) {
    HWND browser = nullptr;
    const HWND editor = s.OpenPluginSetting({"定型文", nullptr, 0, "設定"}, &browser);
    if (editor) e2e::ClickButton(editor, IDC_PLACES);
    const HWND places = editor ? s.Dialog("定型文の保存先", editor) : nullptr;
    if (places) {
        e2e::TypeInto(places, IDC_PHRASE_FOLDER, "C:\\Users\\yamada\\OneDrive\\定型文");
        e2e::TypeInto(places, IDC_TEAM_FOLDER, "\\\\fileserver\\共有\\営業部の定型文");
    }
    const bool shot = places && s.Shoot(places);
    s.Close(places, IDCANCEL);
    s.Close(editor, IDCANCEL);
    s.Close(browser, IDCANCEL);
    return shot;
}

}  // namespace

const std::vector<Picture> &Pictures() {
    static const std::vector<Picture> pictures = {
        // While the settings window is closed: copies, the history, the tray icon's menus.
        {"history_window", [](Session &s) {
             s.Copy({"〒100-0001 東京都千代田区千代田1-1", "support@porterica-soft.jp",
                     "会議は 10:30 から 3F 会議室です。\r\n資料は前日までに送ります。", "https://www.porterica-soft.jp/",
                     "お世話になっております。"});
             return s.ShootOpenedBy(kHistoryPaste);
         }},
        {"snippet_picker", [](Session &s) { return s.ShootOpenedBy(kPhrasePicker); }},
        {"tray_menu", [](Session &s) { return s.ShootTrayMenu(true); }},
        {"task_menu", [](Session &s) { return s.ShootTrayMenu(false); }},

        // The recipes, built as the guide tells and kept.
        {"recipe_chat_url", [](Session &s) { return BuildRecipe(s, kChatUrl); }},
        {"recipe_halfwidth", [](Session &s) { return BuildRecipe(s, kHalfWidth); }},
        {"recipe_quote_hotkey", [](Session &s) { return BuildRecipe(s, kQuoteHotkey); }},
        {"recipe_pdf_lines", [](Session &s) { return BuildRecipe(s, kPdfLines); }},
        {"recipe_search_hotkey", [](Session &s) { return BuildRecipe(s, kSearchHotkey); }},
        {"recipe_excel", [](Session &s) { return BuildRecipe(s, kLeaveExcel); }},

        // The standard plug-ins' settings, with what the recipes put in them.
        {"text_datasave", [](Session &s) { return s.ShootPluginSetting({"テキスト", nullptr, 0, "設定"}); }},
        {"text_join", [](Session &s) { return s.ShootPluginSetting({"テキスト", "テキスト連結", 1, "設定"}); }},
        {"internet_search", [](Session &s) {
             return s.ShootPluginSetting({"インターネット利用", "キーワード検索", 1, "設定"});
         }},
        {"convert_quote", [](Session &s) {
             return s.ShootPluginSetting({"テキスト変換", "引用符を付ける", 1, "引用符の設定"});
         }},
        {"convert_replace", [](Session &s) {
             return s.FillPluginSetting({"テキスト変換", "置換", 1, "置換の設定"}, {"全角スペースを半角に", "　", " "}, true);
         }},
        {"convert_pattern", [](Session &s) {
             return s.FillPluginSetting({"テキスト変換", "パターンに一致", 1, "パターンの設定"}, {"社外秘", "社外秘"}, true);
         }},
        {"convert_program", [](Session &s) {
             return s.ShootPluginSetting({"テキスト変換", "コピー元のアプリ", 1, "コピー元のアプリの設定"});
         }},
        {"history_settings", [](Session &s) { return s.ShootPluginSetting({"履歴", nullptr, 0, "設定"}); }},
        {"snippet_editor", [](Session &s) { return s.ShootPluginSetting({"定型文", nullptr, 0, "設定"}); }},
        {"snippet_places", SnippetPlaces},
        {"plugin_settings", PluginBrowser},

        // The editors, then the settings window's pages with what was made.
        {"watch_editor", WatchEditor},
        {"select_function", SelectFunction},
        {"hotkey_editor", HotkeyEditor},
        {"menu_name", MenuName},
        {"menu_editor", MenuEditor},
        {"shortcut_editor", ShortcutEditor},
        {"settings_basic", [](Session &s) { return ShootPage(s, 0); }},
        {"settings_watch", [](Session &s) { return ShootPage(s, 1); }},
        {"settings_hotkey", [](Session &s) { return ShootPage(s, 2); }},
        {"settings_menu", [](Session &s) { return ShootPage(s, 3); }},
        {"settings_plugin", [](Session &s) { return ShootPage(s, 4); }},
        {"settings_about", [](Session &s) { return ShootPage(s, 5); }},
    };
    return pictures;
}

}  // namespace guide
