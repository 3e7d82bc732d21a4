#include "snippet_options.h"

namespace tlxsnippet {

namespace {
constexpr const char *kSection = "Main";
constexpr const char *kRestoreClipboard = "RestoreClipboard";
constexpr const char *kKeepOutOfHistory = "KeepOutOfHistory";
}  // namespace

void SnippetOptions::Load(tlx::ProfileStore &store) {
    restoreClipboard = store.ReadNumber(kSection, kRestoreClipboard, 1) != 0;
    keepOutOfHistory = store.ReadNumber(kSection, kKeepOutOfHistory, 1) != 0;
}

void SnippetOptions::Save(tlx::ProfileStore &store) const {
    store.WriteNumber(kSection, kRestoreClipboard, restoreClipboard ? 1 : 0);
    store.WriteNumber(kSection, kKeepOutOfHistory, keepOutOfHistory ? 1 : 0);
}

}  // namespace tlxsnippet
