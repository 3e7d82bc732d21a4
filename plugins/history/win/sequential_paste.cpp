#include "sequential_paste.h"

#include "clipboard_entry.h"
#include "clipboard_writer.h"
#include "current_copy.h"
#include "history_keeper.h"
#include "module_folder.h"
#include "paste_target.h"
#include "plugin_clipboard.h"
#include "screen_dpi.h"
#include "start_queue.h"

namespace tlxhistory {

namespace {

constexpr wchar_t kClassName[] = L"tlxHistoryQueueOwner";
constexpr UINT kCopied = WM_APP + 1;
constexpr UINT kKeyAfterPaste = WM_APP + 2;   // wParam: the key; lParam: the pasting process
constexpr UINT_PTR kOfferTimer = 2;
constexpr UINT kRetryMs = 50;
constexpr int kOfferTries = 40;

using ListenerFn = BOOL(WINAPI *)(HWND);

constexpr char kCaption[] = "連続貼り付け";

const QueueSettings &Settings() { return Keeper().Settings().queue; }

// The head as offered: the queue's mark, and kept out of the system's clipboard history
// and cloud clipboard, which would otherwise ask for it.
tlx::OfferedContent ItemContent(const std::u16string &item) {
    const tlx::PrivacyFormatIds &privacy = tlx::PrivacyFormats();
    const DWORD forbid = 0;
    const std::string zero(reinterpret_cast<const char *>(&forbid), sizeof forbid);
    return tlx::OfferedText(item, {{tlx::QueueItemFormat(), zero}, {privacy.canIncludeInHistory, zero},
                                   {privacy.canUploadToCloud, zero}});
}

// With the clipboard open: the text as an ordinary copy of the user's, with no mark of
// the queue; the program's own watch takes it for no new copy.
bool PutOrdinaryCopy(const std::u16string &text) {
    tlx::ClipboardWriter writer(tlx::kNoMarks);
    writer.AddUnicodeText(text);
    const std::string mark = tlx::PasteMarkBytes({tlx::PasteMark::Kind::kGivenBack, {}});
    writer.Add(tlx::PasteMarkFormat(), tlx::GlobalBlock(mark.data(), mark.size(), 0));
    return writer.Ready() && writer.Replace();
}

}  // namespace

SequentialPaste &Sequence() {
    static SequentialPaste sequence;
    return sequence;
}

void StartQueue(const std::vector<std::u16string> &items) { Sequence().Start(items); }

bool SequentialPaste::TurnOn() {
    if (on_) return true;
    static const auto addListener = tlx::User32Function<ListenerFn>("AddClipboardFormatListener");
    if (!window_) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &SequentialPaste::WindowProc;
        windowClass.hInstance = tlx::OwnModule();
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);   // fails harmlessly when already registered
        window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, tlx::OwnModule(), this);
    }
    if (!window_ || !addListener || !addListener(window_)) return false;
    on_ = true;
    queue_ = PasteQueue();
    lastPasted_.reset();
    lastJoined_ = GetClipboardSequenceNumber();   // what is there already is no copy made now
    return true;
}

void SequentialPaste::Toggle() {
    if (on_) Stop();
    else Start({});
}

void SequentialPaste::Start(const std::vector<std::u16string> &items) {
    if (!TurnOn()) return;
    queue_.JoinItems(items);
    if (!queue_.Empty()) OfferHead();
    ShowState();
}

void SequentialPaste::Stop() {
    if (!on_) return;
    const std::u16string *back = ItemLeftBehind();
    if (back && offer_.Offered() && GetClipboardOwner() == offer_.Window() && offer_.Open()) {
        PutOrdinaryCopy(*back);
        CloseClipboard();
    }
    End(false);
}

void SequentialPaste::End(bool notice) {
    static const auto removeListener = tlx::User32Function<ListenerFn>("RemoveClipboardFormatListener");
    on_ = false;
    if (removeListener) removeListener(window_);
    KillTimer(window_, kOfferTimer);
    if (notice) indicator_.ShowNotice();
    else indicator_.Hide();
}

void SequentialPaste::Quit() {
    Stop();
    indicator_.Destroy();
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    UnregisterClassW(kClassName, tlx::OwnModule());
}

