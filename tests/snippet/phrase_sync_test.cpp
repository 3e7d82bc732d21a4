// Two PCs changing the phrases apart, each writing only its own file and reading the
// other's: every pair of changes, merged the same way on both sides; the conflicts kept
// and settled; the book of before taken over once however often; numbers that two PCs
// never both give; the files of both kinds read back as written.
#include <gtest/gtest.h>

#include <functional>

#include "phrase_file.h"
#include "phrase_files.h"
#include "phrase_state.h"
#include "unicode_text.h"

using namespace tlxsnippet;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

// Compared in UTF-16: the narrow literals of a test are in the system's code page.
using Lines = std::vector<std::u16string>;

// Each phrase as "folder/name=text", in the view's order; empty folders as "folder/".
Lines LinesOf(const PhraseBook &book) {
    Lines lines;
    for (const std::u16string &folder : book.Folders()) {
        bool any = false;
        for (const Phrase &phrase : book.Phrases())
            if (phrase.folder == folder) lines.push_back(folder + u"/" + phrase.name + u"=" + phrase.text), any = true;
        if (!any) lines.push_back(folder + u"/");
    }
    return lines;
}

Phrase &Named(PhraseBook &book, std::u16string_view name) {
    for (const Phrase &phrase : book.Phrases())
        if (phrase.name == name) return *book.Find(phrase.number);
    ADD_FAILURE() << "no phrase " << Utf8(name);
    static Phrase none;
    return none;
}

// A PC: what it knows, merged from its own file and the other's.
struct Pc {
    std::u16string name;
    int block;
    int64_t clock;   // A's changes come before B's
    PhraseState state;

    PhraseBook View() const { return ViewOf(state, state.Counts(), {name, false, BlockNumbers(block)}); }
    void Change(const std::function<void(PhraseBook &)> &edit) {
        const PhraseBook before = View();
        PhraseBook after = before;
        edit(after);
        state.Absorb(Changes(state, before, after, name, ++clock));
    }
    std::string File() const { return WritePhrases(state, name, block); }
};

// Each reads the other's file.
void Sync(Pc &a, Pc &b) {
    const PhraseFile fromA = ReadPhrases(a.File(), u""), fromB = ReadPhrases(b.File(), u"");
    ASSERT_EQ(PhraseFile::Outcome::kRead, fromA.outcome);
    ASSERT_EQ(PhraseFile::Outcome::kRead, fromB.outcome);
    EXPECT_EQ(fromA.state, a.state) << "read back as written";
    a.state.Absorb(fromB.state);
    b.state.Absorb(fromA.state);
}

PhraseBook OldBook() {
    PhraseBook book;
    book.Add(u"挨拶", u"朝", u"おはよう");
    book.Add(u"挨拶", u"夜", u"こんばんは");
    book.Add(u"署名", u"名前", u"山田\r\n@営業部");
    return book;
}

// Both PCs after taking over the same book of before.
struct TwoPcs {
    Pc a{u"PC-A", 11, 1000, {}};
    Pc b{u"PC-B", 22, 2000, {}};
    TwoPcs() {
        const std::string old = WritePhraseFile(OldBook());
        a.state = ReadPhrases(old, a.name).state;
        b.state = ReadPhrases(old, b.name).state;
    }
};

