// Program lists with wildcards against a program's file name.
#include <gtest/gtest.h>

#include "program_names.h"

namespace {

using namespace tlx;

struct ListCase {
    const char16_t *list;
    const char16_t *fileName;
    bool matches;
};

TEST(ProgramNames, ListMatching) {
    const ListCase cases[] = {
        {u"excel.exe;winword.exe", u"EXCEL.EXE", true},
        {u"excel.exe;winword.exe", u"WinWord.exe", true},
        {u"excel.exe;winword.exe", u"powerpnt.exe", false},
        {u" excel.exe ; winword.exe ", u"winword.exe", true},
        {u"excel", u"excel.exe", false},                 // the whole name, not a part of it
        {u"excel.exe", u"myexcel.exe", false},
        {u"*.exe", u"notepad.exe", true},
        {u"chrom?.exe", u"chrome.exe", true},
        {u"chrom?.exe", u"chrom.exe", false},
        {u"*fire*", u"firefox.exe", true},
        {u"a*b*c", u"aXXbYYbZZc", true},
        {u"a*b*c", u"aXXbYYcZZ", false},
        {u"ＥＸＣＥＬ.exe", u"ｅｘｃｅｌ.EXE", true},
        {u"", u"excel.exe", false},
        {u";;", u"excel.exe", false},
        {u"*", u"", false},                               // no program known
        {u"メモ帳.exe", u"メモ帳.exe", true},
    };
    for (const ListCase &c : cases)
        EXPECT_EQ(c.matches, ProgramListMatches(c.list, c.fileName))
            << std::string(c.list, c.list + std::char_traits<char16_t>::length(c.list)).size();
}

TEST(ProgramNames, ManyStarsStayFast) {
    // Backtracking over every star would take ages here; the single step back does not.
    const std::u16string list(200, u'*');
    EXPECT_FALSE(ProgramListMatches(list + u"b", std::u16string(5000, u'a')));
}

TEST(ProgramNames, FileNameOfPath) {
    EXPECT_EQ(u"EXCEL.EXE", FileNameOfPath(u"C:\\Program Files\\Office\\EXCEL.EXE"));
    EXPECT_EQ(u"a.exe", FileNameOfPath(u"/usr/bin/a.exe"));
    EXPECT_EQ(u"a.exe", FileNameOfPath(u"a.exe"));
}

}  // namespace
