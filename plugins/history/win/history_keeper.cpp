#include "history_keeper.h"

#include "history_file.h"

#include <algorithm>
#include <utility>

#include "held_file.h"
#include "history_notices.h"
#include "picker_window.h"
#include "synced_folder_scan.h"

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
    settings_.Load(store);
    files_ = LocatePluginFiles(settings_.place);
    history_ = History(LimitsOf(settings_));
    dirty_ = false;
    unread_ = false;
    if (settings_.keepAfterExit) {
        Take(LoadHistoryFile(files_, cipher_, tlx::kHeldPatienceMs));
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
    TellSetAside(loaded.setAside);
    history_.Restore(std::move(loaded.entries));
    // A file in the clear (an earlier version's) is written anew, sealed, at once, not at the
    // first copy; one read late, with what this run recorded meanwhile.
    if (loaded.earlierVersion || (late && dirty_)) Changed();
    else if (late && watcher_) PostMessageW(watcher_, tlx::kPickerSourceChanged, 0, 0);
}

void CALLBACK HistoryKeeper::OnReadTimer(HWND, UINT, UINT_PTR, DWORD) {
    HistoryKeeper &keeper = Keeper();
    if (keeper.unread_ && keeper.settings_.keepAfterExit)
        keeper.Take(LoadHistoryFile(keeper.files_, keeper.cipher_, 0));
}

void HistoryKeeper::Stop() {
    lockWatch_.Stop();
    if (retentionTimer_) KillTimer(nullptr, retentionTimer_);
    retentionTimer_ = 0;
    SaveNow();
    saver_.Stop();
    // A file never read: what this run recorded was not saved over it.
    if (unread_ && dirty_ && settings_.keepAfterExit) tlx::TellNotSaved("履歴", files_.historyFile);
    if (readTimer_) KillTimer(nullptr, readTimer_);
    readTimer_ = 0;
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
    // A file not read yet is never replaced: what changed is saved once it has been read.
    if (unread_) return;
    if (dirty_ && settings_.keepAfterExit)
        saver_.Save(files_.historyFile,
                    [entries = history_.Entries(), this] { return HistoryFileBytes(entries, cipher_); });
    dirty_ = false;
}

void CALLBACK HistoryKeeper::OnSaveTimer(HWND, UINT, UINT_PTR, DWORD) { Keeper().SaveNow(); }

}  // namespace tlxhistory
