// The mark on what the program itself puts on the clipboard for a paste: a phrase or a
// history entry offered, an item of 連続貼り付け, and the user's copy given back once the
// paste is done. Whatever watches for the user's copies (the program's watch, the
// history's recording, 連続貼り付け) leaves a marked change alone: it is no copy of the
// user's. The copy given back names the program it came from, so that whatever asks
// where the clipboard's content came from is told what it was told before the paste.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tlx {

inline constexpr const char *kPasteMarkFormat = "Porterica Paste";

struct PasteMark {
    enum class Kind : uint32_t { kOffered = 1, kGivenBack = 2 };
    Kind kind = Kind::kOffered;
    std::u16string source;   // the file name of the program the copy came from; empty: not known
};

// The mark's block: its kind (4 bytes, little-endian), then the source's UTF-16 ended by
// a NUL, so that it is never empty (a format with an empty block is dropped by some systems).
std::string PasteMarkBytes(const PasteMark &mark);
// Nothing when the block is no mark of a known kind; a source without its NUL is taken
// up to the block's end.
std::optional<PasteMark> ReadPasteMark(std::string_view bytes);

}  // namespace tlx
