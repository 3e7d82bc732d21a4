// What a page of the settings window asks of the window it is on. frmMain implements
// it; the pages know the window only through it.
#pragma once
#include <windows.h>

namespace ptr {

class CheckList;
class ToolTips;

class PageWindow {
public:
    virtual HWND Window() const = 0;
    virtual HWND Control(int id) const = 0;
    virtual CheckList &lstView() = 0;
    virtual ToolTips &Tips() = 0;
    // The light colour of the current page, handed to the dialogs the page opens.
    virtual COLORREF FormBackColor() const = 0;
    // Cleared while a page rewrites rows, so that the list's events are not taken for the user's.
    virtual void SetListReady(bool ready) = 0;
    // Builds the page of mode ModeNo (0..5) and makes it the current mode.
    virtual void ActivatMode(int ModeNo) = 0;

protected:
    ~PageWindow() = default;
};

}  // namespace ptr
