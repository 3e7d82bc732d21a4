// The Unicode form of the text kept across runs. "_datalog" stays the code page
// 932 text for anything that reads it; the Unicode text goes beside it into
// "_datalog.utf8": a first line "_datalog SIZE HASH" naming the "_datalog" it
// belongs to (its size in bytes and the 64-bit FNV-1a hash of its bytes in
// hexadecimal), then the text in UTF-8.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tlxtext {

inline constexpr std::string_view kUnicodeLogSuffix = ".utf8";

// The contents of "_datalog.utf8" for the given "_datalog" bytes and Unicode text.
std::string UnicodeLogContents(std::string_view datalog, std::u16string_view unicode);

// The Unicode text to restore beside `datalog`: nothing without a Unicode log,
// or when the log is malformed or names another "_datalog" (one written since
// by a program that knows only "_datalog"), so that "_datalog" alone decides.
std::optional<std::u16string> UnicodeTextToRestore(std::string_view datalog,
                                                   std::optional<std::string_view> unicodeLog);

}  // namespace tlxtext
