#include "check_list.h"

#include <commctrl.h>
#include <windowsx.h>
#include <uxtheme.h>
#include <vsstyle.h>

#include <algorithm>
#include <vector>

#include "dpi_scale.h"
#include "screen_dpi.h"

namespace ptr {

namespace {
constexpr int kTextGap = 4;   // pixels at 96 dpi between the check box and the text
}

void CheckList::Create(HWND parent, int id) {
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                            WS_CHILD | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS | LBS_OWNERDRAWFIXED |
                                LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    SetWindowSubclass(list_, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

int CheckList::TextGap() const { return tlx::Rescale(kTextGap, tlx::WindowDpi(list_), tlx::kDesignDpi); }

void CheckList::Clear() { SendMessageA(list_, LB_RESETCONTENT, 0, 0); }

int CheckList::Insert(int row, const std::string &text, bool checked) {
    const int at = static_cast<int>(SendMessageA(list_, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text.c_str())));
    if (at >= 0) SendMessageA(list_, LB_SETITEMDATA, at, checked ? 1 : 0);
    return at;
}

void CheckList::SetRow(int row, const std::string &text, bool checked) {
    const bool selected = Selected() == row;
    SendMessageA(list_, LB_DELETESTRING, row, 0);
    Insert(row, text, checked);
    if (selected) Select(row);
}

void CheckList::Remove(int row) { SendMessageA(list_, LB_DELETESTRING, row, 0); }

int CheckList::Count() const { return static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0)); }

std::string CheckList::Text(int row) const {
    const LRESULT length = SendMessageA(list_, LB_GETTEXTLEN, row, 0);
    if (length == LB_ERR) return {};
    std::vector<char> text(length + 1);
    SendMessageA(list_, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

bool CheckList::Checked(int row) const {
    const LRESULT data = SendMessageA(list_, LB_GETITEMDATA, row, 0);
    return data != LB_ERR && data != 0;
}

void CheckList::SetChecked(int row, bool checked) {
    SendMessageA(list_, LB_SETITEMDATA, row, checked ? 1 : 0);
    RECT r;
    if (SendMessageA(list_, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
        InvalidateRect(list_, &r, FALSE);
}

int CheckList::Selected() const { return static_cast<int>(SendMessageA(list_, LB_GETCURSEL, 0, 0)); }

void CheckList::Select(int row) { SendMessageA(list_, LB_SETCURSEL, row, 0); }

int CheckList::RowHeight() const {
    const HDC dc = GetDC(list_);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list_, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(list_, dc);
    // Room for a check box of the usual size, and a little air round the text.
    return std::max<int>(tm.tmHeight + 2, tlx::SystemMetricAt(SM_CYMENUCHECK, tlx::WindowDpi(list_)) + 2);
}

void CheckList::FitRowHeight() {
    SendMessageA(list_, LB_SETITEMHEIGHT, 0, RowHeight());
    InvalidateRect(list_, nullptr, TRUE);
}

void CheckList::Measure(MEASUREITEMSTRUCT &item) const { item.itemHeight = RowHeight(); }

void CheckList::Draw(const DRAWITEMSTRUCT &item) const {
    const HDC dc = item.hDC;
    RECT row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
        return;
    }
    const int size = BoxSize();
    RECT box{row.left + 2, row.top + (row.bottom - row.top - size) / 2, 0, 0};
    box.right = box.left + size;
    box.bottom = box.top + size;
    const bool checked = item.itemData != 0;
    if (HTHEME theme = OpenThemeData(list_, L"BUTTON")) {
        DrawThemeBackground(theme, dc, BP_CHECKBOX, checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, &box, nullptr);
        CloseThemeData(theme);
    } else {
        DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
    }

    RECT text = row;
    text.left = box.right + TextGap();
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    if (selected) FillRect(dc, &text, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::string caption = Text(static_cast<int>(item.itemID));
    RECT inner = text;
    inner.left += 2;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &text);
}

int CheckList::BoxAt(POINT p) const {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(p.x, p.y));
    if (HIWORD(hit)) return -1;   // outside every row
    const int row = LOWORD(hit);
    RECT r;
    if (SendMessageA(list_, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r)) == LB_ERR) return -1;
    return p.x < r.left + 2 + BoxSize() + TextGap() / 2 ? row : -1;
}

void CheckList::Toggle(int row) {
    SetChecked(row, !Checked(row));
    SendMessageA(GetParent(list_), kCheckListChanged, row, reinterpret_cast<LPARAM>(list_));
}

LRESULT CALLBACK CheckList::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto *self = reinterpret_cast<CheckList *>(ref);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const int row = self->BoxAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (row < 0) break;
        // A click on the box selects the row as any click does, then flips the mark;
        // a quick second click flips it back instead of counting as a double-click.
        const LRESULT result = DefSubclassProc(hwnd, WM_LBUTTONDOWN, wp, lp);
        self->Toggle(row);
        return result;
    }
    case WM_CHAR:
        if (wp == ' ') {
            if (self->Selected() >= 0) self->Toggle(self->Selected());
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, Subclass, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace ptr
