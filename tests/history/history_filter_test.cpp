#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_filter.h"
#include "row_text.h"
#include "window_place.h"

namespace {

using tlxhistory::EntryKind;
using tlxhistory::MakeEntry;

tlxhistory::HistoryEntry Text(const std::u16string &text) {
    return MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(text));
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
        EXPECT_EQ(c.found, tlxhistory::FilterEntries(entries, c.search).size() == 1);
    }
}

TEST(HistoryFilter, AStoredTextWithAByteOverIsSearchedToItsLastWholeUnit) {
    // As a damaged or hand-made file may hold: the odd byte is no character.
    const std::vector<tlxhistory::HistoryEntry> entries = {
        MakeEntry(EntryKind::kText, tlxhistory::BytesFromUtf16(u"ａｂ") + "c")};
    EXPECT_EQ((std::vector<size_t>{0}), tlxhistory::FilterEntries(entries, u"AB"));
    EXPECT_EQ((std::vector<size_t>{}), tlxhistory::FilterEntries(entries, u"c"));
    EXPECT_EQ((std::vector<size_t>{}), tlxhistory::FilterEntries(entries, u"ａｂc"));
}

TEST(HistoryFilter, LooksInFileNamesAndImageRowsAndKeepsOrder) {
    const std::vector<tlxhistory::HistoryEntry> entries = {
        Text(u"report draft"), Files({u"C:\\docs\\Report.docx", u"C:\\x.txt"}), Image(640, 480), Text(u"other")};
    EXPECT_EQ((std::vector<size_t>{0, 1}), tlxhistory::FilterEntries(entries, u"REPORT"));
    EXPECT_EQ((std::vector<size_t>{1}), tlxhistory::FilterEntries(entries, u"x.txt"));
    EXPECT_EQ((std::vector<size_t>{2}), tlxhistory::FilterEntries(entries, u"画像"));
    EXPECT_EQ((std::vector<size_t>{0, 1, 2, 3}), tlxhistory::FilterEntries(entries, u""));
}

TEST(RowText, ShowsEachKindOnOneLine) {
    struct Case {
        const char *name;
        tlxhistory::HistoryEntry entry;
        std::u16string row;
    };
    const Case cases[] = {
        {"line breaks and tabs", Text(u"a\tb\r\nc\nd\re"), u"a→b↵c↵d↵e"},
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
    EXPECT_EQ(u"a\u21B5b", tlxhistory::RowText(cases[1].entry)) << "the row shows the text alone";
}

TEST(RowText, FirstTenRowsAreNumberedOneToZero) {
    const std::u16string expected[] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u""};
    for (size_t row = 0; row < 11; ++row) EXPECT_EQ(expected[row], tlxhistory::RowNumber(row)) << row;
}

}  // namespace

namespace {

TEST(WindowPlace, OpensAtTheCursorAndStaysOnItsScreen) {
    struct Case {
        const char *name;
        int x, y;
        tlxhistory::Box area, expected;
    };
    const tlxhistory::Box screen{0, 0, 1920, 1040};
    const tlxhistory::Box second{1920, -200, 3200, 824};   // right of the first, higher up
    const Case cases[] = {
        {"room everywhere", 100, 100, screen, {100, 100, 500, 400}},
        {"near the right edge", 1800, 100, screen, {1520, 100, 1920, 400}},
        {"near the bottom", 100, 1000, screen, {100, 740, 500, 1040}},
        {"corner", 1919, 1039, screen, {1520, 740, 1920, 1040}},
        {"second screen", 3100, -190, second, {2800, -190, 3200, 110}},
        {"area smaller than window", 50, 50, {0, 0, 300, 200}, {0, 0, 400, 300}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const tlxhistory::Box box = tlxhistory::PlaceNearCursor(c.x, c.y, 400, 300, c.area);
        EXPECT_EQ(c.expected.left, box.left);
        EXPECT_EQ(c.expected.top, box.top);
        EXPECT_EQ(c.expected.right, box.right);
        EXPECT_EQ(c.expected.bottom, box.bottom);
    }
}

}  // namespace
