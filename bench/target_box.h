// A program's window in front with an edit box, as the one a user types in: what the
// benchmarks paste into, noting when its text last changed.
#pragma once
#include <windows.h>

#include <cstdint>

namespace ptrbench {

class TargetBox {
public:
    TargetBox();
    ~TargetBox();
    TargetBox(const TargetBox &) = delete;
    TargetBox &operator=(const TargetBox &) = delete;

    // Empty, in front, with the focus.
    void Prepare() const;
    // When the pasted text arrived; 0 when none did.
    int64_t WaitForPaste() const;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    static inline int64_t changed_ = 0;
    HWND window_ = nullptr;
    HWND edit_ = nullptr;
};

}  // namespace ptrbench
