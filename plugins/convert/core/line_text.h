// Line-by-line shaping of a copied text: quoting, joining and trimming. Line
// breaks may be CR LF or LF alone; each line keeps the break it had.
#pragma once
#include <string>
#include <string_view>

namespace tlxconv {

// mark in front of every line; a line break at the very end starts no new line.
// An empty mark leaves the text as it is.
std::u16string QuoteLines(std::u16string_view text, std::u16string_view mark);

// mark taken off every line that starts with it.
std::u16string UnquoteLines(std::u16string_view text, std::u16string_view mark);

// The lines of each paragraph joined into one: nothing between them when the
// break falls next to a Chinese or Japanese character or after a hyphen, one
// blank between words of other scripts (none added beside a blank already
// there). A run of blank lines, at the start and the end too, becomes one line
// break, in the form the text's first break had.
std::u16string JoinLines(std::u16string_view text);

// Blanks (space, tab, U+3000) off both ends of every line, and the blank lines
// at the end removed together with the last line's break.
std::u16string TrimLines(std::u16string_view text);

// Written by Chinese and Japanese without blanks between words; Hangul is not
// among them: Korean puts blanks between words.
bool IsCjkWithoutBlanks(char32_t c);

}  // namespace tlxconv
