#include "phrase_paste.h"

#include "current_copy.h"

namespace tlxsnippet {

namespace {

// CanIncludeInClipboardHistory = 0: the system's clipboard history keeps no phrase.
std::vector<tlx::MarkBlock> OutOfHistory() {
    const DWORD forbid = 0;
    return {{tlx::PrivacyFormats().canIncludeInHistory, std::string(reinterpret_cast<const char *>(&forbid), sizeof forbid)}};
}

}  // namespace

bool PastePhraseText(tlx::ClipboardPaste &paster, const Expansion &phrase, HWND target, const SnippetOptions &options) {
    tlx::ClipboardPaste::Request request{
        tlx::OfferedText(phrase.text, options.keepOutOfHistory ? OutOfHistory() : std::vector<tlx::MarkBlock>{}),
        target, "定型文", phrase.caretBack,
        options.restoreClipboard ? tlx::ClipboardSnapshot::Keep::kUserCopy : tlx::ClipboardSnapshot::Keep::kQueueItem};
    return paster.Paste(std::move(request)) == tlx::ClipboardPaste::Outcome::kSent;
}

}  // namespace tlxsnippet