void SequentialPaste::PasteNext(HWND front) {
    offer_.AwaitDuePaste();
    if (!on_ || queue_.Empty()) return;
    if ((!offer_.Offered() || GetClipboardOwner() != offer_.Window()) && !OfferHead()) return;
    if (!tlx::CanPasteInto(front)) return;
    offer_.Settle();
    offer_.KeysSent(tlx::SendPaste(front, kCaption) == tlx::PasteKeys::kSent);
}

void SequentialPaste::ShowState() {
    if (on_) indicator_.Show(CaptionOf(queue_.Count(), queue_.Head(Settings().order)));
}

void SequentialPaste::JoinCopy() {
    const DWORD sequence = GetClipboardSequenceNumber();
    if (!on_ || sequence == lastJoined_) return;
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
    // The program's own pastes (this queue's items among them) are no copies.
    if (copy->formats.Has(tlx::PasteMarkFormat())) return;
    if (copy->isPrivate || !copy->formats.Has(CF_UNICODETEXT)) return;
    // "記録しないアプリ" are neither recorded nor queued; a copy without an owner window is
    // taken for one of the program in front.
    if (CopiedFromSkippedProgram(Keeper().Settings(), GetForegroundWindow())) return;
    std::optional<std::u16string> text;
    {
        tlx::ClipboardSession clipboard;
        if (clipboard.IsOpen()) text = ReadClipboardText();
    }
    if (!text) return;
    lastJoined_ = sequence;
    queue_.Join(*text, Settings().linePerItem);
    // The copy itself stays on the clipboard only while nothing is queued.
    if (!queue_.Empty()) OfferHead();
    ShowState();
}

tlx::ClipboardOffer::Events SequentialPaste::ItemEvents() {
    tlx::ClipboardOffer::Events events;
    events.taken = [this] { lastPasted_ = queue_.Take(Settings().order); };
    events.released = [this] { OnReleased(); };
    // A paste of the program's (a phrase, an entry of the history) took the clipboard
    // meanwhile: the queue goes on where it was.
    events.takeBack = [this] { OfferHead(); };
    return events;
}

bool SequentialPaste::OfferHead() {
    KillTimer(window_, kOfferTimer);
    const std::u16string *head = queue_.Head(Settings().order);
    if (!on_ || !head) return false;
    bool offered = false;
    if (offer_.Open()) {
        offered = offer_.Offer(ItemContent(*head), ItemEvents());
        CloseClipboard();
    }
    if (offered || ++offerTries_ >= kOfferTries) {
        offerTries_ = 0;
    } else {
        SetTimer(window_, kOfferTimer, kRetryMs, nullptr);
    }
    return offered;
}

// The pasting program has closed the clipboard, which is open now for what comes next.
void SequentialPaste::OnReleased() {
    if (!on_) return;
    // Sent once the clipboard is closed again, to the program that pasted, one per item.
    const KeyAfterPaste key = Settings().keyAfterPaste;
    if (key != KeyAfterPaste::kNone)
        PostMessageW(window_, kKeyAfterPaste, key == KeyAfterPaste::kTab ? VK_TAB : VK_RETURN, offer_.Taker());
    if (const std::u16string *head = queue_.Head(Settings().order)) {
        offer_.Offer(ItemContent(*head), ItemEvents());
        ShowState();
        return;
    }
    if (lastPasted_) PutOrdinaryCopy(*lastPasted_);
    End(true);
}

LRESULT CALLBACK SequentialPaste::WindowProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<const CREATESTRUCTW *>(lp)->lpCreateParams));
    auto *self = reinterpret_cast<SequentialPaste *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wp, lp);
    switch (message) {
    // Handled after the notices already posted to this thread: the program's watch (its
    // history recording, its rewrites) has seen the copy before the queue's item replaces it.
    case WM_CLIPBOARDUPDATE: PostMessageW(window, kCopied, 0, 0); return 0;
    case kCopied: self->JoinCopy(); return 0;
    case kKeyAfterPaste: tlx::SendKeyAfterPaste(static_cast<WORD>(wp), static_cast<DWORD>(lp)); return 0;
    case WM_TIMER:
        if (wp == kOfferTimer) self->OfferHead();
        return 0;
    }
    return DefWindowProcW(window, message, wp, lp);
}

}  // namespace tlxhistory
