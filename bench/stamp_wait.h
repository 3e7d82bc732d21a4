// Waiting for the probe plug-in's stamps.
#pragma once
#include <windows.h>

#include <cstdint>

#include "stamp_board.h"

namespace ptrbench {

// Waits, answering messages, until the board holds more than `before` stamps; the last
// stamp then, 0 after ms.
int64_t WaitForStamp(BoardView &board, LONG before, DWORD ms);

}  // namespace ptrbench
