// A dialog that may be enlarged: each control keeps where its template put it, or keeps
// its distance to the dialog's right or bottom edge, or grows with the dialog; the
// dialog never gets smaller than its template. At another display scale the template's
// places are scaled with the dialog's font, as the dialog manager scales the template.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace tlxsnippet {

class AnchoredLayout {
public:
    enum Follow : unsigned {
        kMoveRight = 1,    // keeps its distance to the right edge
        kMoveDown = 2,     // keeps its distance to the bottom edge
        kGrowRight = 4,    // its right edge keeps its distance to the dialog's
        kGrowDown = 8,     // its bottom edge keeps its distance to the dialog's
    };
    struct Rule {
        int id;
        unsigned follow;
    };

    // Notes the places the template gave the dialog and its controls (WM_INITDIALOG).
    void Take(HWND dialog, std::initializer_list<Rule> rules);
    // Places the controls for the dialog's present size (WM_SIZE).
    void Apply(HWND dialog) const;
    // The smallest size the dialog may be given (WM_GETMINMAXINFO).
    void Limit(HWND dialog, MINMAXINFO &info) const;

private:
    struct Placed {
        int id;
        unsigned follow;
        RECT rect;   // in the dialog's client area, as the template placed it
    };
    // The dialog's base units now over those when the places were taken.
    POINT Scale(HWND dialog) const;

    std::vector<Placed> controls_;
    SIZE client_{};   // the template's client area
    SIZE window_{};   // and the whole dialog
    POINT base_{};    // pixels of 4 dialog units across and 8 down
};

}  // namespace tlxsnippet
