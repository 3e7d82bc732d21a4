// バックアップから戻す: the backups of every PC, newest first; the one selected shown —
// its phrases, and what putting it back would do — before anything changes.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "phrase_book.h"
#include "phrase_files.h"

namespace tlxsnippet {

using BackupReader = std::function<std::optional<PhraseBook>(const PhraseBackup &)>;

// After 戻す, true, with the chosen backup's phrases put back into book (PutBack).
bool ShowRestoreDialog(HINSTANCE module, HWND owner, const std::vector<PhraseBackup> &backups, const BackupReader &read,
                       PhraseBook &book);

}  // namespace tlxsnippet
