#include "snippet_book.h"

#include <string>

#include "phrase_book.h"
#include "phrase_file.h"
#include "unicode_text.h"

namespace ptrbench {

namespace {

constexpr int kFolders = 100;
constexpr int kPerFolder = 100;

// The two pasted phrases: the date in 和暦 and by a picture, the time, the clipboard and a
// counter kept in the file; and the same written out.
const char16_t kWithPlaceholders[] = u"{和暦} {日付:yyyy/MM/dd(ddd)} {時刻:HH:mm} {クリップボード} No.{連番:001} 以上";
const char16_t kPlain[] = u"令和8年12月9日 2026/12/09(水) 23:59 クリップボードの内容 No.001 以上";

}  // namespace

std::pair<int32_t, int32_t> WriteBook(const ProgramFolder &folder) {
    tlxsnippet::PhraseBook book;
    for (int f = 0; f < kFolders; ++f) {
        const std::u16string folderName = u"フォルダ" + utf::Utf16FromUtf8(std::to_string(f));
        for (int p = 0; p < kPerFolder; ++p) {
            const std::string n = std::to_string(f * kPerFolder + p);
            book.Add(folderName, u"定型文" + utf::Utf16FromUtf8(n),
                     u"お世話になっております。" + utf::Utf16FromUtf8(n) +
                         u"番の件につきまして、下記のとおりご連絡いたします。ご確認のほどよろしくお願いいたします。");
        }
    }
    const int32_t placeholders = book.Add(u"貼り付け", u"置き換えあり", kWithPlaceholders);
    const int32_t plain = book.Add(u"貼り付け", u"置き換えなし", kPlain);
    const std::string dir = folder.Path() + "Plugins\\tlxSnippet\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    WriteFileBytes(dir + "Phrases.txt", tlxsnippet::WritePhraseFile(book));
    return {placeholders, plain};
}

}  // namespace ptrbench
