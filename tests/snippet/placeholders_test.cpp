// The placeholders of a phrase as they are expanded when it is pasted: dates in the
// system's pictures and the Japanese calendar, the clipboard, the caret, questions,
// counters and literal braces.
#include <gtest/gtest.h>

#include "placeholders.h"
#include "unicode_text.h"

using namespace tlxsnippet;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

LocaleNames JapaneseNames() {
    LocaleNames names;
    names.dayNames = {u"日曜日", u"月曜日", u"火曜日", u"水曜日", u"木曜日", u"金曜日", u"土曜日"};
    names.abbreviatedDayNames = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
    for (int m = 0; m < 12; ++m) names.monthNames[m] = utf::Utf16FromUtf8(std::to_string(m + 1)) + u"月";
    names.am = u"午前";
    names.pm = u"午後";
    return names;
}

// 2026-12-09 (a Wednesday) 14:05:07, Japanese pictures, the built-in eras.
PasteContext Context() {
    PasteContext context;
    context.now = DateTime{{2026, 12, 9}, 3, 14, 5, 7};
    context.names = JapaneseNames();
    context.eras = BuiltInEras();
    context.shortDatePicture = u"yyyy/MM/dd";
    context.shortTimePicture = u"H:mm";
    context.clipboardText = [] { return std::u16string(u"コピーした\r\n文字"); };
    return context;
}

std::string Expanded(std::u16string_view phrase, const PasteContext &context = Context()) {
    const std::optional<Expansion> expansion = ExpandPhrase(phrase, context);
    return expansion ? Utf8(expansion->text) : "(cancelled)";
}

TEST(Placeholders, EachExpandsAsWritten) {
    const struct {
        const char16_t *phrase;
        std::string expected;
    } cases[] = {
        {u"{日付}", "2026/12/09"},
        {u"{日付:yyyy年M月d日(ddd)}", Utf8(u"2026年12月9日(水)")},
        {u"{日付:yy/MM/dd dddd}", Utf8(u"26/12/09 水曜日")},
        {u"{日付:MMMM}", Utf8(u"12月")},
        {u"{和暦}", Utf8(u"令和8年12月9日")},
        {u"{日付:gg ee年}", Utf8(u"令和 08年")},
        {u"{時刻}", "14:05"},
        {u"{時刻:HH:mm:ss}", "14:05:07"},
        {u"{時刻:tt h時m分}", Utf8(u"午後 2時5分")},
        {u"{時刻:hh 'h' t}", Utf8(u"02 h 午")},
        {u"{日付:'yyyy'年 ''}", Utf8(u"yyyy年 '")},
        {u"[{クリップボード}]", Utf8(u"[コピーした\r\n文字]")},
        {u"{{和暦}} {{ }}", Utf8(u"{和暦} { }")},
        {u"{不明} {日付:} {連番:abc} {入力} {和暦:x}", Utf8(u"{不明} {日付:} {連番:abc} {入力} {和暦:x}")},
        {u"閉じない {日付", Utf8(u"閉じない {日付")},
        {u"{連番} {連番:001} {連番:7}", "1 001 7"},
    };
    for (const auto &c : cases) EXPECT_EQ(Expanded(c.phrase), c.expected) << Utf8(c.phrase);
}

TEST(Placeholders, TheJapaneseCalendarTurnsAtEachEra) {
    const struct {
        CalendarDate date;
        std::string expected;
    } cases[] = {
        {{2019, 4, 30}, Utf8(u"平成31年4月30日")}, {{2019, 5, 1}, Utf8(u"令和元年5月1日")}, {{2020, 1, 1}, Utf8(u"令和2年1月1日")},
        {{1989, 1, 7}, Utf8(u"昭和64年1月7日")},   {{1989, 1, 8}, Utf8(u"平成元年1月8日")}, {{1926, 12, 25}, Utf8(u"昭和元年12月25日")},
        {{1912, 7, 29}, Utf8(u"明治45年7月29日")}, {{1912, 7, 30}, Utf8(u"大正元年7月30日")},
    };
    PasteContext context = Context();
    for (const auto &c : cases) {
        context.now.date = c.date;
        EXPECT_EQ(Expanded(u"{和暦}", context), c.expected) << c.date.year << "-" << c.date.month << "-" << c.date.day;
    }
    context.now.date = {2019, 5, 1};
    EXPECT_EQ(Expanded(u"{日付:gge}|{日付:ggee年}", context), Utf8(u"令和1|令和01年")) << Utf8(u"元 only for e followed by 年");
}

TEST(Placeholders, TheSystemsEraTableIsReadAndWins) {
    Era era;
    ASSERT_TRUE(ParseSystemEra(u"2030 04 01", u"新元_新_Shingen_S", era));
    EXPECT_EQ(Utf8(era.name), Utf8(u"新元"));
    EXPECT_EQ(era.first.year, 2030);
    for (const auto &[start, names] : {std::pair{u"2030 4", u"x_x"}, std::pair{u"2030 13 01", u"x_x"},
                                       std::pair{u"20a0 01 01", u"x_x"}, std::pair{u"2030 01 01", u"_x"}})
        EXPECT_FALSE(ParseSystemEra(start, names, era)) << Utf8(start) << " = " << Utf8(names);
    PasteContext context = Context();
    ASSERT_TRUE(ParseSystemEra(u"2030 04 01", u"新元_新_Shingen_S", era));
    context.eras.push_back(era);
    context.now.date = {2030, 4, 1};
    EXPECT_EQ(Expanded(u"{和暦}", context), Utf8(u"新元元年4月1日"));
}

