// Search settings with their defaults and INI sections, the search address,
// and what the plug-in tells its host.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "plugin_records.h"
#include "search_settings.h"
#include "record_text.h"

using namespace tlxinet;
using tlx::CopySettingName;

namespace {

// An INI file in memory that records the order of writes.
class FakeStore : public ProfileStore {
public:
    std::string ReadText(const std::string &section, const std::string &key, const std::string &fallback) override {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : it->second;
    }
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : std::stoi(it->second);
    }
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override {
        values[section + "/" + key] = value;
        writes.push_back(section + "/" + key + "=" + value);
    }
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
};

}  // namespace

TEST(SearchSettings, NeverSavedSettingHasTheDefaults) {
    FakeStore store;
    SearchSettings settings;
    settings.Load(store);
    const SearchSetting *s = settings.Find(7);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ("設定007", s->name);
    EXPECT_EQ("", s->headerUrl);
    EXPECT_EQ("", s->footerUrl);
    EXPECT_EQ(kCharSetUtf8, s->charSet);
    EXPECT_EQ(1, s->urlEncode);
    EXPECT_EQ("設定100", settings.Find(100)->name);
    EXPECT_EQ(std::string(kDefaultSearchHeader) + "a%20b", SearchAddress(*s, "a b"));
}

TEST(SearchSettings, NumbersOutsideOneToHundredFindNothing) {
    SearchSettings settings;
    for (int n : {0, -1, 101, 1000}) EXPECT_EQ(nullptr, settings.Find(n)) << n;
    EXPECT_NE(nullptr, settings.Find(1));
    EXPECT_NE(nullptr, settings.Find(100));
}

TEST(SearchSettings, SectionsAreNumberedFromZero) {
    EXPECT_EQ("Search000", SearchSectionName(1));
    EXPECT_EQ("Search006", SearchSectionName(7));
    EXPECT_EQ("Search099", SearchSectionName(100));
}

TEST(SearchSettings, LoadReadsEachSectionAndCutsLongTexts) {
    FakeStore store;
    store.values["Search002/SettingName"] = "辞書";
    store.values["Search002/HeaderURL"] = "http://dict.example/?w=";
    store.values["Search002/FooterURL"] = "&lang=ja";
    store.values["Search002/CharSet"] = "2";
    store.values["Search002/UrlEncode"] = "0";
    // 254 bytes, then a two-byte character that would end past the 255-byte field.
    store.values["Search003/SettingName"] = std::string(254, 'n') + "\x95\x5c";
    store.values["Search003/HeaderURL"] = std::string(2000, 'h');
    // 253 bytes and a lead byte whose trail byte was cut off before it reached the file.
    store.values["Search004/SettingName"] = std::string(253, 'n') + "\x95";
    SearchSettings settings;
    settings.Load(store);
    const SearchSetting &s = *settings.Find(3);
    EXPECT_EQ("辞書", s.name);
    EXPECT_EQ("http://dict.example/?w=", s.headerUrl);
    EXPECT_EQ("&lang=ja", s.footerUrl);
    EXPECT_EQ(kCharSetEucJp, s.charSet);
    EXPECT_EQ(0, s.urlEncode);
    EXPECT_EQ(std::string(254, 'n'), settings.Find(4)->name);
    EXPECT_EQ(kUrlPartMaxBytes, settings.Find(4)->headerUrl.size());
    EXPECT_EQ(std::string(253, 'n'), settings.Find(5)->name);
    EXPECT_EQ("設定006", settings.Find(6)->name);
}

TEST(SearchSettings, SaveWritesAllFiveKeysOfOneSection) {
    FakeStore store;
    SearchSettings settings;
    SearchSetting &s = *settings.Find(12);
    s.name = "検索";
    s.headerUrl = "http://s.example/?q=";
    s.footerUrl = "&x=1";
    s.charSet = kCharSetShiftJis;
    s.urlEncode = 0;
    settings.Save(store, 12);
    const std::vector<std::string> expected = {
        "Search011/SettingName=検索", "Search011/HeaderURL=http://s.example/?q=", "Search011/FooterURL=&x=1",
        "Search011/CharSet=0", "Search011/UrlEncode=0"};
    EXPECT_EQ(expected, store.writes);
    settings.Save(store, 0);
    settings.Save(store, 101);
    EXPECT_EQ(5u, store.writes.size());
}

