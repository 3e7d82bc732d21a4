// Clipboard changes made by this process and the moment the resident program's watch
// action for each was seen to end, shared by the phases that drive the watch.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <utility>

#include "clipboard_writer.h"
#include "program_folder.h"
#include "stamp_board.h"
#include "stats.h"

namespace ptrbench {

inline constexpr DWORD kEndTimeoutMs = 3000;

// One change and the moment its action was seen to end (0: never).
using Trial = std::function<std::pair<int64_t, int64_t>(int index)>;

// `changes` measured trials after `warmup` unmeasured ones, a short pause after each.
Summary Series(int changes, int warmup, const Trial &trial);

// A copy of text and a second format, ended when text only has dropped the second.
Trial TextOnlyTrial(ClipboardWriter &writer);
// A copy of text, ended when the probe's action stamps.
Trial StampTrial(ClipboardWriter &writer, BoardView &board);
// A 1 KiB copy that the conversion rule rewrites, ended like text only.
Trial ReplacedTrial(ClipboardWriter &writer);

// A watch rule of the conversion plug-in: the copy matches a pattern AND comes from this
// benchmark's program, then a regular-expression replacement writes it back (as text only).
void SetUpConversionRule(const ProgramFolder &folder);

// Starts the program and waits until it answers; reports a failure when it does not.
bool StartProgram(ProgramFolder &folder);

}  // namespace ptrbench
