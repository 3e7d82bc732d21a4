#include "anchored_layout.h"

namespace tlxsnippet {

namespace {

POINT BaseUnits(HWND dialog) {
    RECT r{0, 0, 4, 8};
    MapDialogRect(dialog, &r);
    return {r.right > 0 ? r.right : 1, r.bottom > 0 ? r.bottom : 1};
}

}  // namespace

void AnchoredLayout::Take(HWND dialog, std::initializer_list<Rule> rules) {
    RECT client, window;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &window);
    client_ = {client.right, client.bottom};
    window_ = {window.right - window.left, window.bottom - window.top};
    base_ = BaseUnits(dialog);
    controls_.clear();
    for (const Rule &rule : rules) {
        RECT r;
        const HWND control = GetDlgItem(dialog, rule.id);
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT *>(&r), 2);
        controls_.push_back({rule.id, rule.follow, r});
    }
}

POINT AnchoredLayout::Scale(HWND dialog) const {
    const POINT now = BaseUnits(dialog);
    return {MulDiv(1024, now.x, base_.x), MulDiv(1024, now.y, base_.y)};
}

void AnchoredLayout::Apply(HWND dialog) const {
    if (controls_.empty()) return;
    const POINT scale = Scale(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    const int dx = client.right - MulDiv(client_.cx, scale.x, 1024);
    const int dy = client.bottom - MulDiv(client_.cy, scale.y, 1024);
    HDWP moves = BeginDeferWindowPos(static_cast<int>(controls_.size()));
    for (const Placed &placed : controls_) {
        RECT r{MulDiv(placed.rect.left, scale.x, 1024), MulDiv(placed.rect.top, scale.y, 1024),
               MulDiv(placed.rect.right, scale.x, 1024), MulDiv(placed.rect.bottom, scale.y, 1024)};
        if (placed.follow & kMoveRight) OffsetRect(&r, dx, 0);
        if (placed.follow & kMoveDown) OffsetRect(&r, 0, dy);
        if (placed.follow & kGrowRight) r.right += dx;
        if (placed.follow & kGrowDown) r.bottom += dy;
        const HWND control = GetDlgItem(dialog, placed.id);
        if (moves)
            moves = DeferWindowPos(moves, control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves) EndDeferWindowPos(moves);
    // A wrapped label lays its lines out anew, and what the controls left is painted over.
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void AnchoredLayout::Limit(HWND dialog, MINMAXINFO &info) const {
    if (controls_.empty()) return;
    const POINT scale = Scale(dialog);
    info.ptMinTrackSize.x = MulDiv(window_.cx, scale.x, 1024);
    info.ptMinTrackSize.y = MulDiv(window_.cy, scale.y, 1024);
}

}  // namespace tlxsnippet
