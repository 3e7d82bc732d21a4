// The settings with their defaults and INI sections.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "convert_settings.h"
#include "plugin_records.h"

namespace {

using namespace tlxconv;

// An INI file in memory that reads back as the profile functions do: quotes around a value dropped.
class FakeStore : public tlx::ProfileStore {
public:
    std::string ReadText(const std::string &section, const std::string &key, const std::string &fallback) override {
        auto it = values.find(section + "/" + key);
        if (it == values.end()) return fallback;
        std::string text = it->second;
        if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
        return text;
    }
    int32_t ReadNumber(const std::string &section, const std::string &key, int32_t fallback) override {
        auto it = values.find(section + "/" + key);
        return it == values.end() ? fallback : std::stoi(it->second);
    }
    void WriteText(const std::string &section, const std::string &key, const std::string &value) override {
        values[section + "/" + key] = value;
    }
    std::map<std::string, std::string> values;
};

TEST(ConvertSettings, DefaultsAndRoundTrip) {
    FakeStore store;
    ConvertSettings settings;
    settings.Load(store);
    EXPECT_EQ("> ", settings.quoteMark);
    EXPECT_EQ("設定01", settings.Replace(1)->name);
    EXPECT_EQ("設定20", settings.Program(20)->name);
    EXPECT_EQ(nullptr, settings.Pattern(0));
    EXPECT_EQ(nullptr, settings.Pattern(21));

    settings.quoteMark = " | ";
    *settings.Replace(3) = {" 名前 ", " a ", "$1 ", true, true};
    *settings.Pattern(20) = {"ID", "^ID-\\d+$", true, false};
    *settings.Program(1) = {"Excel", "excel.exe;winword.exe"};
    settings.SaveQuoteMark(store);
    settings.SaveReplace(store, 3);
    settings.SavePattern(store, 20);
    settings.SaveProgram(store, 1);
    settings.SaveReplace(store, 21);   // no such setting: nothing written
    EXPECT_EQ(0u, store.values.count("Replace21/SettingName"));

    ConvertSettings loaded;
    loaded.Load(store);
    EXPECT_EQ(" | ", loaded.quoteMark) << "blanks at the ends survive the file";
    const ReplaceSetting &r = *loaded.Replace(3);
    EXPECT_EQ(" 名前 ", r.name);
    EXPECT_EQ(" a ", r.find);
    EXPECT_EQ("$1 ", r.replacement);
    EXPECT_TRUE(r.regex);
    EXPECT_TRUE(r.caseSensitive);
    EXPECT_EQ("^ID-\\d+$", loaded.Pattern(20)->pattern);
    EXPECT_TRUE(loaded.Pattern(20)->regex);
    EXPECT_FALSE(loaded.Pattern(20)->caseSensitive);
    EXPECT_EQ("excel.exe;winword.exe", loaded.Program(1)->programs);
    EXPECT_EQ("設定02", loaded.Program(2)->name);
}

TEST(ConvertSettings, LongTextsAreCutAtACharacter) {
    FakeStore store;
    store.values["Pattern01/Pattern"] = "a" + std::string(600, '\x82') ;   // lead bytes only
    store.values["Program01/SettingName"] = std::string(300, 'n');
    ConvertSettings settings;
    settings.Load(store);
    EXPECT_EQ(kSettingNameMaxBytes, settings.Program(1)->name.size());
    EXPECT_LE(settings.Pattern(1)->pattern.size(), kSettingTextMaxBytes);
}

TEST(PluginRecords, FunctionsAndSettingCounts) {
    TlxPluginInfo info;
    FillPluginInfo(info);
    EXPECT_EQ(kFuncCount, info.FuncCount);
    EXPECT_EQ(0, info.IsSetting);
    const struct {
        int32_t funcno;
        int32_t type;
        int32_t settings;
        int32_t hasDialog;
    } rows[] = {
        {kFuncToHalfWidth, TLX_FUNC_ACTION, 2, 0},  {kFuncToFullWidth, TLX_FUNC_ACTION, 2, 0},
        {kFuncToUpper, TLX_FUNC_ACTION, 1, 0},      {kFuncQuote, TLX_FUNC_ACTION, 1, 1},
        {kFuncJoinLines, TLX_FUNC_ACTION, 1, 0},    {kFuncReplace, TLX_FUNC_ACTION, 20, 1},
        {kFuncMatchesPattern, TLX_FUNC_CHECK, 20, 1}, {kFuncCopiedFrom, TLX_FUNC_CHECK, 20, 1},
    };
    for (const auto &row : rows) {
        TlxFuncInfo f;
        ASSERT_TRUE(FillFuncInfo(row.funcno, f));
        EXPECT_EQ(row.type, f.FunctionType) << row.funcno;
        EXPECT_EQ(row.settings, f.FuncNameNumMax) << row.funcno;
        EXPECT_EQ(row.hasDialog, f.IsSetting) << row.funcno;
    }
    TlxFuncInfo untouched{};
    EXPECT_FALSE(FillFuncInfo(kFuncCount + 1, untouched));
    EXPECT_EQ(0, SettingCount(0));
}

TEST(PluginRecords, SettingNames) {
    ConvertSettings settings;
    settings.Replace(2)->name = "URLを消す";
    settings.Program(20)->name = "";
    const struct {
        int32_t funcno, setno;
        const char *name;
    } rows[] = {
        {kFuncToHalfWidth, kWidthLatinSigns, "英数字・記号"},
        {kFuncToFullWidth, kWidthWithKatakana, "英数字・記号・カタカナ"},
        {kFuncToHalfWidth, 3, ""},
        {kFuncReplace, 2, "URLを消す"},
        {kFuncMatchesPattern, 1, "設定01"},
        {kFuncCopiedFrom, 20, ""},
        {kFuncReplace, 21, ""},
        {kFuncQuote, 1, ""},
        {kFuncCount + 1, 1, ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(row.name, SettingName(settings, row.funcno, row.setno)) << row.funcno << "/" << row.setno;
}

}  // namespace
