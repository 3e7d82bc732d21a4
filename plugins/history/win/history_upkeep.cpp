// The keeper's upkeep of the history's privacy: the retention applied at the start and
// once a day, the unpinned entries cleared when the session is locked, and the file moved
// to the folder the settings name.
#include "history_keeper.h"

#include "file_bytes.h"
#include "held_file.h"
#include "history_notices.h"
#include "module_folder.h"

namespace tlxhistory {

namespace {
// The retention counts whole days: applied once a day, it wakes the program no more often.
constexpr UINT kRetentionIntervalMs = 24 * 60 * 60 * 1000;
}  // namespace

bool HistoryKeeper::MoveTo(const PluginFiles &to) {
    if (lstrcmpiA(to.historyFile.c_str(), files_.historyFile.c_str()) == 0) return true;
    saver_.Cancel();
    // A history already there (another copy of the program's) joins this one, behind it.
    if (unread_) Take(LoadHistoryFile(files_, cipher_, tlx::kHeldPatienceMs));
    // Neither file is replaced or removed while someone else holds it.
    LoadedHistory there = unread_ ? LoadedHistory{} : LoadHistoryFile(to, cipher_, tlx::kHeldPatienceMs);
    if (unread_ || there.unread) return false;
    TellSetAside(there.setAside);
    history_.Restore(std::move(there.entries));
    const std::optional<std::string> bytes = HistoryFileBytes(history_.Entries(), cipher_);
    if (!bytes || !tlx::EnsureFolder(to.folder) || !tlx::ReplaceFileBytes(to.historyFile, *bytes)) return false;
    RemoveHistoryFile(files_);
    return true;
}

void HistoryKeeper::ApplyPolicies() {
    RemoveExpired();
    if (retentionTimer_) KillTimer(nullptr, retentionTimer_);
    retentionTimer_ = settings_.retentionDays > 0
                          ? SetTimer(nullptr, 0, kRetentionIntervalMs, &HistoryKeeper::OnRetentionTimer)
                          : 0;
    if (settings_.clearOnLock) lockWatch_.Start([this] { ClearOnLock(); });
    else lockWatch_.Stop();
}

void HistoryKeeper::RemoveExpired() {
    if (history_.RemoveOlderThan(settings_.retentionDays) > 0) Changed();
}

void HistoryKeeper::ClearOnLock() {
    // Written at once: whoever unlocks the screen finds the file without them too.
    if (history_.ClearUnpinned() == 0) return;
    Changed();
    SaveNow();
}

void CALLBACK HistoryKeeper::OnRetentionTimer(HWND, UINT, UINT_PTR, DWORD) { Keeper().RemoveExpired(); }

}  // namespace tlxhistory
