// What the phrase editor relies on without a window: the paste options in Setting.ini,
// free names for what it adds, and its questions and reports.
#include <gtest/gtest.h>

#include "editor_texts.h"
#include "memory_profile.h"
#include "snippet_options.h"
#include "unicode_text.h"

using namespace tlxsnippet;
using namespace std::string_literals;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

TEST(SnippetOptions, ReadFromMainWithBothOnByDefault) {
    const struct {
        std::string block;   // the [Main] section as a file holds it
        bool restore, keepOut;
    } cases[] = {
        {""s, true, true},
        {"RestoreClipboard=0"s, false, true},
        {"KeepOutOfHistory=0"s, true, false},
        {"RestoreClipboard=0\0KeepOutOfHistory=0"s, false, false},
        {"RestoreClipboard=1\0KeepOutOfHistory=2"s, true, true},
        {"RestoreClipboard=\"0\"\0KeepOutOfHistory=x"s, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.block);
        ptrtest::MemoryProfile store;
        store.SetSection("Main", c.block);
        SnippetOptions options;
        options.Load(store);
        EXPECT_EQ(c.restore, options.restoreClipboard);
        EXPECT_EQ(c.keepOut, options.keepOutOfHistory);
    }
}

TEST(SnippetOptions, SavedAsZeroOrOneAndReadBack) {
    for (const bool restore : {false, true}) {
        for (const bool keepOut : {false, true}) {
            ptrtest::MemoryProfile store;
            store.SetSection("Main", "RestoreClipboard=7\0KeepOutOfHistory=7"s);
            SnippetOptions saved;
            saved.restoreClipboard = restore;
            saved.keepOutOfHistory = keepOut;
            saved.Save(store);
            EXPECT_EQ(restore ? "1" : "0", store.Stored("Main", "RestoreClipboard"));
            EXPECT_EQ(keepOut ? "1" : "0", store.Stored("Main", "KeepOutOfHistory"));
            SnippetOptions back;
            back.restoreClipboard = !restore;
            back.keepOutOfHistory = !keepOut;
            back.Load(store);
            EXPECT_EQ(restore, back.restoreClipboard);
            EXPECT_EQ(keepOut, back.keepOutOfHistory);
        }
    }
}

TEST(SnippetOptions, TheFoldersAndTheSharedCountReadBackAsSaved) {
    ptrtest::MemoryProfile store;
    SnippetOptions saved;
    saved.phraseFolder = " C:\\Users\\山田\\OneDrive\\定型文 ";   // blanks at its ends kept
    saved.teamFolder = "\\\\server\\共有\\チーム";
    saved.shareCounts = true;
    saved.Save(store);
    SnippetOptions back;
    back.Load(store);
    EXPECT_EQ(saved.phraseFolder, back.phraseFolder);
    EXPECT_EQ(saved.teamFolder, back.teamFolder);
    EXPECT_EQ("", back.backupFolder);
    EXPECT_TRUE(back.shareCounts);

    store.SetSection("Main", "PhraseFolder=" + std::string(300, 'x'));
    back.Load(store);
    EXPECT_EQ(kFolderBytes, back.phraseFolder.size()) << "cut to what a path holds";
}

TEST(EditorNames, AddedEntriesTakeTheFirstFreeNumber) {
    PhraseBook book;
    book.Add(u"挨拶", kNewPhraseName, u"");
    book.Add(u"挨拶", u"新しい定型文 (3)", u"");
    book.Add(u"署名", u"署名", u"");
    book.AddFolder(kNewFolderName);
    const struct {
        std::u16string folder, name, expected;
    } phrases[] = {
        {u"挨拶", u"新しい定型文", u"新しい定型文 (2)"},
        {u"署名", u"新しい定型文", u"新しい定型文"},
        {u"無い", u"新しい定型文", u"新しい定型文"},
        {u"署名", u"署名", u"署名 (2)"},
    };
    for (const auto &p : phrases) EXPECT_EQ(Utf8(p.expected), Utf8(FreePhraseName(book, p.folder, p.name)));
    EXPECT_EQ(Utf8(u"新しいフォルダ (2)"), Utf8(FreeFolderName(book, kNewFolderName)));
    book.AddFolder(u"新しいフォルダ (2)");
    EXPECT_EQ(Utf8(u"新しいフォルダ (3)"), Utf8(FreeFolderName(book, kNewFolderName)));
    EXPECT_EQ(Utf8(u"挨拶 (2)"), Utf8(FreeFolderName(book, u"挨拶")));
    EXPECT_EQ(Utf8(u"新規"), Utf8(FreeFolderName(book, u"新規")));
}

TEST(EditorTexts, DeleteQuestionsNameWhatGoes) {
    PhraseBook book;
    book.Add(u"挨拶", u"お世話に\U0001F363", u"");
    book.Add(u"挨拶", u"お疲れさま", u"");
    book.Add(u"署名", u"署名", u"");
    book.AddFolder(u"空");
    EXPECT_EQ(Utf8(u"「お世話に\U0001F363」を削除しますか？"), Utf8(DeletePhraseQuestion(*book.Find(1))));
    const struct {
        std::u16string folder, expected;
    } folders[] = {
        {u"挨拶", u"フォルダ「挨拶」と、その中の定型文 2 件を削除しますか？"},
        {u"署名", u"フォルダ「署名」と、その中の定型文 1 件を削除しますか？"},
        {u"空", u"フォルダ「空」を削除しますか？"},
    };
    for (const auto &f : folders) EXPECT_EQ(Utf8(f.expected), Utf8(DeleteFolderQuestion(book, f.folder)));
}

TEST(EditorTexts, ImportReportCountsAddedAndRenamed) {
    const struct {
        ImportResult result;
        std::u16string expected;
    } cases[] = {
        {{false, 0, 0}, u"このファイルは UTF-8 のテキストではないため、読み込めませんでした。"},
        {{true, 0, 0}, u"ファイルに定型文がありませんでした。"},
        {{true, 3, 0}, u"定型文を 3 件追加しました。"},
        {{true, 12, 2},
         u"定型文を 12 件追加しました。\r\nそのうち 2 件は、同じ名前の定型文が既にあったため、名前に番号を付けて追加しました。"},
    };
    for (const auto &c : cases) EXPECT_EQ(Utf8(c.expected), Utf8(ImportReport(c.result)));
}

}  // namespace
