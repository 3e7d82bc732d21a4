// The history of this run with its settings and its file. A change is handed to
// the saver a moment later from a timer of the calling thread, so that a burst of
// copies is written once; what is pending is written when the plug-in quits. The
// file is sealed for the user (history_cipher.h); the settings' retention removes old
// entries at the start and once a day, and their lock watch clears the unpinned entries
// when the session is locked. A file that could not be read at start (someone else held
// it) is read again later, with growing pauses, and nothing is saved over it meanwhile;
// once read, its entries come behind those of this run.
#pragma once
#include <windows.h>

#include "history.h"
#include "file_saver.h"
#include "history_cipher.h"
#include "history_settings.h"
#include "history_store.h"
#include "session_lock_watch.h"

namespace tlxhistory {

class HistoryKeeper {
public:
    // Reads the settings from store and the saved history, when it is kept.
    void Start(tlx::ProfileStore &store);
    void Stop();

    History &Entries() { return history_; }
    const HistorySettings &Settings() const { return settings_; }
    const PluginFiles &Files() const { return files_; }

    // Writes the settings to store and applies them: the limits, the retention, the
    // lock watch; writes or removes the file as keeping after exit was turned on or off,
    // and moves it to the folder they name (joined by a history found there). False, the
    // settings left as they were, when the history could not be written in that folder.
    bool ApplySettings(const HistorySettings &settings, tlx::ProfileStore &store);
    // To be called after every change of the entries; the watching window, if
    // any, is told with tlx::kPickerSourceChanged.
    void Changed();
    void Watch(HWND window) { watcher_ = window; }
    // Hands a pending change to the saver now.
    void SaveNow();

private:
    static void CALLBACK OnSaveTimer(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK OnReadTimer(HWND, UINT, UINT_PTR, DWORD);
    void Take(LoadedHistory loaded);
    static void CALLBACK OnRetentionTimer(HWND, UINT, UINT_PTR, DWORD);
    // In history_upkeep.cpp: the retention applied now and armed for each day after, the
    // lock watch on or off; the file moved.
    void ApplyPolicies();
    void RemoveExpired();
    void ClearOnLock();
    // The history written to the other folder, then the old file removed.
    bool MoveTo(const PluginFiles &files);

    PluginFiles files_;
    HistorySettings settings_;
    History history_;
    HistoryCipher cipher_;   // used by the saver's thread while it writes
    tlx::FileSaver saver_{"履歴"};
    SessionLockWatch lockWatch_;
    HWND watcher_ = nullptr;
    UINT_PTR saveTimer_ = 0;
    UINT_PTR retentionTimer_ = 0;
    UINT_PTR readTimer_ = 0;    // while the file waits to be read
    UINT readPauseMs_ = 0;
    bool dirty_ = false;
    bool unread_ = false;   // the file is there but not read yet
};

HistoryKeeper &Keeper();

}  // namespace tlxhistory
