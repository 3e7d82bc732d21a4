#include "history_keeper.h"

#include "history_file.h"

#include <algorithm>
#include <utility>

#include "held_file.h"
#include "picker_window.h"

namespace tlxhistory {

namespace {
// Long enough to write a burst of copies once, short enough that a crash loses
// only the last moment's.
constexpr UINT kSaveDelayMs = 1000;
constexpr UINT kFirstReadPauseMs = 1000;
constexpr UINT kLongestReadPauseMs = 30000;
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
    unread_ = false;
    if (settings_.keepAfterExit) Take(LoadHistoryFile(files_, tlx::kHeldPatienceMs));
}

void HistoryKeeper::Take(LoadedHistory loaded) {
    if (loaded.unread) {
        if (!unread_)
            tlx::TellOnce("history unread", "履歴を読めません",
                          "「" + files_.historyFile + "」をほかのプログラムが使用中のため読めません。読めるようになるまで、履歴は保存しません。");
        unread_ = true;
        readPauseMs_ = readTimer_ ? std::min(readPauseMs_ * 2, kLongestReadPauseMs) : kFirstReadPauseMs;
        readTimer_ = SetTimer(nullptr, readTimer_, readPauseMs_, &HistoryKeeper::OnReadTimer);
        return;
    }
    if (readTimer_) KillTimer(nullptr, readTimer_);
    readTimer_ = 0;
    const bool late = std::exchange(unread_, false);
    history_.Restore(std::move(loaded.entries));
    // An earlier version's file is written anew in this one at once, not at the first copy;
    // one read late, with what this run recorded meanwhile.
    if (loaded.earlierVersion || (late && dirty_)) Changed();
    else if (late && watcher_) PostMessageW(watcher_, tlx::kPickerSourceChanged, 0, 0);
}

void CALLBACK HistoryKeeper::OnReadTimer(HWND, UINT, UINT_PTR, DWORD) {
    HistoryKeeper &keeper = Keeper();
    if (keeper.unread_ && keeper.settings_.keepAfterExit) keeper.Take(LoadHistoryFile(keeper.files_, 0));
}

void HistoryKeeper::Stop() {
    SaveNow();
    saver_.Stop();
    // A file never read: what this run recorded was not saved over it.
    if (unread_ && dirty_ && settings_.keepAfterExit) tlx::TellNotSaved("履歴", files_.historyFile);
    if (readTimer_) KillTimer(nullptr, readTimer_);
    readTimer_ = 0;
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
    // A file not read yet is never replaced: what changed is saved once it has been read.
    if (unread_) return;
    if (dirty_ && settings_.keepAfterExit)
        saver_.Save(files_.historyFile, [entries = history_.Entries()] { return SerializeHistory(entries); });
    dirty_ = false;
}

void CALLBACK HistoryKeeper::OnSaveTimer(HWND, UINT, UINT_PTR, DWORD) { Keeper().SaveNow(); }

}  // namespace tlxhistory
