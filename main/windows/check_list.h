// A list box with a check box in front of every row. The list draws its rows itself
// (the parent forwards WM_MEASUREITEM and WM_DRAWITEM); a row's check state is its item
// data, so other processes can read rows and marks with the ordinary list messages.
#pragma once
#include <windows.h>

#include <string>

namespace ptr {

// Sent to the parent when the user changes a row's mark: wParam = row, lParam = list.
inline constexpr UINT kCheckListChanged = WM_APP + 20;

class CheckList {
public:
    void Create(HWND parent, int id);
    HWND Handle() const { return list_; }

    void Clear();
    int Add(const std::string &text, bool checked) { return Insert(-1, text, checked); }
    // -1 appends; returns the row.
    int Insert(int row, const std::string &text, bool checked);
    void SetRow(int row, const std::string &text, bool checked);
    void Remove(int row);
    int Count() const;
    std::string Text(int row) const;
    bool Checked(int row) const;
    // Changes a mark without telling the parent.
    void SetChecked(int row, bool checked);
    int Selected() const;
    void Select(int row);
    // Row height for the list's current font; call after WM_SETFONT.
    void FitRowHeight();

    void Measure(MEASUREITEMSTRUCT &item) const;
    void Draw(const DRAWITEMSTRUCT &item) const;

private:
    static LRESULT CALLBACK Subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    int RowHeight() const;
    int BoxSize() const { return RowHeight() - 2; }
    int TextGap() const;
    // The row whose check box lies under the point, or -1.
    int BoxAt(POINT p) const;
    void Toggle(int row);

    HWND list_ = nullptr;
};

}  // namespace ptr
