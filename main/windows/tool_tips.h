// The tool tips of one window's controls.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>

namespace ptr {

class ToolTips {
public:
    void Create(HWND owner);
    // Adds the control's tip or changes its text; an empty text shows no tip.
    void Set(HWND control, const std::string &text);
    std::string Text(HWND control) const;
    HWND Handle() const { return tips_; }

private:
    TOOLINFOA Info(HWND control, const char *text) const;
    HWND tips_ = nullptr;
    HWND owner_ = nullptr;
    std::set<HWND> known_;
};

}  // namespace ptr
