// The phrases as UTF-8 text files that a user can read and edit in a text editor.
//
// One book (version 1): what the phrases were before each PC had a file of its own,
// and what an export writes.
//
//   @ポルテリカ定型文 1
//   @次の番号 4
//   @フォルダ 挨拶
//   @定型文 1 お世話になっております。
//   お世話になっております。
//   (an empty line ends each phrase)
//   @定型文 3 署名
//   @連番 12
//   ...
//
// A PC's file (version 2): every version of the phrases it knows (phrase_state.h), so
// that any one PC's file holds the whole book as that PC last saw it.
//
//   @ポルテリカ定型文 2
//   @コンピュータ PC-A                (its writer)
//   @番号帯 517                       (the block it numbers new phrases from)
//   @並び 1767225600 PC-A:3           (an order: when, versions; its folders, then its phrases)
//   @並びフォルダ 挨拶
//   @並び番号 1 517000001
//   @フォルダ 挨拶
//   @定型文 1 1767225600 PC-A:1,#0a1b2c3d:1 お世話になっております。
//   お世話になっております。
//
//   @削除 5 1767225600 PC-A:2         (a phrase deleted: number, when, versions)
//   @連番 3 PC-A 12                   (phrase 3 pasted 12 times on PC-A)
//
// A phrase's text is every line up to the next line that starts with "@" and a word
// above, less the one empty line that ends it; a line of its text that starts with "@"
// is written with one more "@". In a book written by hand "@定型文" may leave out the
// number; phrases before any "@フォルダ" are in "未分類".
#pragma once
#include <string>
#include <string_view>

#include "phrase_book.h"
#include "phrase_state.h"

namespace tlxsnippet {

inline constexpr int kPhraseFileVersion = 2;

struct PhraseFile {
    enum class Outcome {
        kRead,
        kDamaged,   // not UTF-8, not phrases, a number that is none or given twice
        kNewer,     // written by a newer version of the plug-in
    };
    Outcome outcome = Outcome::kDamaged;
    int version = 0;
    std::u16string writer;   // a PC's file: the computer that wrote it
    int block = 0;           // a PC's file: the block its writer numbers from
    PhraseState state;
};

// Either kind of file. A book's phrases keep their numbers and get versions that stand
// for their texts (the same book taken over on two PCs stays one); its counts become
// `computer`'s.
PhraseFile ReadPhrases(std::string_view bytes, const std::u16string &computer);

// A PC's file.
std::string WritePhrases(const PhraseState &state, const std::u16string &writer, int block);
// One book, as exported.
std::string WritePhraseFile(const PhraseBook &book);

struct ImportResult {
    bool read = false;   // the bytes were UTF-8 text
    int added = 0;
    int renamed = 0;     // added under another name: one of that name was in its folder
};

// Adds every phrase of a file (exported, a PC's, or written by hand) to the book, each
// with a new number; a phrase whose folder already holds one of that name is added as
// "名前 (2)" (or the next free number), so nothing of the book is overwritten.
ImportResult ImportPhrases(std::string_view bytes, PhraseBook &book);
// The same for phrases read some other way (a CSV file).
void AddPhrases(const std::vector<Phrase> &phrases, PhraseBook &book, ImportResult &result);

}  // namespace tlxsnippet
