#include "tool_tips.h"

#include <commctrl.h>

#include "dpi_scale.h"
#include "screen_dpi.h"

namespace ptr {

namespace {
constexpr int kMaxTipWidth = 360;   // pixels at 96 dpi; longer tips wrap
}

void ToolTips::Create(HWND owner) {
    owner_ = owner;
    tips_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    SendMessageA(tips_, TTM_SETMAXTIPWIDTH, 0, tlx::Rescale(kMaxTipWidth, tlx::WindowDpi(owner), tlx::kDesignDpi));
}

TOOLINFOA ToolTips::Info(HWND control, const char *text) const {
    TOOLINFOA info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char *>(text);
    return info;
}

void ToolTips::Set(HWND control, const std::string &text) {
    TOOLINFOA info = Info(control, text.c_str());
    const bool known = !known_.insert(control).second;
    SendMessageA(tips_, known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

std::string ToolTips::Text(HWND control) const {
    char text[512] = {};
    TOOLINFOA info = Info(control, text);
    SendMessageA(tips_, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

}  // namespace ptr
