#include "clipboard_offer.h"

#include <cstdint>

#include "clipboard_snapshot.h"
#include "clipboard_writer.h"
#include "current_copy.h"
#include "module_folder.h"

namespace tlx {

namespace {

constexpr wchar_t kClassName[] = L"PortericaClipboardOffer";
constexpr UINT kCheckNow = WM_APP + 1;
constexpr UINT_PTR kCheckTimer = 1;
// A program closes the clipboard a moment after it has read: it is asked every
// millisecond at first (what comes next is there at once), then at the timer's pace.
constexpr int kQuickChecks = 30;
constexpr UINT kCheckMs = 10;
// A program that keeps the clipboard open longer than this is no longer waited for.
constexpr int kChecks = kQuickChecks + 500;
// Before the program's own Ctrl+V: the programs that read every change have had their
// look when no request has come for this long.
constexpr DWORD kSettledMs = 10;
constexpr DWORD kSettleMaxMs = 150;
// A paste due after the program's own Ctrl+V comes within this, or never (the window
// took nothing).
constexpr DWORD kPasteDueMs = 2000;
// A paste made while the one before is due waits this long for that one to be taken.
constexpr DWORD kPasteAwaitMs = 500;
constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 20;

ClipboardOffer *OfferOf(HWND window) {
    return reinterpret_cast<ClipboardOffer *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    if (window) GetWindowThreadProcessId(window, &process);
    return process;
}

// Whether the user (or the program's own SendInput) has typed or clicked since `tick`.
bool InputSince(DWORD tick) {
    LASTINPUTINFO last{sizeof last, 0};
    return GetLastInputInfo(&last) && static_cast<int32_t>(last.dwTime - tick) >= 0;
}

bool InputAfter(DWORD tick) {
    LASTINPUTINFO last{sizeof last, 0};
    return GetLastInputInfo(&last) && static_cast<int32_t>(last.dwTime - tick) > 0;
}

// Called through a copy: what it does may make a new offer, with new events, meanwhile.
void Tell(const std::function<void()> &event) {
    if (!event) return;
    const std::function<void()> call = event;
    call();
}

const std::string *BlockOf(const std::vector<std::pair<UINT, std::string>> &blocks, UINT format) {
    for (const auto &[held, bytes] : blocks)
        if (held == format) return &bytes;
    return nullptr;
}

}  // namespace

OfferedContent OfferedText(const std::u16string &text, std::vector<MarkBlock> marks) {
    std::string bytes(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(char16_t));
    bytes.append(sizeof(char16_t), '\0');
    return {{{CF_UNICODETEXT, std::move(bytes)}}, std::move(marks)};
}

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

bool ClipboardOffer::Offer(OfferedContent content, Events events) {
    content_ = std::move(content);
    events_ = std::move(events);
    lookers_.clear();
    keysSent_ = false;
    pasteDue_ = false;
    offerAgain_ = false;
    offeredAt_ = GetTickCount();
    return Promise();
}

bool ClipboardOffer::Promise() {
    std::vector<MarkBlock> marks = content_.marks;
    marks.push_back({PasteMarkFormat(), PasteMarkBytes({content_.kind, {}})});
    // Emptied with the marks set at once; the content itself is only promised.
    ClipboardWriter writer(marks);
    promising_ = true;
    offered_ = false;
    const bool emptied = writer.Replace();
    promising_ = false;
    if (!emptied) return false;
    for (const auto &[format, bytes] : content_.blocks) SetClipboardData(format, nullptr);
    offered_ = true;
    ++promises_;
    return true;
}

OfferRequest ClipboardOffer::Classify(DWORD requester) const {
    OfferRequestFacts facts;
    // Asked from this thread, the system calls in directly: the program's own readers.
    facts.fromThisThread = !InSendMessage();
    facts.requester = requester;
    facts.self = GetCurrentProcessId();
    facts.front = ProcessOf(GetForegroundWindow());
    facts.inputSinceOffer = InputSince(offeredAt_);
    facts.ownKeysSent = keysSent_;
    facts.ownPasteDue = pasteDue_ && GetTickCount() - pasteDueAt_ < kPasteDueMs;
    facts.lastTaker = takenAt_ ? takerProcess_ : 0;
    facts.inputSinceTaken = InputAfter(takenAt_);
    const auto looked = lookers_.find(requester);
    facts.lookedBefore = looked != lookers_.end() && looked->second < promises_;
    return ClassifyOfferRequest(facts);
}

void ClipboardOffer::OnRender(UINT format) {
    const std::string *bytes = BlockOf(content_.blocks, format);
    if (!bytes) return;
    bool pasted = false;
    if (offered_) {
        const DWORD requester = InSendMessage() ? ProcessOf(GetOpenClipboardWindow()) : GetCurrentProcessId();
        switch (Classify(requester)) {
        case OfferRequest::kNothing:
            return;
        case OfferRequest::kSamePaste:
            if (const std::string *before = BlockOf(taken_, format)) bytes = before;
            offerAgain_ = offerAgain_ || !pasteOpen_;
            break;
        case OfferRequest::kLook:
            if (requester != GetCurrentProcessId()) lookers_[requester] = promises_;
            offerAgain_ = true;
            break;
        case OfferRequest::kPaste:
            takerProcess_ = requester;
            takenAt_ = GetTickCount();
            taken_ = content_.blocks;
            pasteOpen_ = true;
            keysSent_ = false;
            pasteDue_ = false;
            pasted = true;
            break;
        }
        lastRequest_ = GetTickCount();
        if (!checking_) {
            checking_ = true;
            checks_ = 0;
            PostMessageW(window_, kCheckNow, 0, 0);
        }
    }
    GlobalBlock(bytes->data(), bytes->size(), 0).SetAs(format);
    if (pasted) Tell(events_.taken);
}

void ClipboardOffer::OnRenderAll() {
    if (!OpenClipboard(window_)) return;
    if (GetClipboardOwner() == window_)
        for (const auto &[format, bytes] : content_.blocks) GlobalBlock(bytes.data(), bytes.size(), 0).SetAs(format);
    CloseClipboard();
}

void ClipboardOffer::OnDestroyClipboard() {
    if (promising_ || !offered_) return;
    offered_ = false;
    pasteOpen_ = false;
    offerAgain_ = false;
    Tell(events_.lost);
}

// Once the pasting program (or the one that looked) has closed the clipboard.
void ClipboardOffer::CheckReleased() {
    if (!checking_) return;
    if (!OpenClipboard(window_)) {
        if (++checks_ < kQuickChecks) {
            Sleep(1);
            PostMessageW(window_, kCheckNow, 0, 0);
            return;
        }
        if (checks_ == kQuickChecks) SetTimer(window_, kCheckTimer, kCheckMs, nullptr);
        if (checks_ < kChecks) return;
    } else {
        const bool ours = offered_ && GetClipboardOwner() == window_;
        if (pasteOpen_) {
            pasteOpen_ = false;
            offered_ = false;   // what comes next replaces it without a loss
            offerAgain_ = false;
            if (ours) Tell(events_.released);
        } else if (offerAgain_ && ours) {
            Promise();
        }
        CloseClipboard();
    }
    offerAgain_ = false;
    pasteOpen_ = false;
    checking_ = false;
    KillTimer(window_, kCheckTimer);
}

void ClipboardOffer::KeysSent(bool sent) {
    keysSent_ = sent;
    pasteDue_ = sent;
    pasteDueAt_ = GetTickCount();
}

void ClipboardOffer::WaitUntil(DWORD ms, const std::function<bool()> &done) {
    for (const DWORD start = GetTickCount(); GetTickCount() - start < ms && !done();) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE | QS_POSTMESSAGE | QS_TIMER);
        // This window's own checks run here too: only they make the offer again.
        MSG message;
        while (PeekMessageW(&message, window_, kCheckNow, kCheckNow, PM_REMOVE) ||
               PeekMessageW(&message, window_, WM_TIMER, WM_TIMER, PM_REMOVE))
            CheckReleased();
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void ClipboardOffer::Settle() {
    const DWORD start = GetTickCount();
    pasteDue_ = false;
    WaitUntil(kSettleMaxMs, [&] {
        const DWORD now = GetTickCount();
        return !checking_ && now - lastRequest_ >= kSettledMs && now - start >= kSettledMs;
    });
    pasteDue_ = true;
    pasteDueAt_ = GetTickCount();
}

void ClipboardOffer::AwaitDuePaste() {
    WaitUntil(kPasteAwaitMs, [&] { return !checking_ && (!pasteDue_ || GetTickCount() - pasteDueAt_ >= kPasteAwaitMs); });
}

LRESULT CALLBACK ClipboardOffer::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ClipboardOffer *offer = OfferOf(window);
    if (!offer) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_RENDERFORMAT: offer->OnRender(static_cast<UINT>(wParam)); return 0;
    case WM_RENDERALLFORMATS: offer->OnRenderAll(); return 0;
    case WM_DESTROYCLIPBOARD: offer->OnDestroyClipboard(); return 0;
    case kCheckNow: offer->CheckReleased(); return 0;
    case WM_TIMER:
        if (wParam == kCheckTimer) offer->CheckReleased();
        return 0;
    }
    if (message == TakeBackMessage()) {
        Tell(offer->events_.takeBack);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tlx
