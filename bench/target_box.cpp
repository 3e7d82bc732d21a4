#include "target_box.h"

#include "pump.h"
#include "stamp_board.h"
#include "window_series.h"

namespace ptrbench {

TargetBox::TargetBox() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PtrBenchPasteTarget";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"貼り付け先", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600,
                              200, nullptr, nullptr, windowClass.hInstance, nullptr);
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 580, 160, window_, nullptr,
                            windowClass.hInstance, nullptr);
}

TargetBox::~TargetBox() { DestroyWindow(window_); }

void TargetBox::Prepare() const {
    SetWindowTextW(edit_, L"");
    SetForegroundWindow(window_);
    SetFocus(edit_);
    PumpUntil([&] { return GetForegroundWindow() == window_; }, 3000);
    changed_ = 0;
}

int64_t TargetBox::WaitForPaste() const {
    return PumpUntil([&] { return changed_ != 0 && GetWindowTextLengthW(edit_) > 0; }, kWindowTimeoutMs) ? changed_ : 0;
}

LRESULT CALLBACK TargetBox::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) changed_ = Now();
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ptrbench
