#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_filter.h"
#include "row_text.h"
#include "search_fold.h"

namespace {

using tlxhistory::EntryKind;
using tlxhistory::MakeEntry;

tlxhistory::HistoryEntry Text(const std::u16string &text) {
    return MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text));
}

// Positions of the entries the search finds, as the history window lists them.
std::vector<size_t> Found(const std::vector<tlxhistory::HistoryEntry> &entries, std::u16string_view search) {
    std::vector<size_t> found;
    for (size_t i = 0; i < entries.size(); ++i)
        if (tlxhistory::EntryFinds(entries[i], tlx::FoldForSearch(search))) found.push_back(i);
    return found;
}

tlxhistory::HistoryEntry Files(const std::vector<std::u16string> &names) {
    return MakeEntry(EntryKind::kFiles, tlxhistory::FileListData(names));
}

// A PNG's first 24 bytes, enough to carry its size.
tlxhistory::HistoryEntry Image(uint32_t width, uint32_t height) {
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (uint32_t value : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((value >> shift) & 0xFF);
    return MakeEntry(EntryKind::kImage, png);
}

TEST(HistoryFilter, FindsAnywhereIgnoringCaseAndWidth) {
    struct Case {
        std::u16string text, search;
        bool found;
    };
    const Case cases[] = {
        {u"Hello World", u"world", true},
        {u"Hello World", u"LO W", true},
        {u"ＡＢＣ１２３", u"abc123", true},        // full-width text, half-width search
        {u"abc123", u"ＡＢＣ１２３", true},        // and the other way
        {u"ｍｉｘｅｄ Case", u"MIXED", true},
        {u"全角　空白", u"角 空", true},           // ideographic space
        {u"日本語のテキスト", u"テキスト", true},
        {u"日本語のテキスト", u"てきすと", false},  // no kana folding
        {u"abc", u"abcd", false},
        {u"abc", u"", true},
        {u"😀한글", u"한", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.search.begin(), c.search.end()));
        const std::vector<tlxhistory::HistoryEntry> entries = {Text(c.text)};
        EXPECT_EQ(c.found, Found(entries, c.search).size() == 1);
    }
}

TEST(HistoryFilter, AStoredTextWithAByteOverIsSearchedToItsLastWholeUnit) {
    // As a damaged or hand-made file may hold: the odd byte is no character.
    const std::vector<tlxhistory::HistoryEntry> entries = {
        MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"ａｂ") + "c")};
    EXPECT_EQ((std::vector<size_t>{0}), Found(entries, u"AB"));
    EXPECT_EQ((std::vector<size_t>{}), Found(entries, u"c"));
    EXPECT_EQ((std::vector<size_t>{}), Found(entries, u"ａｂc"));
}

TEST(HistoryFilter, LooksInFileNamesAndImageRowsAndKeepsOrder) {
    const std::vector<tlxhistory::HistoryEntry> entries = {
        Text(u"report draft"), Files({u"C:\\docs\\Report.docx", u"C:\\x.txt"}), Image(640, 480), Text(u"other")};
    EXPECT_EQ((std::vector<size_t>{0, 1}), Found(entries, u"REPORT"));
    EXPECT_EQ((std::vector<size_t>{1}), Found(entries, u"x.txt"));
    EXPECT_EQ((std::vector<size_t>{2}), Found(entries, u"画像"));
    EXPECT_EQ((std::vector<size_t>{0, 1, 2, 3}), Found(entries, u""));
}

TEST(RowText, ShowsEachKindOnOneLine) {
    struct Case {
        const char *name;
        tlxhistory::HistoryEntry entry;
        std::u16string row;
    };
    const Case cases[] = {
        {"line breaks and tabs", Text(u"a\tb\r\nc\nd\re"), u"a→b↓c↓d↓e"},
        {"emoji kept whole", Text(u"😀x"), u"😀x"},
        {"one file", Files({u"C:\\dir\\名前.txt"}), u"名前.txt"},
        {"three files", Files({u"C:\\a.txt", u"C:\\b.txt", u"C:\\c"}), u"a.txt 他2件"},
        {"a folder's root", Files({u"D:\\"}), u"D:\\"},
        {"image", Image(1920, 1080), u"画像 1920×1080"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.row, tlxhistory::RowText(c.entry));
    }
}

TEST(RowText, LongTextsAreCutWithoutSplittingAPair) {
    const std::u16string row = tlxhistory::RowText(Text(std::u16string(tlxhistory::kRowUnits - 1, u'x') + u"😀tail"));
    EXPECT_EQ(std::u16string(tlxhistory::kRowUnits - 1, u'x') + u"…", row);
    const std::u16string preview = tlxhistory::PreviewText(Text(std::u16string(2000, u'y')));
    EXPECT_EQ(tlxhistory::kPreviewUnits + 1, preview.size());
    EXPECT_EQ(u"C:\\a\r\nC:\\b", tlxhistory::PreviewText(Files({u"C:\\a", u"C:\\b"})));
    // An edit box breaks lines only at CR LF.
    EXPECT_EQ(u"a\r\nb\r\nc\r\n\r\n\r\nd", tlxhistory::PreviewText(Text(u"a\nb\rc\r\n\n\rd")));
}

TEST(RowText, ThePreviewMarksAFormattedText) {
    const tlxhistory::EntryForm html{"HTML Format", "<b>a</b>"};
    struct Case {
        const char *name;
        tlxhistory::HistoryEntry entry;
        std::u16string preview;
    };
    const Case cases[] = {
        {"plain", Text(u"a\nb"), u"a\r\nb"},
        {"formatted", MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"a\nb"), {html}), u"［書式付き］\r\na\r\nb"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.preview, tlxhistory::PreviewText(c.entry));
    }
    EXPECT_EQ(u"a\u2193b", tlxhistory::RowText(cases[1].entry)) << "the row shows the text alone";
}

}  // namespace
