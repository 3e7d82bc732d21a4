#include "clipboard_offer.h"

#include "clipboard_writer.h"
#include "module_folder.h"

namespace tlx {

namespace {

constexpr wchar_t kClassName[] = L"PortericaClipboardOffer";
constexpr UINT_PTR kReleaseTimer = 1;
constexpr UINT kReleaseCheckMs = 10;
// A program that keeps the clipboard open longer than this is no longer waited for.
constexpr int kReleaseChecks = 500;
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 20;

ClipboardOffer *OfferOf(HWND window) {
    return reinterpret_cast<ClipboardOffer *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace

ClipboardOffer::ClipboardOffer() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = OwnModule();
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);   // fails harmlessly when already registered
    window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, OwnModule(), nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ClipboardOffer::~ClipboardOffer() {
    // Destroying the owner renders what is still only offered (WM_RENDERALLFORMATS).
    if (window_) DestroyWindow(window_);
}

bool ClipboardOffer::Open() {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (attempt) Sleep(kOpenRetryMs);
        if (OpenClipboard(window_)) return true;
    }
    return false;
}

bool ClipboardOffer::Offer(std::u16string text, const std::vector<MarkBlock> &marks, Events events) {
    offered_ = false;   // what this empties is the offer before, not a loss
    KillTimer(window_, kReleaseTimer);
    waitingForRelease_ = false;
    // Emptied with the marks set at once; the text itself is only promised.
    ClipboardWriter writer(marks);
    if (!writer.Replace()) return false;
    text_ = std::move(text);
    events_ = std::move(events);
    SetClipboardData(CF_UNICODETEXT, nullptr);
    offered_ = true;
    return true;
}

void ClipboardOffer::Render(bool toAll) {
    if (toAll && (!OpenClipboard(window_) || GetClipboardOwner() != window_)) return;
    GlobalBlock block(text_.data(), text_.size() * sizeof(char16_t), sizeof(char16_t));
    block.SetAs(CF_UNICODETEXT);
    if (toAll) CloseClipboard();
}

void ClipboardOffer::CheckReleased() {
    if (!waitingForRelease_) return;
    if (!OpenClipboard(window_)) {
        if (++releaseChecks_ < kReleaseChecks) return;
    } else {
        const bool ours = GetClipboardOwner() == window_;
        offered_ = false;
        if (ours && events_.released) events_.released();
        CloseClipboard();
    }
    releaseChecks_ = 0;
    waitingForRelease_ = false;
    KillTimer(window_, kReleaseTimer);
}

LRESULT CALLBACK ClipboardOffer::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ClipboardOffer *offer = OfferOf(window);
    if (!offer) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_RENDERFORMAT:
        if (wParam != CF_UNICODETEXT) return 0;
        offer->Render(false);
        // Asked from this thread (the program's own watch and history): only looked at.
        if (InSendMessage() && !offer->waitingForRelease_) {
            offer->waitingForRelease_ = true;
            SetTimer(window, kReleaseTimer, kReleaseCheckMs, nullptr);
            if (offer->events_.taken) offer->events_.taken();
        }
        return 0;
    case WM_RENDERALLFORMATS:
        offer->Render(true);
        return 0;
    case WM_DESTROYCLIPBOARD:
        if (offer->offered_) {
            offer->offered_ = false;
            if (offer->events_.lost) offer->events_.lost();
        }
        return 0;
    case WM_TIMER:
        if (wParam == kReleaseTimer) offer->CheckReleased();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tlx
