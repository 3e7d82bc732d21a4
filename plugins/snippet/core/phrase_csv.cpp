#include "phrase_csv.h"

#include <algorithm>
#include <array>

#include "unicode_text.h"

namespace tlxsnippet {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::array<const char16_t *, 3> kColumns = {u"フォルダ", u"名前", u"本文"};

std::u16string Field(const std::u16string &value) {
    if (value.find_first_of(u",\"\r\n") == std::u16string::npos) return value;
    std::u16string quoted = u"\"";
    for (char16_t c : value) {
        if (c == u'"') quoted += u'"';
        quoted += c;
    }
    return quoted + u"\"";
}

using Row = std::vector<std::u16string>;

// Every row, each value with its line breaks as CR LF.
std::vector<Row> Rows(std::u16string_view text) {
    std::vector<Row> rows;
    Row row;
    std::u16string value;
    bool quoted = false;
    const auto endRow = [&] {
        row.push_back(std::move(value));
        value.clear();
        if (row.size() > 1 || !row.front().empty()) rows.push_back(std::move(row));
        row.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                value += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
                value += u"\r\n";
            } else {
                value += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.push_back(std::move(value));
            value.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            endRow();
        } else {
            value += c;
        }
    }
    endRow();
    return rows;
}

}  // namespace

std::string WriteCsv(const PhraseBook &book) {
    std::u16string out = std::u16string(kColumns[0]) + u"," + kColumns[1] + u"," + kColumns[2] + u"\r\n";
    for (const Phrase &phrase : book.Phrases())
        out += Field(phrase.folder) + u"," + Field(phrase.name) + u"," + Field(phrase.text) + u"\r\n";
    return std::string(kBom) + utf::Utf8FromUtf16(out);
}

std::u16string CsvText(std::string_view bytes, const std::function<std::u16string(std::string_view)> &fromShiftJis) {
    if (bytes.substr(0, kBom.size()) == kBom) return utf::Utf16FromUtf8(bytes.substr(kBom.size()));
    if (std::optional<std::u16string> text = utf::Utf16FromWellFormedUtf8(bytes)) return std::move(*text);
    return fromShiftJis(bytes);
}

std::vector<Phrase> ReadCsv(std::u16string_view text) {
    std::vector<Row> rows = Rows(text);
    std::array<size_t, 3> column = {0, 1, 2};
    if (!rows.empty()) {
        const Row &head = rows.front();
        std::array<size_t, 3> named = {SIZE_MAX, SIZE_MAX, SIZE_MAX};
        for (size_t i = 0; i < head.size(); ++i)
            for (size_t k = 0; k < kColumns.size(); ++k)
                if (head[i] == kColumns[k]) named[k] = i;
        if (named[1] != SIZE_MAX || named[2] != SIZE_MAX) {
            column = named;
            rows.erase(rows.begin());
        }
    }
    std::vector<Phrase> phrases;
    for (const Row &row : rows) {
        const auto value = [&](size_t k) { return column[k] < row.size() ? row[column[k]] : std::u16string(); };
        Phrase phrase{0, value(0), value(1), value(2), 0};
        if (phrase.folder.empty()) phrase.folder = kUnsortedFolder;
        phrases.push_back(std::move(phrase));
    }
    return phrases;
}

}  // namespace tlxsnippet
