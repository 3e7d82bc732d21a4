#include "history_keeper.h"

#include "picker_window.h"

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
    files_ = LocatePluginFiles();
    settings_.Load(store);
    history_ = History(LimitsOf(settings_));
    dirty_ = false;
    if (!settings_.keepAfterExit) return;
    LoadedHistory loaded = LoadHistoryFile(files_);
    history_.Restore(std::move(loaded.entries));
    // An earlier version's file is written anew in this one at once, not at the first copy.
    if (loaded.earlierVersion) Changed();
}

void HistoryKeeper::Stop() {
    SaveNow();
    saver_.Stop();
    history_ = History(LimitsOf(settings_));
}

void HistoryKeeper::ApplySettings(const HistorySettings &settings, tlx::ProfileStore &store) {
    const bool wasKept = settings_.keepAfterExit;
    settings_ = ClampSettings(settings);
    settings_.Save(store);
    history_.SetLimits(LimitsOf(settings_));
    if (wasKept && !settings_.keepAfterExit) {
        saver_.Cancel();
        RemoveHistoryFile(files_);
    }
    Changed();
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
    if (dirty_ && settings_.keepAfterExit) saver_.Save(files_.historyFile, history_.Entries());
    dirty_ = false;
}

void CALLBACK HistoryKeeper::OnSaveTimer(HWND, UINT, UINT_PTR, DWORD) { Keeper().SaveNow(); }

}  // namespace tlxhistory
