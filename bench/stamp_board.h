// A block of shared memory through which the probe plug-in (running inside ptrmain) tells
// a watching process when its functions ran, with QueryPerformanceCounter stamps that
// compare across processes. Each stamp also sets a named event, so the watcher sleeps
// instead of polling.
//
// The block's name comes from the environment variable PTR_BENCH_BOARD (inherited by
// ptrmain from whoever starts it), so concurrent runs keep apart.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace ptrbench {

struct StampBoard {
    volatile LONG stamps;           // PIN_Func calls of the stamping functions so far
    volatile LONG checks;           // PIN_Func calls of the check functions so far
    volatile LONG busyStarts;       // the slow functions that have begun
    volatile LONG lastCallType;     // CallType of the last stamp
    volatile LONGLONG lastStamp;    // QueryPerformanceCounter at the last stamp
    volatile LONG inits;            // PIN_Init calls
    volatile LONG quits;            // PIN_Quit calls
};

inline constexpr const char *kBoardVariable = "PTR_BENCH_BOARD";
inline constexpr const char *kDefaultBoardName = "Porterica_Bench_Board";

// The board's name in this process: the variable's value, or the default.
std::string BoardName();

// The mapped board (created zeroed when nobody holds it yet) and its event.
class BoardView {
public:
    explicit BoardView(const std::string &name = BoardName());
    ~BoardView();
    BoardView(const BoardView &) = delete;
    BoardView &operator=(const BoardView &) = delete;

    bool Ok() const { return board_ != nullptr; }
    StampBoard &Board() const { return *board_; }
    HANDLE Event() const { return event_; }
    // Records one stamp now.
    void Stamp(int32_t callType);

private:
    HANDLE mapping_ = nullptr;
    HANDLE event_ = nullptr;
    StampBoard *board_ = nullptr;
};

inline int64_t Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

inline double TicksToMs(int64_t ticks) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(f.QuadPart);
}

}  // namespace ptrbench
