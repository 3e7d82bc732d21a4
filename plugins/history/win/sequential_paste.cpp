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
constexpr UINT kTaken = WM_APP + 2;
constexpr UINT_PTR kAdvanceTimer = 1;
constexpr UINT_PTR kOfferTimer = 2;
constexpr UINT_PTR kKeysTimer = 3;
// A pasting program closes the clipboard a moment after it has read the item: it is
// asked again every millisecond at first, then at the timer's pace for a while.
constexpr int kQuickAdvanceTries = 50;
constexpr int kAdvanceTries = kQuickAdvanceTries + 200;
constexpr UINT kRetryMs = 50;
constexpr int kOfferTries = 40;
constexpr UINT kKeysPollMs = 15;
constexpr int kKeysPolls = 200;   // three seconds of a held key, then the key or paste is dropped

using ListenerFn = BOOL(WINAPI *)(HWND);

constexpr char kCaption[] = "連続貼り付け";

void PressKey(WORD key) {
    INPUT keys[2]{};
    for (INPUT &input : keys) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

const QueueSettings &Settings() { return Keeper().Settings().queue; }

tlx::GlobalBlock TextBlock(const std::u16string &text) {
    return tlx::GlobalBlock(text.data(), text.size() * sizeof(char16_t), sizeof(char16_t));
}

// With the clipboard open: the text as an ordinary copy, with no mark of the queue.
bool PutOrdinaryCopy(const std::u16string &text) {
    tlx::ClipboardWriter writer(tlx::kNoMarks);
    writer.AddUnicodeText(text);
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
    return true;
}

void SequentialPaste::Toggle() {
    if (on_) Stop();
    else Start({});
}

void SequentialPaste::Start(const std::vector<std::u16string> &items) {
    if (!TurnOn()) return;
    queue_.JoinItems(items);
    if (!queue_.Empty()) Offer();
    ShowState();
}

void SequentialPaste::Stop() {
    if (!on_) return;
    const std::u16string *back = ItemLeftBehind();
    {
        tlx::ClipboardSession clipboard(window_);
        if (clipboard.IsOpen() && back && GetClipboardOwner() == window_) PutOrdinaryCopy(*back);
    }
    End(false);
}

void SequentialPaste::End(bool notice) {
    static const auto removeListener = tlx::User32Function<ListenerFn>("RemoveClipboardFormatListener");
    on_ = false;
    if (removeListener) removeListener(window_);
    for (const UINT_PTR timer : {kAdvanceTimer, kOfferTimer, kKeysTimer}) KillTimer(window_, timer);
    afterKeysUp_ = nullptr;
    if (notice) indicator_.ShowNotice();
    else indicator_.Hide();
}

void SequentialPaste::Quit() {
    Stop();
    indicator_.Destroy();
    if (window_) DestroyWindow(window_);   // renders what is still promised (WM_RENDERALLFORMATS)
    window_ = nullptr;
    UnregisterClassW(kClassName, tlx::OwnModule());
}

void SequentialPaste::PasteNext(HWND front) {
    if (!on_ || queue_.Empty()) return;
    if (GetClipboardOwner() != window_ && !Offer()) return;
    WhenKeysUp([front] {
        if (tlx::CanPasteInto(front)) tlx::PasteInto(front, kCaption);
    });
}

void SequentialPaste::ShowState() {
    if (on_) indicator_.Show(CaptionOf(queue_.Count(), queue_.Head(Settings().order)));
}

void SequentialPaste::JoinCopy() {
    // The plug-in's own offers change nothing; an entry the history pastes stays on the
    // clipboard for that paste and joins no queue.
    if (!on_ || GetClipboardOwner() == window_ || Keeper().PastedByHistory()) return;
    const std::shared_ptr<const tlx::CopyLook> copy = tlx::CurrentCopy();
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
    queue_.Join(*text, Settings().linePerItem);
    // The copy itself stays on the clipboard only while nothing is queued.
    if (!queue_.Empty()) Offer();
    ShowState();
}

bool SequentialPaste::Offer() {
    KillTimer(window_, kOfferTimer);
    bool offered = false;
    {
        tlx::ClipboardSession clipboard(window_);
        offered = clipboard.IsOpen() && PromiseHead();
    }
    if (offered || ++offerTries_ >= kOfferTries) {
        offerTries_ = 0;
    } else {
        SetTimer(window_, kOfferTimer, kRetryMs, nullptr);
    }
    return offered;
}

bool SequentialPaste::PromiseHead() {
    const tlx::PrivacyFormatIds &privacy = tlx::PrivacyFormats();
    const DWORD forbid = 0;
    // Made before the clipboard is emptied: a failed allocation changes nothing.
    std::vector<std::pair<UINT, tlx::GlobalBlock>> marks;
    for (const UINT format : {tlx::QueueItemFormat(), privacy.canIncludeInHistory, privacy.canUploadToCloud}) {
        marks.emplace_back(format, tlx::GlobalBlock(&forbid, sizeof forbid, 0));
        if (!marks.back().second) return false;
    }
    if (!EmptyClipboard()) return false;
    // Promised, not placed: the request for it is the paste (WM_RENDERFORMAT).
    SetClipboardData(CF_UNICODETEXT, nullptr);
    bool all = true;
    for (auto &[format, block] : marks) all = block.SetAs(format) && all;
    return all;
}

void SequentialPaste::OnRender(UINT format) {
    if (format != CF_UNICODETEXT) return;
    const QueueOrder order = Settings().order;
    const std::u16string *head = on_ ? queue_.Head(order) : nullptr;
    if (!head) {
        // Off, with the promise still out (it could not be replaced in time).
        if (const std::u16string *back = ItemLeftBehind()) TextBlock(*back).SetAs(CF_UNICODETEXT);
        return;
    }
    if (!TextBlock(*head).SetAs(CF_UNICODETEXT)) return;
    lastPasted_ = queue_.Take(order);
    // The pasting program still has the clipboard open: the next item goes there later.
    advanceTries_ = 0;
    PostMessageW(window_, kTaken, 0, 0);
}

void SequentialPaste::OnRenderAll() {
    // The plug-in quits with an item still promised: the clipboard keeps its text.
    if (!OpenClipboard(window_)) return;
    if (GetClipboardOwner() == window_) OnRender(CF_UNICODETEXT);
    CloseClipboard();
}

void SequentialPaste::Advance() {
    if (!on_) return;
    if (!OpenClipboard(window_)) {
        ++advanceTries_;
        if (advanceTries_ < kQuickAdvanceTries) {
            Sleep(1);
            PostMessageW(window_, kTaken, 0, 0);
        } else if (advanceTries_ < kAdvanceTries) {
            SetTimer(window_, kAdvanceTimer, kRetryMs, nullptr);
        }
        return;
    }
    KillTimer(window_, kAdvanceTimer);
    // Unless a copy made meanwhile has replaced the item pasted (and has been queued).
    if (GetClipboardOwner() == window_) {
        if (!queue_.Empty()) PromiseHead();
        else if (lastPasted_) PutOrdinaryCopy(*lastPasted_);
    }
    CloseClipboard();
    const KeyAfterPaste key = Settings().keyAfterPaste;
    if (queue_.Empty()) End(true);
    else ShowState();
    if (key != KeyAfterPaste::kNone)
        WhenKeysUp([key] { PressKey(key == KeyAfterPaste::kTab ? VK_TAB : VK_RETURN); });
}

void SequentialPaste::WhenKeysUp(std::function<void()> then) {
    if (!tlx::ModifierKeysHeld()) {
        then();
        return;
    }
    afterKeysUp_ = std::move(then);
    keysWaited_ = 0;
    SetTimer(window_, kKeysTimer, kKeysPollMs, nullptr);
}

void SequentialPaste::OnKeysTimer() {
    if (tlx::ModifierKeysHeld() && ++keysWaited_ < kKeysPolls) return;
    KillTimer(window_, kKeysTimer);
    std::function<void()> then = std::move(afterKeysUp_);
    afterKeysUp_ = nullptr;
    if (then && !tlx::ModifierKeysHeld()) then();
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
    case WM_RENDERFORMAT: self->OnRender(static_cast<UINT>(wp)); return 0;
    case WM_RENDERALLFORMATS: self->OnRenderAll(); return 0;
    case kTaken: self->Advance(); return 0;
    case WM_TIMER:
        if (wp == kAdvanceTimer) self->Advance();
        if (wp == kOfferTimer) self->Offer();
        if (wp == kKeysTimer) self->OnKeysTimer();
        return 0;
    }
    return DefWindowProcW(window, message, wp, lp);
}

}  // namespace tlxhistory