const Lines kOld = {u"挨拶/朝=おはよう", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部"};

TEST(PhraseSync, EachPairOfChangesMergesAlikeOnBothSides) {
    using Edit = std::function<void(PhraseBook &)>;
    const Edit none = [](PhraseBook &) {};
    const auto text = [](std::u16string_view name, std::u16string value) {
        return Edit([=](PhraseBook &book) { Named(book, name).text = value; });
    };
    const auto remove = [](std::u16string_view name) {
        return Edit([=](PhraseBook &book) { book.Remove(Named(book, name).number); });
    };
    const struct {
        const char *what;
        Edit onA, onB;
        Lines merged;
    } cases[] = {
        {"nothing", none, none, kOld},
        {"added on both",
         [](PhraseBook &book) { book.Add(u"挨拶", u"昼", u"こんにちは"); },
         [](PhraseBook &book) { book.Add(u"署名", u"会社", u"ABC"); },
         {u"挨拶/朝=おはよう", u"挨拶/夜=こんばんは", u"挨拶/昼=こんにちは", u"署名/名前=山田\r\n@営業部", u"署名/会社=ABC"}},
        {"edited on one", text(u"朝", u"おはようございます"), none,
         {u"挨拶/朝=おはようございます", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部"}},
        {"deleted on one", none, remove(u"夜"), {u"挨拶/朝=おはよう", u"署名/名前=山田\r\n@営業部"}},
        {"edited alike on both", text(u"朝", u"おはよ"), text(u"朝", u"おはよ"),
         {u"挨拶/朝=おはよ", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部"}},
        {"edited apart on both: the later shown, the other beside it", text(u"朝", u"Aの朝"), text(u"朝", u"Bの朝"),
         {u"挨拶/朝=Bの朝", u"挨拶/朝（競合）=Aの朝", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部"}},
        {"edited on one, deleted on the other", text(u"朝", u"残る"), remove(u"朝"),
         {u"挨拶/朝=残る", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部"}},
        {"deleted on both", remove(u"夜"), remove(u"夜"), {u"挨拶/朝=おはよう", u"署名/名前=山田\r\n@営業部"}},
        {"moved on one, edited on the other", [](PhraseBook &book) { book.Move(Named(book, u"夜").number, -1); },
         text(u"夜", u"お疲れさま"), {u"挨拶/夜=お疲れさま", u"挨拶/朝=おはよう", u"署名/名前=山田\r\n@営業部"}},
        {"moved to another folder on one, renamed on the other",
         [](PhraseBook &book) { Named(book, u"夜").folder = u"署名"; },
         [](PhraseBook &book) { Named(book, u"夜").name = u"晩"; },
         {u"挨拶/朝=おはよう", u"挨拶/晩=こんばんは", u"署名/夜（競合）=こんばんは", u"署名/名前=山田\r\n@営業部"}},
        {"a folder added on both", [](PhraseBook &book) { book.AddFolder(u"社外"); },
         [](PhraseBook &book) { book.AddFolder(u"社内"); }, {u"挨拶/朝=おはよう", u"挨拶/夜=こんばんは", u"署名/名前=山田\r\n@営業部", u"社内/", u"社外/"}},
        {"a folder deleted on one, a phrase added to it on the other",
         [](PhraseBook &book) { book.RemoveFolder(u"署名"); },
         [](PhraseBook &book) { book.Add(u"署名", u"会社", u"ABC"); }, {u"挨拶/朝=おはよう", u"挨拶/夜=こんばんは", u"署名/会社=ABC"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TwoPcs pcs;
        pcs.a.Change(c.onA);
        pcs.b.Change(c.onB);
        Sync(pcs.a, pcs.b);
        EXPECT_EQ(c.merged, LinesOf(pcs.a.View()));
        EXPECT_EQ(c.merged, LinesOf(pcs.b.View()));
        Sync(pcs.a, pcs.b);
        EXPECT_EQ(c.merged, LinesOf(pcs.a.View())) << "a second sync changes nothing";
    }
}

TEST(PhraseSync, AConflictStaysUntilTheUserChoosesAndWhatTheyKeepStays) {
    const struct {
        const char *what;
        std::function<void(PhraseBook &)> choose;   // on B, after the conflict arrived
        Lines settled;
    } cases[] = {
        {"the text beside it deleted", [](PhraseBook &book) { book.Remove(Named(book, u"朝（競合）").number); },
         {u"挨拶/朝=Bの朝", u"挨拶/夜=こんばんは"}},
        {"the phrase deleted", [](PhraseBook &book) { book.Remove(Named(book, u"朝").number); },
         {u"挨拶/朝（競合）=Aの朝", u"挨拶/夜=こんばんは"}},
        {"the phrase edited: the text beside it kept as a phrase", [](PhraseBook &book) { Named(book, u"朝").text = u"新しい朝"; },
         {u"挨拶/朝=新しい朝", u"挨拶/朝（競合）=Aの朝", u"挨拶/夜=こんばんは"}},
        {"the text beside it edited: a phrase of its own", [](PhraseBook &book) { Named(book, u"朝（競合）").text = u"直した朝"; },
         {u"挨拶/朝=Bの朝", u"挨拶/朝（競合）=直した朝", u"挨拶/夜=こんばんは"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TwoPcs pcs;
        pcs.a.Change([](PhraseBook &book) { book.RemoveFolder(u"署名"); });
        Sync(pcs.a, pcs.b);
        pcs.a.Change([](PhraseBook &book) { Named(book, u"朝").text = u"Aの朝"; });
        pcs.b.Change([](PhraseBook &book) { Named(book, u"朝").text = u"Bの朝"; });
        Sync(pcs.a, pcs.b);
        pcs.b.Change(c.choose);
        Sync(pcs.a, pcs.b);
        EXPECT_EQ(c.settled, LinesOf(pcs.a.View()));
        EXPECT_EQ(c.settled, LinesOf(pcs.b.View()));
        const PhraseBook view = pcs.a.View();
        for (const Phrase &phrase : view.Phrases())
            EXPECT_TRUE(phrase.conflictOf == 0 && IsOwnNumber(phrase.number)) << "settled: " << Utf8(phrase.name);
    }
}

TEST(PhraseSync, TheBookOfBeforeIsTakenOverOnceHoweverOftenAndWhereverItIsRead) {
    TwoPcs pcs;
    pcs.a.Change([](PhraseBook &book) { Named(book, u"夜").text = u"お疲れさま"; });
    pcs.b.Change([](PhraseBook &book) { book.Remove(Named(book, u"朝").number); });
    // A third PC with the same book of before (the examples every copy comes with).
    Pc c{u"PC-C", 33, 3000, ReadPhrases(WritePhraseFile(OldBook()), u"PC-C").state};
    Sync(pcs.a, pcs.b);
    Sync(pcs.a, c);
    Sync(pcs.b, c);
    const Lines merged = {u"挨拶/夜=お疲れさま", u"署名/名前=山田\r\n@営業部"};
    EXPECT_EQ(merged, LinesOf(c.View())) << "changes made since win over the same book taken over again";
    pcs.a.state.Absorb(ReadPhrases(WritePhraseFile(OldBook()), u"PC-A").state);
    EXPECT_EQ(merged, LinesOf(pcs.a.View()));

    PhraseBook other = OldBook();
    other.Find(1)->text = u"別の PC の朝";
    c.state.Absorb(ReadPhrases(WritePhraseFile(other), u"PC-C").state);
    EXPECT_EQ((Lines{u"挨拶/朝=別の PC の朝", u"挨拶/夜=お疲れさま", u"署名/名前=山田\r\n@営業部"}), LinesOf(c.View()))
        << "a different text under the same number is another version: kept, not lost";
}

TEST(PhraseSync, PcsNumberNewPhrasesFromBlocksOfTheirOwn) {
    EXPECT_EQ(1, BlockNumbers(0).first);
    EXPECT_EQ(999'999, BlockNumbers(0).last);
    EXPECT_EQ(517'000'000, BlockNumbers(517).first);
    EXPECT_EQ(kHighestOwnNumber, BlockNumbers(kLastBlock).last);
    const int mine = ChooseBlock(u"PC-A", {});
    EXPECT_EQ(mine, ChooseBlock(u"pc-a", {})) << "as Windows compares computer names";
    EXPECT_NE(mine, ChooseBlock(u"PC-A", {mine})) << "a block another PC's file holds is passed over";
    EXPECT_GE(mine, 1);

    PhraseState typed;   // a phrase numbered by hand at the end of the block a PC's name points to
    typed.Absorb(PhraseVersion{BlockNumbers(mine).last, {}, 0, false, u"f", u"typed", u"x"});
    EXPECT_EQ(mine, BlockWithRoom({}, u"PC-A", mine, {}));
    const int other = BlockWithRoom(typed, u"PC-A", mine, {});
    EXPECT_NE(mine, other) << "a block whose last number is given has no room";
    EXPECT_EQ(other, BlockWithRoom(typed, u"PC-A", 0, {})) << "nor is it chosen";

    PhraseBook book;
    book.UseNumbers(BlockNumbers(kLastBlock));
    book.Restore({kHighestOwnNumber - 1, u"f", u"a", u"", 0});
    book.Restore({5, u"f", u"b", u"", 0});   // another block's: leaves this one's next number alone
    EXPECT_EQ(kHighestOwnNumber, book.NextNumber());
    EXPECT_EQ(kHighestOwnNumber, book.Add(u"f", u"c", u""));
    EXPECT_EQ(0, book.Add(u"f", u"d", u"")) << "the block is used up: no number past it";
    EXPECT_EQ(3u, book.Phrases().size());

    const struct {
        const char16_t *text;
        std::optional<int64_t> read;
    } numbers[] = {
        {u"999999999", 999'999'999}, {u"1000000000", std::nullopt}, {u"0999999999", 999'999'999},
        {u"99999999999999999999", std::nullopt}, {u"", std::nullopt}, {u"12a", std::nullopt}, {u"-1", std::nullopt},
    };
    for (const auto &n : numbers) EXPECT_EQ(n.read, ParseDecimal(n.text, kHighestOwnNumber)) << Utf8(n.text);
}

TEST(PhraseSync, EveryNumberTheWriterGivesTheReaderTakes) {
    Pc pc{u"PC-A", kLastBlock, 1, {}};
    pc.state.Absorb(ReadPhrases(WritePhraseFile(OldBook()), u"PC-A").state);
    pc.state.Absorb(PhraseVersion{kHighestOwnNumber, {}, 5, false, u"f", u"last", u"x"});
    pc.Change([](PhraseBook &book) { Named(book, u"last").text = u"y"; });
    pc.state.Count(kHighestOwnNumber, u"PC-A", INT32_MAX);
    pc.state.Count(kTeamNumberBase + kHighestOwnNumber, u"PC-A", 3);   // a team phrase's pastes
    const PhraseFile read = ReadPhrases(pc.File(), u"");
    ASSERT_EQ(PhraseFile::Outcome::kRead, read.outcome) << pc.File();
    EXPECT_EQ(pc.state, read.state);
    EXPECT_EQ(kLastBlock, read.block);
    EXPECT_EQ(u"PC-A", read.writer);
    PhraseBook book = pc.View();
    EXPECT_EQ(0, book.Add(u"f", u"z", u"")) << "the last number given, none is left";

    // The book of before: numbers up to the highest, then that one's successor refused.
    PhraseBook old;
    old.Restore({kHighestOwnNumber, u"f", u"n", u"t", 0});
    EXPECT_EQ(PhraseFile::Outcome::kRead, ReadPhrases(WritePhraseFile(old), u"PC-A").outcome);
}

TEST(PhraseFiles, DamagedAndNewerFilesAreRefused) {
    const std::string book = WritePhraseFile(OldBook());
    Pc pc{u"PC-A", 1, 1, ReadPhrases(book, u"PC-A").state};
    const std::string own = pc.File();
    const auto utf8 = [](std::u16string_view text) { return Utf8(text); };
    const struct {
        const char *what;
        std::string bytes;
        PhraseFile::Outcome outcome;
    } cases[] = {
        {"a book", book, PhraseFile::Outcome::kRead},
        {"a PC's file", own, PhraseFile::Outcome::kRead},
        {"without the byte order mark", own.substr(3), PhraseFile::Outcome::kRead},
        {"no signature", utf8(u"@定型文 1 x\r\ny\r\n"), PhraseFile::Outcome::kDamaged},
        {"not UTF-8", own + "\xFF\xFE", PhraseFile::Outcome::kDamaged},
        {"a number twice in a book", book + utf8(u"@定型文 1 again\r\nz\r\n"), PhraseFile::Outcome::kDamaged},
        {"a book's number beyond all", utf8(u"@ポルテリカ定型文 1\r\n@定型文 1000000000 x\r\n"), PhraseFile::Outcome::kDamaged},
        {"a count that is no number", book + utf8(u"@次の番号 x\r\n"), PhraseFile::Outcome::kDamaged},
        {"versions that are none", own + utf8(u"@定型文 7 5 PC-A:x n\r\nt\r\n"), PhraseFile::Outcome::kDamaged},
        {"versions out of order", own + utf8(u"@削除 7 5 PC-B:1,PC-A:1\r\n"), PhraseFile::Outcome::kDamaged},
        {"a time that is none", own + utf8(u"@削除 7 soon PC-A:1\r\n"), PhraseFile::Outcome::kDamaged},
        {"a count of a number no phrase can have", own + utf8(u"@連番 2000000001 PC-A 1\r\n"), PhraseFile::Outcome::kDamaged},
        {"a newer version's", utf8(u"@ポルテリカ定型文 3\r\n@新しい何か\r\n"), PhraseFile::Outcome::kNewer},
    };
    for (const auto &c : cases) EXPECT_EQ(c.outcome, ReadPhrases(c.bytes, u"PC-A").outcome) << c.what;
}

TEST(PhraseFiles, EveryClientsCopyIsReadAndKnownForACopyOfItsFile) {
    const std::u16string own = OwnFileName(u"PC-A");
    EXPECT_EQ(u"Phrases-PC-A.txt", own);
    const struct {
        const char16_t *name;
        bool read, copy;
    } names[] = {
        {u"Phrases-PC-A.txt", true, false},
        {u"phrases-pc-a.TXT", true, false},
        {u"Phrases-PC-B.txt", true, false},
        {u"Phrases-PC-A-PC-B.txt", true, true},                                   // OneDrive
        {u"Phrases-PC-A (PC-B's conflicted copy 2026-01-05).txt", true, true},    // Dropbox
        {u"Phrases-PC-A (PC-B の競合コピー 2026-01-05).txt", true, true},         // Dropbox in Japanese
        {u"Phrases-PC-A (1).txt", true, true},                                     // Google Drive
        {u"Phrases.txt", false, false},                                             // the book of before
        {u"Phrases-PC-A.txt.tmp", false, false},                                  // a client's work in progress
        {u"~Phrases-PC-A.txt", false, false},
        {u"Phrases-.txt", false, false},
        {u"Phrases-PC-AB.txt", true, false},
    };
    for (const auto &n : names) {
        EXPECT_EQ(n.read, IsPhraseFileName(n.name)) << Utf8(n.name);
        EXPECT_EQ(n.copy, IsCopyOf(n.name, own)) << Utf8(n.name);
    }
}

TEST(PhraseFiles, TheLastTwentyBackupsOfEachPcAreKept) {
    std::vector<std::u16string> names = {u"PC-B 20260101-000000.txt", u"readme.txt"};
    for (int day = 1; day <= 25; ++day) {
        const std::u16string stamp = utf::Utf16FromUtf8("202601" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "-120000");
        names.push_back(BackupFileName(u"PC-A", stamp));
    }
    const std::vector<std::u16string> removed = BackupsToRemove(names, u"PC-A");
    ASSERT_EQ(5u, removed.size());
    EXPECT_EQ(u"PC-A 20260105-120000.txt", removed.front()) << "the oldest go";
    EXPECT_EQ(u"PC-A 20260101-120000.txt", removed.back());
    const std::optional<BackupName> backup = ParseBackupName(u"PC 2 20260105-093000.txt");
    ASSERT_TRUE(backup);
    EXPECT_EQ(u"PC 2", backup->computer);
    EXPECT_FALSE(ParseBackupName(u"PC 2026010-093000.txt"));
}

}  // namespace
