// The history of this run with its settings and its file. A change is handed to
// the saver a moment later from a timer of the calling thread, so that a burst of
// copies is written once; what is pending is written when the plug-in quits.
#pragma once
#include <windows.h>

#include "history.h"
#include "file_saver.h"
#include "history_settings.h"
#include "history_store.h"

namespace tlxhistory {

class HistoryKeeper {
public:
    // Reads the settings from store and the saved history, when it is kept.
    void Start(tlx::ProfileStore &store);
    void Stop();

    History &Entries() { return history_; }
    const HistorySettings &Settings() const { return settings_; }
    const PluginFiles &Files() const { return files_; }

    // Writes the settings to store, applies the limits, and writes or removes the
    // file as keeping after exit was turned on or off.
    void ApplySettings(const HistorySettings &settings, tlx::ProfileStore &store);
    // To be called after every change of the entries; the watching window, if
    // any, is told with tlx::kPickerSourceChanged.
    void Changed();
    void Watch(HWND window) { watcher_ = window; }
    // Hands a pending change to the saver now.
    void SaveNow();

private:
    static void CALLBACK OnSaveTimer(HWND, UINT, UINT_PTR, DWORD);

    PluginFiles files_;
    HistorySettings settings_;
    History history_;
    tlx::FileSaver saver_;
    HWND watcher_ = nullptr;
    UINT_PTR saveTimer_ = 0;
    bool dirty_ = false;
};

HistoryKeeper &Keeper();

}  // namespace tlxhistory