TEST(SearchAddress, HeaderKeywordFooterWithinTheShellLimit) {
    SearchSetting s;
    s.headerUrl = "http://s.example/find?k=";
    s.footerUrl = "&page=1";
    EXPECT_EQ("http://s.example/find?k=a%20b&page=1", SearchAddress(s, "a b"));
    EXPECT_EQ("http://s.example/find?k=&page=1", SearchAddress(s, ""));
    s.charSet = 9;  // unknown: the text is not turned into a keyword here, but nothing breaks
    EXPECT_EQ("http://s.example/find?k=x&page=1", SearchAddress(s, "x"));

    s.charSet = kCharSetUtf8;
    s.headerUrl = std::string(kUrlPartMaxBytes, 'h');
    s.footerUrl = std::string(kUrlPartMaxBytes, 'f');
    const std::string plain = SearchAddress(s, std::string(5000, 'k'));
    EXPECT_EQ(3071u, plain.size());
    EXPECT_EQ(s.footerUrl, plain.substr(plain.size() - s.footerUrl.size())) << "the footer stays whole";
    // 1,025 bytes are left for the keyword: 341 whole "%20", never a cut one.
    const std::string encoded = SearchAddress(s, std::string(5000, ' '));
    EXPECT_EQ(2 * kUrlPartMaxBytes + 341 * 3, encoded.size());
    EXPECT_EQ("%20" + s.footerUrl, encoded.substr(encoded.size() - s.footerUrl.size() - 3));
}

TEST(SearchAddress, UnencodedUtf8GoesToTheShellAsUnicodeText) {
    SearchSetting s;
    EXPECT_FALSE(HasUnicodeAddress(s)) << "UTF-8 percent-encoded is plain ASCII";
    s.urlEncode = 0;
    EXPECT_TRUE(HasUnicodeAddress(s));
    for (int32_t charSet : {kCharSetShiftJis, kCharSetEucJp}) {
        s.charSet = charSet;
        EXPECT_FALSE(HasUnicodeAddress(s)) << charSet;
    }
    EXPECT_EQ(kDefaultSearchHeader, SearchHeader(s));
    s.headerUrl = "http://own.example/?q=";
    EXPECT_EQ("http://own.example/?q=", SearchHeader(s));

    EXPECT_EQ(u"http://s.example/?q=caf\u00e9 \U0001F600\uD55C&x",
              UnicodeSearchAddress(u"http://s.example/?q=", u"caf\u00e9\r\n \U0001F600\t\uD55C", u"&x"));
    // The footer stays whole; the keyword ends before an emoji that would not fit.
    const std::u16string header(kUrlPartMaxBytes, u'h'), footer(kUrlPartMaxBytes, u'f');
    const std::u16string keyword = std::u16string(1024, u'k') + u"\U0001F600";
    EXPECT_EQ(header + std::u16string(1024, u'k') + footer, UnicodeSearchAddress(header, keyword, footer));
}

TEST(PluginRecords, InformationRecord) {
    TlxPluginInfo info;
    std::memset(&info, 0xCC, sizeof info);
    FillPluginInfo(info);
    EXPECT_STREQ("インターネット利用", info.Name);
    EXPECT_STREQ("1.02", info.Version);
    EXPECT_STREQ("インターネットを利用するプラグインです。\r\n"
                 "コピーしたURLを参照したり、コピーしたキーワードを検索サイトで検索することが出来ます。",
                 info.Comment);
    EXPECT_STREQ("Copyright (C) ポルテリカ", info.Copyright);
    EXPECT_STREQ("", info.URL);
    EXPECT_STREQ("", info.Mail);
    EXPECT_EQ(0, info.IsSetting);
    EXPECT_EQ(0, info.IsAbout);
    EXPECT_EQ(5, info.FuncCount);
    for (uint8_t b : info.Reserved) EXPECT_EQ(0, b);
}

