// The search-setting dialog, driven by its control ids, and the section it writes.
#include <gtest/gtest.h>

#include "internet_wine_support.h"

using inettest::InternetPlugin;

namespace {

enum { kSearch = 3 };
enum { kName = 1005, kIndex = 1006, kHeader = 1007, kFooter = 1008, kCharSet = 1016, kUrlEncode = 1017 };
const char *const kTitle = "設定";

// What the dialog showed when it came up.
struct Shown {
    std::string name, header, footer, index, charSet;
    std::vector<std::string> charSets;
    bool indexVisible = true;
    bool urlEncode = false;
};

std::string ItemText(HWND dialog, int id) {
    char text[4096] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string ComboItem(HWND combo, LRESULT index) {
    char text[64] = {};
    if (index >= 0) SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}

Shown Read(HWND dialog) {
    Shown s;
    s.name = ItemText(dialog, kName);
    s.header = ItemText(dialog, kHeader);
    s.footer = ItemText(dialog, kFooter);
    s.index = ItemText(dialog, kIndex);
    s.indexVisible = IsWindowVisible(GetDlgItem(dialog, kIndex)) != 0;
    HWND combo = GetDlgItem(dialog, kCharSet);
    s.charSet = ComboItem(combo, SendMessageA(combo, CB_GETCURSEL, 0, 0));
    for (LRESULT i = 0, n = SendMessageA(combo, CB_GETCOUNT, 0, 0); i < n; ++i) s.charSets.push_back(ComboItem(combo, i));
    s.urlEncode = SendDlgItemMessageA(dialog, kUrlEncode, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return s;
}

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Fills the fields as a user would and presses OK.
struct Edit {
    std::string name, header, footer;
    int charSetItem;
    bool urlEncode;
    void Apply(HWND dialog) const {
        SetDlgItemTextA(dialog, kName, name.c_str());
        SetDlgItemTextA(dialog, kHeader, header.c_str());
        SetDlgItemTextA(dialog, kFooter, footer.c_str());
        SendDlgItemMessageA(dialog, kCharSet, CB_SETCURSEL, charSetItem, 0);
        SendDlgItemMessageA(dialog, kUrlEncode, BM_SETCHECK, urlEncode ? BST_CHECKED : BST_UNCHECKED, 0);
    }
};

}  // namespace

TEST(InternetDialog, ShowsTheSettingAndOkWritesItsSectionWithAllKeys) {
    InternetPlugin plugin(
        "[Search002]\r\nSettingName=EUC検索\r\nHeaderURL=http://euc.test/s?w=\r\nFooterURL=&e=1\r\nCharSet=2\r\n"
        "UrlEncode=1\r\n");
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    Shown shown;
    const Edit edit{"ニュース", "http://news.test/?q=", "&lang=ja", 0, false};
    ASSERT_TRUE(inettest::DriveDialog(kTitle, [&] { plugin.ShowSetting(kSearch, 3); }, [&](HWND dialog) {
        shown = Read(dialog);
        edit.Apply(dialog);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ("EUC検索", shown.name);
    EXPECT_EQ("http://euc.test/s?w=", shown.header);
    EXPECT_EQ("&e=1", shown.footer);
    EXPECT_EQ("EUC-JP", shown.charSet);
    EXPECT_TRUE(shown.urlEncode);
    EXPECT_EQ((std::vector<std::string>{"Shift-JIS", "EUC-JP", "UTF-8"}), shown.charSets);
    EXPECT_EQ("2", shown.index);
    EXPECT_FALSE(shown.indexVisible);

    EXPECT_EQ("ニュース", plugin.ReadSetting("Search002", "SettingName"));
    EXPECT_EQ("http://news.test/?q=", plugin.ReadSetting("Search002", "HeaderURL"));
    EXPECT_EQ("&lang=ja", plugin.ReadSetting("Search002", "FooterURL"));
    EXPECT_EQ("0", plugin.ReadSetting("Search002", "CharSet"));
    EXPECT_EQ("0", plugin.ReadSetting("Search002", "UrlEncode"));
    EXPECT_EQ("(missing)", plugin.ReadSetting("Search001", "SettingName")) << "other sections stay unwritten";
    EXPECT_EQ("ニュース", plugin.SettingName(kSearch, 3));
}

TEST(InternetDialog, NeverSavedSettingShowsDefaultsAndCancelKeepsThem) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    Shown shown;
    const Edit edit{"changed", "http://x.test/", "", 0, false};
    ASSERT_TRUE(inettest::DriveDialog(kTitle, [&] { plugin.ShowSetting(kSearch, 7); }, [&](HWND dialog) {
        shown = Read(dialog);
        edit.Apply(dialog);
        Press(dialog, IDCANCEL);
    }));
    EXPECT_EQ("設定007", shown.name);
    EXPECT_EQ("", shown.header);
    EXPECT_EQ("", shown.footer);
    EXPECT_EQ("UTF-8", shown.charSet);
    EXPECT_TRUE(shown.urlEncode);
    EXPECT_EQ("6", shown.index);

    // The close box ends it the same way.
    ASSERT_TRUE(inettest::DriveDialog(kTitle, [&] { plugin.ShowSetting(kSearch, 7); }, [&](HWND dialog) {
        edit.Apply(dialog);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }));
    EXPECT_EQ("", ptrtest::ReadFileBytes(plugin.SettingsFile())) << "nothing written";
    EXPECT_EQ("設定007", plugin.SettingName(kSearch, 7));
}

TEST(InternetDialog, UnknownCharacterSetShowsTheFirstItem) {
    InternetPlugin plugin("[Search009]\r\nCharSet=5\r\nUrlEncode=0\r\n");
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    Shown shown;
    ASSERT_TRUE(inettest::DriveDialog(kTitle, [&] { plugin.ShowSetting(kSearch, 10); }, [&](HWND dialog) {
        shown = Read(dialog);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ("Shift-JIS", shown.charSet);
    EXPECT_FALSE(shown.urlEncode);
    EXPECT_EQ("設定010", plugin.ReadSetting("Search009", "SettingName"));
    EXPECT_EQ("0", plugin.ReadSetting("Search009", "CharSet"));
}

TEST(InternetDialog, OverlongFieldsAreCutAtWholeCharacters) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    std::string name;
    for (int i = 0; i < 200; ++i) name += "表";
    const Edit edit{name, std::string(2000, 'h'), std::string(1500, 'f'), 1, true};  // item 1: EUC-JP
    ASSERT_TRUE(inettest::DriveDialog(kTitle, [&] { plugin.ShowSetting(kSearch, 100); }, [&](HWND dialog) {
        edit.Apply(dialog);
        Press(dialog, IDOK);
    }));
    EXPECT_EQ(name.substr(0, 254), plugin.ReadSetting("Search099", "SettingName"));
    EXPECT_EQ(std::string(1023, 'h'), plugin.ReadSetting("Search099", "HeaderURL"));
    EXPECT_EQ(std::string(1023, 'f'), plugin.ReadSetting("Search099", "FooterURL"));
    EXPECT_EQ("2", plugin.ReadSetting("Search099", "CharSet"));
    EXPECT_EQ("1", plugin.ReadSetting("Search099", "UrlEncode"));
    EXPECT_EQ(name.substr(0, 254), plugin.SettingName(kSearch, 100));
}

TEST(InternetDialog, NothingOpensForOtherFunctionsOrSettingNumbers) {
    InternetPlugin plugin;
    ASSERT_TRUE(plugin.Loaded()) << plugin.Problem();
    const std::pair<int, int> requests[] = {{3, 0}, {3, 101}, {3, -1}, {0, 1}, {1, 1}, {4, 1}, {6, 1}};
    for (const auto &[funcno, setno] : requests) {
        const bool shown = inettest::DriveDialog(
            kTitle, [&, funcno = funcno, setno = setno] { plugin.ShowSetting(funcno, setno); },
            [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }, 2000);
        EXPECT_FALSE(shown) << funcno << "/" << setno;
    }
    EXPECT_EQ("(none)", plugin.SettingName(3, 0));
    EXPECT_EQ("(none)", plugin.SettingName(3, 101));
    EXPECT_EQ("(none)", plugin.SettingName(1, 1));
    EXPECT_EQ("", ptrtest::ReadFileBytes(plugin.SettingsFile()));
}