// A system without the update of an era that began since keeps the built-in one (平成32
// was printed where the system's table replaced the built-in one).
TEST(Placeholders, TheSystemsErasAreAddedToTheBuiltInOnes) {
    const std::vector<Era> beforeReiwa(BuiltInEras().begin(), BuiltInEras().end() - 1);
    const Era next{u"新元", {2030, 4, 1}}, renamed{u"へいせい", {1989, 1, 8}};
    const struct {
        const char *what;
        std::vector<Era> system;
        CalendarDate date;
        std::string expected;
    } cases[] = {
        {"none", {}, {2020, 1, 1}, Utf8(u"令和2年1月1日")},
        {"up to 平成 only", beforeReiwa, {2020, 1, 1}, Utf8(u"令和2年1月1日")},
        {"an era after 令和", {next}, {2030, 4, 1}, Utf8(u"新元元年4月1日")},
        {"an era after 令和, a date before it", {next}, {2030, 3, 31}, Utf8(u"令和12年3月31日")},
        {"the same day named otherwise: the system's name", {renamed}, {1990, 1, 1}, Utf8(u"へいせい2年1月1日")},
    };
    for (const auto &c : cases) {
        PasteContext context = Context();
        context.eras = WithBuiltInEras(c.system);
        context.now.date = c.date;
        EXPECT_EQ(c.expected, Expanded(u"{和暦}", context)) << c.what;
    }
}

TEST(Placeholders, TheCaretStepsBackOverWhatFollowsIt) {
    const struct {
        const char16_t *phrase;
        size_t caretBack;
    } cases[] = {
        {u"前{カーソル}後ろ", 2},
        {u"{カーソル}", 0},
        {u"行1\r\n{カーソル}\r\n行3", 3},        // a line break is one step
        {u"a{カーソル}\U0001F600b", 2},           // a character of two units is one step
        {u"a{カーソル}b{カーソル}c", 2},          // the first one counts
        {u"{カーソル}{クリップボード}", 8},       // what the placeholders after it became
        {u"no caret", 0},
    };
    for (const auto &c : cases) {
        const std::optional<Expansion> expansion = ExpandPhrase(c.phrase, Context());
        ASSERT_TRUE(expansion.has_value());
        EXPECT_EQ(expansion->caretBack, c.caretBack) << Utf8(c.phrase);
        EXPECT_EQ(expansion->text.find(u"{カーソル}"), std::u16string::npos);
    }
}

TEST(Placeholders, InputsAreAskedOnceEachAndCancellingStopsThePaste) {
    PasteContext context = Context();
    std::vector<std::vector<std::u16string>> asked;
    context.ask = [&](const std::vector<std::u16string> &fields) -> std::optional<std::vector<std::u16string>> {
        asked.push_back(fields);
        return std::vector<std::u16string>{u"山田", u"営業部"};
    };
    EXPECT_EQ(Expanded(u"{入力:氏名} ({入力:部署}) {入力:氏名}様", context), Utf8(u"山田 (営業部) 山田様"));
    ASSERT_EQ(asked.size(), 1u) << "one question for all fields";
    EXPECT_EQ(asked[0], (std::vector<std::u16string>{u"氏名", u"部署"}));

    context.ask = [](const std::vector<std::u16string> &) { return std::nullopt; };
    EXPECT_EQ(Expanded(u"{入力:氏名}", context), "(cancelled)");
    asked.clear();
    context.ask = nullptr;
    EXPECT_EQ(Expanded(u"no question", context), "no question");
}

TEST(Placeholders, TheCounterCountsOnFromThePastesBefore) {
    PasteContext context = Context();
    const struct {
        int pastes;
        std::string expected;
    } cases[] = {{0, "1 001 10"}, {1, "2 002 11"}, {998, "999 999 1008"}, {999, "1000 1000 1009"}};
    for (const auto &c : cases) {
        context.pastes = c.pastes;
        const std::optional<Expansion> expansion = ExpandPhrase(u"{連番} {連番:001} {連番:10}", context);
        ASSERT_TRUE(expansion.has_value());
        EXPECT_EQ(Utf8(expansion->text), c.expected) << c.pastes;
        EXPECT_TRUE(expansion->counts);
    }
    EXPECT_FALSE(ExpandPhrase(u"{日付}", context)->counts);
    EXPECT_EQ(Expanded(u"{連番:99999999999999999999}", context), "1000000999") << "a long start does not overflow";
}

TEST(Placeholders, TheClipboardIsAskedOnlyWhenUsed) {
    PasteContext context = Context();
    int asked = 0;
    context.clipboardText = [&] { return ++asked, std::u16string(u"x"); };
    EXPECT_EQ(Expanded(u"{和暦}", context), Utf8(u"令和8年12月9日"));
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Expanded(u"{クリップボード}{クリップボード}", context), "xx");
    EXPECT_EQ(asked, 1);
}

}  // namespace
