#include "phrase_paste.h"

#include "clipboard_writer.h"
#include "current_copy.h"
#include "paste_target.h"

namespace tlxsnippet {

namespace {

// CanIncludeInClipboardHistory = 0: neither the program's history nor the system's keeps it.
std::vector<tlx::MarkBlock> OutOfHistory() {
    const DWORD forbid = 0;
    return {{tlx::PrivacyFormats().canIncludeInHistory, std::string(reinterpret_cast<const char *>(&forbid), sizeof forbid)}};
}

// The keys of a hotkey are often still held when it runs; with them down, Ctrl+V would be
// another combination and the caret's steps would select (Shift). A second at most.
void WaitForModifiersReleased() {
    constexpr int kChecks = 50;
    constexpr DWORD kCheckMs = 20;
    for (int check = 0; check < kChecks; ++check) {
        bool held = false;
        for (const int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN}) held |= (GetAsyncKeyState(key) & 0x8000) != 0;
        if (!held) return;
        Sleep(kCheckMs);
    }
}

void SendCaretSteps(size_t steps) {
    std::vector<INPUT> keys;
    for (size_t i = 0; i < steps; ++i)
        for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = VK_LEFT;
            key.ki.dwFlags = flags | KEYEVENTF_EXTENDEDKEY;
            keys.push_back(key);
        }
    if (!keys.empty()) SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}

}  // namespace

bool PhrasePaster::Paste(const Expansion &phrase, HWND target, const SnippetOptions &options) {
    if (!offer_.Open()) return false;
    before_.reset();
    if (options.restoreClipboard) before_ = tlx::ClipboardSnapshot::Take();
    tlx::ClipboardOffer::Events events;
    // Once the window has taken the phrase and closed the clipboard again.
    events.released = [this] {
        if (before_) before_->Restore();
        before_.reset();
    };
    events.lost = [this] { before_.reset(); };
    const bool offered = offer_.Offer(phrase.text, options.keepOutOfHistory ? OutOfHistory() : tlx::kNoMarks, events);
    CloseClipboard();
    if (!offered) return false;
    // Where no keys can go, the phrase stays on the clipboard for the user's own Ctrl+V.
    if (tlx::CanPasteInto(target) && tlx::BringToFront(target)) {
        WaitForModifiersReleased();
        tlx::SendPasteKeys();
        SendCaretSteps(phrase.caretBack);
    }
    return true;
}

}  // namespace tlxsnippet
