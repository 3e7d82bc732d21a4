// The phrases and their file: numbers kept for good, the file read back as written,
// imports that add without overwriting, and a damaged file refused.
#include <gtest/gtest.h>

#include "phrase_file.h"
#include "unicode_text.h"

using namespace tlxsnippet;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

PhraseBook Sample() {
    PhraseBook book;
    book.Add(u"挨拶", u"お世話になっております。", u"お世話になっております。");
    book.Add(u"挨拶", u"お疲れさまです。", u"お疲れさまです。\r\n");
    book.Add(u"日付", u"和暦", u"{和暦}");
    book.Add(u"署名", u"署名", u"@の行\r\n@@二つ\r\n\r\n\r\n最後 \U0001F600");
    book.Add(u"署名", u"空", u"");
    book.AddFolder(u"空のフォルダ");
    book.Find(4)->pastes = 12;
    return book;
}

void ExpectSame(const PhraseBook &a, const PhraseBook &b, int line) {
    ASSERT_EQ(a.Phrases().size(), b.Phrases().size()) << "line " << line;
    EXPECT_EQ(a.Folders(), b.Folders()) << "line " << line;
    for (size_t i = 0; i < a.Phrases().size(); ++i) {
        const Phrase &x = a.Phrases()[i], &y = b.Phrases()[i];
        EXPECT_EQ(x.number, y.number) << "line " << line;
        EXPECT_EQ(Utf8(x.folder), Utf8(y.folder)) << "line " << line;
        EXPECT_EQ(Utf8(x.name), Utf8(y.name)) << "line " << line;
        EXPECT_EQ(Utf8(x.text), Utf8(y.text)) << x.number << ", line " << line;
        EXPECT_EQ(x.pastes, y.pastes) << "line " << line;
    }
}

TEST(PhraseBook, NumbersStayWithTheirPhrasesAndAreNeverGivenTwice) {
    PhraseBook book = Sample();
    EXPECT_EQ(book.HighestNumber(), 5);
    ASSERT_TRUE(book.Remove(5));
    ASSERT_TRUE(book.Move(2, -1));
    EXPECT_EQ(book.Add(u"挨拶", u"新しい", u"x"), 6) << "5 was given before";
    EXPECT_EQ(book.Find(5), nullptr);
    EXPECT_EQ(Utf8(book.Find(2)->name), Utf8(u"お疲れさまです。")) << "moved, same number";
    EXPECT_EQ(Utf8(SettingName(*book.Find(3))), Utf8(u"日付/和暦"));
    EXPECT_FALSE(book.Move(2, -1)) << "first of its folder";
    EXPECT_FALSE(book.Move(6, 1)) << "last of its folder: the next phrase is another folder's";
    ASSERT_TRUE(book.MoveFolder(u"署名", -1));
    EXPECT_EQ(book.Folders(), (std::vector<std::u16string>{u"挨拶", u"署名", u"日付", u"空のフォルダ"}));
    EXPECT_EQ(book.Phrases()[3].number, 4) << "phrases follow their folder";
    ASSERT_TRUE(book.RemoveFolder(u"署名"));
    EXPECT_EQ(book.Find(4), nullptr);
    EXPECT_EQ(book.Add(u"", u"x", u"x"), 7);
    EXPECT_EQ(Utf8(book.Find(7)->folder), Utf8(u"未分類"));
}

TEST(PhraseFile, ABookWrittenReadsBackTheSame) {
    const PhraseBook book = Sample();
    const std::string file = WritePhraseFile(book);
    const PhraseFile read = ReadPhrases(file, u"PC");
    ASSERT_EQ(PhraseFile::Outcome::kRead, read.outcome) << file;
    const PhraseBook back = ViewOf(read.state, read.state.Counts(), {u"PC", false, {}});
    ExpectSame(book, back, __LINE__);
    EXPECT_EQ(WritePhraseFile(back), file);
    EXPECT_NE(file.find(Utf8(u"@フォルダ 挨拶\r\n@定型文 1 お世話になっております。\r\nお世話になっております。\r\n\r\n")),
              std::string::npos)
        << file;
}

TEST(PhraseFile, ImportingAddsWithNewNumbersAndRenamesInsteadOfOverwriting) {
    PhraseBook book = Sample();
    const std::string handWritten = Utf8(
        u"@フォルダ 挨拶\n@定型文 お世話になっております。\n別の文\n\n"
        u"@定型文\n名前のない一行目がそのまま名前になる長い長い長い長い長い長い長い長い長い長い長い長い行です\n続き\n\n"
        u"@フォルダ 新しい\n@定型文 99 番号つき\n本文\n");
    const ImportResult result = ImportPhrases(handWritten, book);
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(result.renamed, 1);
    EXPECT_EQ(Utf8(book.Find(1)->text), Utf8(u"お世話になっております。")) << "the existing phrase is untouched";
    const Phrase *renamed = book.Find(6);
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(Utf8(renamed->name), Utf8(u"お世話になっております。 (2)"));
    EXPECT_EQ(Utf8(renamed->text), Utf8(u"別の文"));
    EXPECT_EQ(Utf8(book.Find(7)->name), Utf8(u"名前のない一行目がそのまま名前になる長い長い長い長い長い長い長い長い長い長い長い")) << "40 characters";
    EXPECT_EQ(Utf8(book.Find(7)->text), Utf8(u"名前のない一行目がそのまま名前になる長い長い長い長い長い長い長い長い長い長い長い長い行です\r\n続き"));
    EXPECT_EQ(book.Find(99), nullptr) << "an imported phrase gets a number of this book";
    EXPECT_EQ(Utf8(book.Find(8)->folder), Utf8(u"新しい"));
    EXPECT_FALSE(ImportPhrases("\xFF", book).read);

    const ImportResult again = ImportPhrases(WritePhraseFile(Sample()), book);
    EXPECT_EQ(again.added, 5);
    EXPECT_EQ(again.renamed, 5) << "every phrase already there";
}

}  // namespace
