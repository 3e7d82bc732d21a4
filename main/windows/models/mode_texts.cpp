#include "mode_texts.h"

#include "text_util.h"

namespace ptr {

namespace {

struct ModeButton {
    const char *caption;
    const char *tip;
};
const ModeButton kModeButtons[kModeCount] = {
    {"基本設定(&B)", "このソフトの基本的な設定を行います。"},
    {"クリップボード\r\n監視(&C)", "クリップボード監視に関する設定を行います。"},
    {"ホットキー(&H)", "ホットキーに関する設定を行います。"},
    {"メニュー(&M)", "メニューに関する設定を行います。"},
    {"プラグイン(&P)", "プラグインに関する設定を行います。"},
    {"情報(&I)", "このソフトの情報です。"},
};

const ModeColours kColours[kModeCount] = {
    {0x808080, 0xF0F0F0}, {0x0000FF, 0x8080FF}, {0x800080, 0xD090D0},
    {0xFF0000, 0xFF8080}, {0x008000, 0x80FF80}, {0x008080, 0x80FFFF},
};

}  // namespace

void ModeTextTable::Fill() {
    cells_ = {};
    Put(kCheckCaption0, kModeBasic, "ソフト起動時、スプラッシュ画面を表示する");
    Put(kCheckTip0, kModeBasic, "本ソフト起動時に、進行状況の画面を表示します。");
    Put(kCheckCaption1, kModeBasic, "『終了』選択時、確認する");
    Put(kCheckTip1, kModeBasic, "本ソフト終了時に、確認メッセージを表示します。");
    Put(kCheckCaption0, kModeWatch, "クリップボードの監視を行う");
    Put(kCheckTip0, kModeWatch, "クリップボードの監視を行います。");
    Put(kCheckCaption1, kModeWatch, "パスワードなど非公開のコピーは処理しない");
    Put(kCheckTip1, kModeWatch,
        "パスワード管理ソフトなどが非公開と印を付けたコピーには、監視による動作を行いません。");
    Put(kCheckCaption0, kModeMenu, "デフォルトメニューを生成する");
    Put(kCheckTip0, kModeMenu, "起動時に、デフォルトメニュー(全プラグイン機能選択)を生成します。");

    Put(kListTitle, kModeWatch, "クリップボード内容が変更された時の動作一覧");
    Put(kListTitle, kModeHotkey, "登録ホットキー一覧");
    Put(kListTitle, kModeMenu, "登録メニュー一覧(チェック付の物はﾀｽｸﾒﾆｭｰに利用)");
    Put(kListTitle, kModePlugin, "プラグイン一覧");

    struct Button {
        int mode, button;
        const char *caption, *tip;
    };
    static const Button kButtons[] = {
        {kModeBasic, 0, "ｽﾀｰﾄｱｯﾌﾟ\\n登録", "スタートアップの登録を行います。"},
        {kModeBasic, 1, "ｽﾀｰﾄｱｯﾌﾟ\\n解除", "スタートアップの解除を行います。"},
        {kModeBasic, 2, "ｼｮｰﾄｶｯﾄ\\n作成", "動作を実行するショートカットファイルを作成します。"},
        {kModeWatch, 0, "追加", "動作を追加します。"},
        {kModeWatch, 1, "変更", "選択された動作を変更します。"},
        {kModeWatch, 2, "削除", "選択された動作を削除します。"},
        {kModeWatch, 3, "上へ", "選択された動作の順序を上げます。"},
        {kModeWatch, 4, "下へ", "選択された動作の順序を下げます。"},
        {kModeHotkey, 0, "追加", "ホットキーを追加します。"},
        {kModeHotkey, 1, "変更", "選択されたホットキーを変更します。"},
        {kModeHotkey, 2, "削除", "選択されたホットキーを削除します。"},
        {kModeMenu, 0, "新規", "メニューを新規作成します。"},
        {kModeMenu, 1, "編集", "選択されたメニューを編集します。"},
        {kModeMenu, 2, "削除", "選択されたメニューを削除します。"},
        {kModeMenu, 3, "テスト", "選択されたメニューの表示テストをします。"},
        {kModePlugin, 0, "プラグイン\\n設定", "選択されたプラグインの設定をします。"},
        {kModePlugin, 1, "情報", "選択されたプラグインの情報ダイアログを表示します。"},
        {kModePlugin, 2, "Webサイト", "選択されたプラグインのウェブサイトを開きます。"},
        {kModePlugin, 3, "作者に\\nメール", "選択されたプラグインの作者にメールを送ります。"},
        {kModeInformation, 0, "Webサイト", "最新版の確認はこちらからどうぞ。"},
        {kModeInformation, 1, "作者に\\nメール", "どんなメールも歓迎します。"},
        {kModeInformation, 2, "お読み下さい", "Readmeを表示します。"},
        {kModeInformation, 3, "外部DLL\\n情報", "本ソフトの外部モジュールの情報を表示します。"},
    };
    for (const Button &b : kButtons) {
        Put(kButtonCaption0 + 6 * b.button, b.mode, b.caption);
        Put(kButtonTip0 + 6 * b.button, b.mode, b.tip);
    }
}

const std::string &ModeTextTable::CheckCaption(int box, int mode) const {
    return Cell((box == 0 ? kCheckCaption0 : kCheckCaption1) + mode);
}

const std::string &ModeTextTable::CheckTip(int box, int mode) const {
    return Cell((box == 0 ? kCheckTip0 : kCheckTip1) + mode);
}

ModeTextTable &ModeTexts() {
    static ModeTextTable table;
    return table;
}

std::string ApplyLineBreaks(const std::string &stored) {
    std::string out;
    for (size_t i = 0; i < stored.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(stored[i]);
        if (IsLeadByte(c) && i + 1 < stored.size()) {
            // The second byte of a two-byte character may be a backslash; it stays.
            out += stored.substr(i, 2);
            ++i;
        } else if (c == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string ModeButtonCaption(int mode) { return kModeButtons[ValidMode(mode)].caption; }
const char *ModeButtonTip(int mode) { return kModeButtons[ValidMode(mode)].tip; }

std::string OneLineCaption(const std::string &caption) {
    std::string out;
    for (char c : caption)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

std::string ModeTitle(int mode) {
    const std::string line = OneLineCaption(ModeButtonCaption(mode));
    const size_t paren = line.rfind('(');
    return paren == std::string::npos ? line : line.substr(0, paren);
}

int ValidMode(int mode) { return mode >= 0 && mode < kModeCount ? mode : kModeBasic; }

ModeColours ModeColour(int mode) { return kColours[ValidMode(mode)]; }

}  // namespace ptr
