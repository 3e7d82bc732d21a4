#include "line_text.h"

#include <vector>

#include "unicode_text.h"

namespace tlxconv {

namespace {

struct Line {
    std::u16string_view body;   // without its break
    std::u16string_view brk;    // "\r\n", "\n" or empty for the last line
};

// The last line is the text after the final LF, empty when the text ends with a break.
std::vector<Line> SplitLines(std::u16string_view text) {
    std::vector<Line> lines;
    size_t start = 0;
    for (;;) {
        const size_t lf = text.find(u'\n', start);
        if (lf == std::u16string_view::npos) {
            lines.push_back({text.substr(start), {}});
            return lines;
        }
        const size_t bodyEnd = lf > start && text[lf - 1] == u'\r' ? lf - 1 : lf;
        lines.push_back({text.substr(start, bodyEnd - start), text.substr(bodyEnd, lf + 1 - bodyEnd)});
        start = lf + 1;
    }
}

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

std::u16string_view TrimBlanks(std::u16string_view s) {
    size_t begin = 0, end = s.size();
    while (begin < end && IsBlank(s[begin])) ++begin;
    while (end > begin && IsBlank(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

// What goes between two non-empty lines of a paragraph.
std::u16string_view Joint(std::u16string_view before, std::u16string_view after) {
    const char32_t last = utf::CharBefore(before, before.size()).code, first = utf::CharAt(after, 0).code;
    if (last == u'-' || IsBlank(static_cast<char16_t>(last)) || IsBlank(static_cast<char16_t>(first))) return {};
    if (IsCjkWithoutBlanks(last) || IsCjkWithoutBlanks(first)) return {};
    return u" ";
}

}  // namespace

bool IsCjkWithoutBlanks(char32_t c) {
    return (c >= 0x2E80 && c <= 0x2FDF)       // radicals
           || (c >= 0x3000 && c <= 0x30FF)    // CJK punctuation, hiragana, katakana
           || (c >= 0x31F0 && c <= 0x31FF)    // katakana extension
           || (c >= 0x3400 && c <= 0x4DBF)    // ideographs, extension A
           || (c >= 0x4E00 && c <= 0x9FFF)    // ideographs
           || (c >= 0xF900 && c <= 0xFAFF)    // compatibility ideographs
           || (c >= 0xFF01 && c <= 0xFF60)    // full-width forms
           || (c >= 0xFF61 && c <= 0xFF9F)    // half-width katakana
           || (c >= 0x20000 && c <= 0x3FFFF); // ideographs, extensions B and later
}

std::u16string QuoteLines(std::u16string_view text, std::u16string_view mark) {
    if (mark.empty()) return std::u16string(text);
    std::u16string out;
    for (const Line &line : SplitLines(text)) {
        if (line.body.empty() && line.brk.empty()) break;   // nothing after the final break
        out.append(mark).append(line.body).append(line.brk);
    }
    return out;
}

std::u16string UnquoteLines(std::u16string_view text, std::u16string_view mark) {
    if (mark.empty()) return std::u16string(text);
    std::u16string out;
    for (const Line &line : SplitLines(text)) {
        std::u16string_view body = line.body;
        if (body.substr(0, mark.size()) == mark) body.remove_prefix(mark.size());
        out.append(body).append(line.brk);
    }
    return out;
}

std::u16string JoinLines(std::u16string_view text) {
    std::vector<Line> lines = SplitLines(text);
    // The empty remainder after a final break is no line: the break ends the last paragraph.
    const bool endsWithBreak = lines.size() > 1 && lines.back().body.empty();
    if (endsWithBreak) lines.pop_back();
    std::u16string_view lineBreak = lines.front().brk.empty() ? u"\r\n" : lines.front().brk;
    std::u16string out;
    std::u16string_view previous;   // the paragraph's last line so far; empty between paragraphs
    bool blankRun = false;          // blank lines seen since the last written line
    bool anyText = false;
    for (const Line &line : lines) {
        if (TrimBlanks(line.body).empty()) {
            blankRun = true;
            previous = {};
            continue;
        }
        if (blankRun) out.append(lineBreak);
        else if (!previous.empty()) out.append(Joint(previous, line.body));
        blankRun = false;
        anyText = true;
        out.append(line.body);
        previous = line.body;
    }
    if (!anyText) return std::u16string(text);   // blanks alone: nothing to join
    if (blankRun || endsWithBreak) out.append(lineBreak);
    return out;
}

std::u16string TrimLines(std::u16string_view text) {
    std::vector<Line> lines = SplitLines(text);
    size_t kept = lines.size();
    while (kept > 0 && TrimBlanks(lines[kept - 1].body).empty()) --kept;
    std::u16string out;
    for (size_t i = 0; i < kept; ++i) {
        out.append(TrimBlanks(lines[i].body));
        if (i + 1 < kept) out.append(lines[i].brk);
    }
    return out;
}

}  // namespace tlxconv
