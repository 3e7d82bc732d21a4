#include "stamp_wait.h"

#include "pump.h"

namespace ptrbench {

int64_t WaitForStamp(BoardView &board, LONG before, DWORD ms) {
    const DWORD start = GetTickCount();
    while (board.Board().stamps <= before) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return 0;
        WaitPumping(board.Event(), ms - elapsed);
    }
    return board.Board().lastStamp;
}

}  // namespace ptrbench
