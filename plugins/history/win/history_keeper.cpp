#include "history_keeper.h"

#include "history_notices.h"
#include "picker_window.h"
#include "synced_folder_scan.h"

namespace tlxhistory {

namespace {
// Long enough to write a burst of copies once, short enough that a crash loses
// only the last moment's.
constexpr UINT kSaveDelayMs = 1000;
}  // namespace

HistoryKeeper &Keeper() {
    static HistoryKeeper keeper;
    return keeper;
}

void HistoryKeeper::Start(tlx::ProfileStore &store) {
    settings_.Load(store);
    files_ = LocatePluginFiles(settings_.place);
    history_ = History(LimitsOf(settings_));
    dirty_ = false;
    if (settings_.keepAfterExit) {
        LoadedHistory loaded = LoadHistoryFile(files_, cipher_);
        TellSetAside(loaded.setAside);
        history_.Restore(std::move(loaded.entries));
        // A file in the clear (an earlier version's) is written anew, sealed, at once, not at the first copy.
        if (loaded.earlierVersion) Changed();
        // Once, the first time the history is kept in a folder a sync client uploads.
        if (settings_.place == HistoryPlace::kBesideProgram && !SyncedFolderTold(store)) {
            if (const std::optional<std::u16string> client = SyncClientOfPluginFolder()) {
                TellSyncedFolder(*client);
                RememberSyncedFolderTold(store);
            }
        }
    }
    ApplyPolicies();
}

void HistoryKeeper::Stop() {
    lockWatch_.Stop();
    if (retentionTimer_) KillTimer(nullptr, retentionTimer_);
    retentionTimer_ = 0;
    SaveNow();
    saver_.Stop();
    history_ = History(LimitsOf(settings_));
}

bool HistoryKeeper::ApplySettings(const HistorySettings &settings, tlx::ProfileStore &store) {
    const HistorySettings next = ClampSettings(settings);
    if (settings_.keepAfterExit && !next.keepAfterExit) {
        saver_.Cancel();
        RemoveHistoryFile(files_);
    }
    if (next.place != settings_.place) {
        const PluginFiles to = LocatePluginFiles(next.place);
        if (next.keepAfterExit && !MoveTo(to)) return false;
        files_ = to;
    }
    settings_ = next;
    settings_.Save(store);
    history_.SetLimits(LimitsOf(settings_));
    ApplyPolicies();
    Changed();
    return true;
}

void HistoryKeeper::Changed() {
    dirty_ = true;
    if (watcher_) PostMessageW(watcher_, tlx::kPickerSourceChanged, 0, 0);
    if (!saveTimer_) saveTimer_ = SetTimer(nullptr, 0, kSaveDelayMs, &HistoryKeeper::OnSaveTimer);
    // Without a timer the change is written at once rather than not at all.
    if (!saveTimer_) SaveNow();
}

void HistoryKeeper::SaveNow() {
    if (saveTimer_) {
        KillTimer(nullptr, saveTimer_);
        saveTimer_ = 0;
    }
    if (dirty_ && settings_.keepAfterExit)
        saver_.Save(files_.historyFile,
                    [entries = history_.Entries(), this] { return HistoryFileBytes(entries, cipher_); });
    dirty_ = false;
}

void CALLBACK HistoryKeeper::OnSaveTimer(HWND, UINT, UINT_PTR, DWORD) { Keeper().SaveNow(); }

}  // namespace tlxhistory
