// The phrases as the picker lists them: under their folders, found by name or by text,
// case and width aside, and each known by its number when the book changes.
#include <gtest/gtest.h>

#include "phrase_picker_source.h"
#include "unicode_text.h"

using namespace tlxsnippet;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

// Two folders added out of order, so that the book's folder order is what groups them,
// and an empty folder between them that shows no header.
PhraseBook Book() {
    PhraseBook book;
    book.Add(u"挨拶", u"お世話になっております", u"お世話になっております。");
    book.AddFolder(u"空");
    book.Add(u"署名", u"署名", u"ポルテリカ商事\r\nTEL 03-0000-0000");
    book.Add(u"挨拶", u"おつかれ", u"お疲れさまです。");
    book.Add(u"署名", u"Mail", u"info@porterica.example");
    return book;
}

using Lines = std::vector<std::u16string>;

// The rows of a search as "[folder]" and phrase names.
Lines Rows(const PhraseBook &book, std::u16string_view search) {
    PhrasePickerSource source(book);
    tlx::PickerModel model(source, {});
    model.Search(search);
    Lines rows;
    for (const tlx::PickerRow &row : model.Rows())
        rows.push_back(row.header ? u"[" + source.GroupName(row.index) + u"]" : source.RowText(row.index));
    return rows;
}

// The rows one per line in UTF-8, for a failure's message.
std::string Shown(const Lines &rows) {
    std::string shown;
    for (const std::u16string &row : rows) shown += "\n" + Utf8(row);
    return shown;
}

TEST(PhrasePickerSource, FindsByNameOrTextUnderTheFolders) {
    PhraseBook book = Book();
    book.Add(u"英数", u"ＡＢＣ１２３", u"");
    book.Add(u"英数", u"other", u"ｘｙｚ");
    const struct {
        std::u16string search;
        Lines rows;
    } cases[] = {
        {u"", {u"[挨拶]", u"お世話になっております", u"おつかれ", u"[署名]", u"署名", u"Mail", u"[英数]", u"ＡＢＣ１２３",
               u"other"}},
        {u"お世話", {u"[挨拶]", u"お世話になっております"}},
        {u"疲れ", {u"[挨拶]", u"おつかれ"}},       // in the text alone
        {u"商事", {u"[署名]", u"署名"}},           // a later line of the text
        {u"mail", {u"[署名]", u"Mail"}},           // case aside
        {u"ＭＡＩＬ", {u"[署名]", u"Mail"}},       // full-width typed
        {u"０３", {u"[署名]", u"署名"}},           // full-width digits
        {u"abc12", {u"[英数]", u"ＡＢＣ１２３"}},  // a full-width name found half-width
        {u"XY", {u"[英数]", u"other"}},            // and a full-width text
        {u"。", {u"[挨拶]", u"お世話になっております", u"おつかれ"}},
        {u"空", {}},                               // a folder's name finds nothing
        {u"ない", {}},
    };
    for (const auto &c : cases) {
        const Lines rows = Rows(book, c.search);
        EXPECT_EQ(c.rows, rows) << Utf8(c.search) << ":" << Shown(rows);
    }
}

TEST(PhrasePickerSource, ItemsAreKnownByTheirPhraseNumbersAndStayWhileTheBookChanges) {
    PhraseBook book = Book();
    const int32_t tired = book.Phrases()[1].number;
    const PhrasePickerSource before(book);
    EXPECT_EQ(u"おつかれ", before.RowText(1));
    EXPECT_EQ(u"お疲れさまです。", before.PreviewText(1));
    EXPECT_EQ(tired, before.Number(1));
    EXPECT_EQ(static_cast<uint64_t>(tired), before.Key(1));

    // A phrase removed before it (as a watch action may while the picker is open).
    ASSERT_TRUE(book.Remove(book.Phrases()[0].number));
    EXPECT_EQ(4u, before.Count()) << "the open picker's rows stay as they were";
    EXPECT_EQ(u"おつかれ", before.RowText(1));
    const PhrasePickerSource after(book);
    ASSERT_EQ(3u, after.Count());
    EXPECT_EQ(u"おつかれ", after.RowText(0));
    EXPECT_EQ(static_cast<uint64_t>(tired), after.Key(0)) << "the same key at another place";
    EXPECT_EQ(u"挨拶", after.GroupName(after.Group(0)));
    EXPECT_EQ(u"署名", after.GroupName(after.Group(1)));
}

}  // namespace
