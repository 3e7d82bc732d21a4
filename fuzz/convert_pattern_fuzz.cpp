// The conversion plug-in's bounded patterns: whatever the pattern and the text,
// a search and a replacement end within the bound, and so do the line shapers.
// Input: flags byte, pattern (UTF-8) up to the first NUL, then the text (UTF-8).
#include <cstdint>
#include <string>

#include "bounded_pattern.h"
#include "line_text.h"
#include "unicode_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) return 0;
    const tlxconv::PatternOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
    const std::string rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    const size_t nul = rest.find('\0');
    const std::u16string pattern = utf::Utf16FromUtf8(rest.substr(0, nul));
    const std::u16string text = utf::Utf16FromUtf8(nul == std::string::npos ? "" : rest.substr(nul + 1));
    // Small bounds, so that the fuzzer reaches them often.
    const tlxconv::BoundedPattern bounded(pattern, options, tlxconv::PatternBounds{4096, 20'000, 128 * 1024});
    bounded.Contains(text);
    bounded.Replace(text, u"[$1$&]");
    tlxconv::FindPatternFault(pattern.substr(0, 64));
    tlxconv::JoinLines(text);
    tlxconv::TrimLines(text);
    // A mark of one line taken off again gives the text back.
    if (pattern.find_first_of(u"\r\n") == std::u16string::npos &&
        tlxconv::UnquoteLines(tlxconv::QuoteLines(text, pattern), pattern) != text)
        __builtin_trap();
    return 0;
}