TEST(PluginRecords, FunctionRecords) {
    struct Expected {
        const char *name;
        int32_t type;
        int isSetting;
        int32_t settings;
        const char *commentStart;
    };
    const Expected expected[] = {
        {"URL参照", TLX_FUNC_ACTION, 0, 1, "ブラウザを起動し、URLを開きます。\r\n先頭のhが抜けているURLは、補完されます。"},
        {"メール送信", TLX_FUNC_ACTION, 0, 1,
         "メールクライアントを起動し、メールアドレスを指定します。\r\n全角の＠を、半角に自動的に変換します。"},
        {"キーワード検索", TLX_FUNC_ACTION, 1, 100, "キーワードを、指定した検索エンジンで検索します。"},
        {"URL確認", TLX_FUNC_CHECK, 0, 1,
         "コピーされた文字列が、URLであるかを判断します。\r\n先頭が以下であり、改行が含まれていない場合、"
         "URLと判断されます。\r\nhttp://\r\nhttps://\r\nttp://\r\nttps\r\nftp://"},
        {"メールアドレス確認", TLX_FUNC_CHECK, 0, 1,
         "コピーされた文字列が、メールアドレスであるかを判断します。\r\n文字中に@(全角/半角)が存在し、"
         "改行が含まれていない場合、メールアドレスと判断されます。"},
    };
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        TlxFuncInfo f;
        std::memset(&f, 0xCC, sizeof f);
        ASSERT_TRUE(FillFuncInfo(n, f));
        EXPECT_STREQ(expected[n - 1].name, f.Name);
        EXPECT_STREQ(expected[n - 1].commentStart, f.Comment);
        EXPECT_EQ(expected[n - 1].isSetting, f.IsSetting);
        EXPECT_EQ(expected[n - 1].settings, f.FuncNameNumMax);
        EXPECT_EQ(expected[n - 1].type, f.FunctionType);
        for (uint8_t b : f.Padding) EXPECT_EQ(0, b);
        for (uint8_t b : f.Reserved) EXPECT_EQ(0, b);
    }
    TlxFuncInfo untouched;
    std::memset(&untouched, 0x5A, sizeof untouched);
    EXPECT_FALSE(FillFuncInfo(0, untouched));
    EXPECT_FALSE(FillFuncInfo(6, untouched));
    EXPECT_EQ(0x5A, static_cast<unsigned char>(untouched.Name[0]));
}

TEST(PluginRecords, OnlyTheKeywordSearchHasSettingNames) {
    SearchSettings settings;
    settings.Find(7)->name = "Wikipedia";
    const struct {
        int32_t funcno, setno;
        const char *name;
    } rows[] = {{kFuncKeywordSearch, 7, "Wikipedia"}, {kFuncKeywordSearch, 1, "設定001"},
                {kFuncKeywordSearch, 101, ""},       {kFuncOpenUrl, 7, ""},
                {kFuncIsUrl, 1, ""}};
    for (const auto &row : rows)
        EXPECT_EQ(row.name, SettingName(settings, row.funcno, row.setno)) << row.funcno << "/" << row.setno;
}

TEST(PluginRecords, SettingNameCopiesLikeStrncpy) {
    char buffer[8];
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(3, CopySettingName("abc", buffer, 8));
    EXPECT_EQ(0, std::memcmp("abc\0\0\0\0\0", buffer, 8));

    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(8, CopySettingName("abcdefgh", buffer, 8)) << "fills the buffer, no terminator";
    EXPECT_EQ(0, std::memcmp("abcdefgh", buffer, 8));
    EXPECT_EQ(4, CopySettingName("abcdefgh", buffer, 4));

    EXPECT_EQ(7, CopySettingName("設定007", nullptr, 256)) << "length only";
    std::memset(buffer, 'z', sizeof buffer);
    EXPECT_EQ(0, CopySettingName("", buffer, 8)) << "an empty name is no name";
    EXPECT_EQ('z', buffer[0]);
}

