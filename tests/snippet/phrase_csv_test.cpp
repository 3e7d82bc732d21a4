// The phrases as a spreadsheet's CSV file: written and read back unchanged whatever the
// text holds, read as Excel and hand-made files write it.
#include <gtest/gtest.h>

#include <iconv.h>

#include "phrase_csv.h"
#include "unicode_text.h"

using namespace tlxsnippet;

namespace {

std::string Utf8(std::u16string_view text) { return utf::Utf8FromUtf16(text); }

// Shift_JIS through the C library, as the system's code page reads and writes it.
std::string Converted(std::string_view bytes, const char *to, const char *from) {
    iconv_t convert = iconv_open(to, from);
    std::string in(bytes), out(bytes.size() * 3 + 4, '\0');
    char *inAt = in.data(), *outAt = out.data();
    size_t left = in.size(), room = out.size();
    iconv(convert, &inAt, &left, &outAt, &room);
    iconv_close(convert);
    return out.substr(0, out.size() - room);
}

std::u16string FromShiftJis(std::string_view bytes) { return utf::Utf16FromUtf8(Converted(bytes, "UTF-8", "CP932")); }
std::string ToShiftJis(std::string_view utf8) { return Converted(utf8, "CP932", "UTF-8"); }

using Rows = std::vector<std::u16string>;   // "folder|name|text" each

Rows RowsOf(const std::vector<Phrase> &phrases) {
    Rows rows;
    for (const Phrase &phrase : phrases) rows.push_back(phrase.folder + u"|" + phrase.name + u"|" + phrase.text);
    return rows;
}

TEST(PhraseCsv, WhatIsWrittenReadsBackTheSame) {
    PhraseBook book;
    book.Add(u"挨拶", u"朝", u"おはようございます。");
    book.Add(u"引用", u"\"quoted\", with a comma", u"he said \"yes\"");
    book.Add(u"署名", u"複数行", u"山田\r\n営業部\r\n\r\n最後の行 \U0001F363");
    book.Add(u"空", u"", u"");
    const std::string file = WriteCsv(book);
    EXPECT_EQ(0u, file.find("\xEF\xBB\xBF" + Utf8(u"フォルダ,名前,本文\r\n"))) << "UTF-8 with its mark, for Excel";
    EXPECT_NE(std::string::npos, file.find(Utf8(u"\"\"\"quoted\"\", with a comma\",\"he said \"\"yes\"\"\"")));
    EXPECT_EQ(RowsOf(book.Phrases()), RowsOf(ReadCsv(CsvText(file, FromShiftJis))));
}

TEST(PhraseCsv, ReadAsExcelAndHandsWriteIt) {
    const std::u16string excel = u"本文,フォルダ,名前\r\n\"一行目\n二行目\",挨拶,改行\r\nただの文,,\r\n\r\n";
    const struct {
        const char *what;
        std::string bytes;
    } encodings[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + Utf8(excel)},
        {"UTF-8 without", Utf8(excel)},
        {"Shift_JIS", ToShiftJis(Utf8(excel))},
    };
    const Rows expected = {u"挨拶|改行|一行目\r\n二行目", u"未分類||ただの文"};
    for (const auto &e : encodings) EXPECT_EQ(expected, RowsOf(ReadCsv(CsvText(e.bytes, FromShiftJis)))) << e.what;

    EXPECT_EQ((Rows{u"f|n|t", u"g|m|"}), RowsOf(ReadCsv(u"f,n,t\ng,m"))) << "no header: the columns in order";
    EXPECT_EQ((Rows{u"f|n|a,b\"c"}), RowsOf(ReadCsv(u"f,n,\"a,b\"\"c\""))) << "quotes doubled inside quotes";
}

}  // namespace
