#include "stamp_board.h"

namespace ptrbench {

std::string BoardName() {
    char value[128] = {};
    const DWORD n = GetEnvironmentVariableA(kBoardVariable, value, sizeof value);
    return n > 0 && n < sizeof value ? std::string(value, n) : std::string(kDefaultBoardName);
}

BoardView::BoardView(const std::string &name) {
    mapping_ = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(StampBoard),
                                  (name + "_Map").c_str());
    if (mapping_) board_ = static_cast<StampBoard *>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    event_ = CreateEventA(nullptr, FALSE, FALSE, (name + "_Stamped").c_str());
}

BoardView::~BoardView() {
    if (board_) UnmapViewOfFile(board_);
    if (mapping_) CloseHandle(mapping_);
    if (event_) CloseHandle(event_);
}

void BoardView::Stamp(int32_t callType) {
    if (!board_) return;
    InterlockedExchange64(&board_->lastStamp, Now());
    InterlockedExchange(&board_->lastCallType, callType);
    InterlockedIncrement(&board_->stamps);
    if (event_) SetEvent(event_);
}

}  // namespace ptrbench
