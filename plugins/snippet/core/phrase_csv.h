// The phrases as a CSV file that a spreadsheet keeps: a row per phrase with the columns
// フォルダ, 名前 and 本文 under a header row; a value holding a comma, a quote or a line
// break is quoted ("" for a quote). Written as UTF-8 with a byte order mark, which
// Excel opens as UTF-8; read as UTF-8, with that mark or without, or as Shift_JIS,
// which Excel writes on a Japanese system.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "phrase_book.h"

namespace tlxsnippet {

std::string WriteCsv(const PhraseBook &book);

// The text of a CSV file's bytes: UTF-8 when they start with its mark or are UTF-8
// throughout, else Shift_JIS, which `fromShiftJis` reads.
std::u16string CsvText(std::string_view bytes, const std::function<std::u16string(std::string_view)> &fromShiftJis);

// Its rows as phrases (folder, name, text; no number). The header row is found by its
// names, in any order of the columns; without one the columns are フォルダ, 名前, 本文.
// Empty rows are skipped; the line breaks of a text become CR LF.
std::vector<Phrase> ReadCsv(std::u16string_view text);

}  // namespace tlxsnippet
