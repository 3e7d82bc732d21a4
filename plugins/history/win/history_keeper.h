// The history of this run with its settings and its file. A change is handed to
// the saver a moment later from a timer of the calling thread, so that a burst of
// copies is written once; what is pending is written when the plug-in quits. A file
// that could not be read at start (someone else held it) is read again later, with
// growing pauses, and nothing is saved over it meanwhile; once read, its entries come
// behind those of this run.
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
    // To be called after the history window put an entry on the clipboard; until the
    // clipboard changes again, PastedByHistory says so. 連続貼り付け, which watches the
    // clipboard itself, leaves such an entry out of its queue (the paste it is there
    // for would take the queue's item instead); recording needs no such check, as the
    // host leaves a change made while one of its functions runs alone.
    void HistoryPasted() { pasted_ = GetClipboardSequenceNumber(); }
    bool PastedByHistory() const { return pasted_ != 0 && pasted_ == GetClipboardSequenceNumber(); }

private:
    static void CALLBACK OnSaveTimer(HWND, UINT, UINT_PTR, DWORD);
    static void CALLBACK OnReadTimer(HWND, UINT, UINT_PTR, DWORD);
    void Take(LoadedHistory loaded);

    PluginFiles files_;
    HistorySettings settings_;
    History history_;
    tlx::FileSaver saver_{"履歴"};
    HWND watcher_ = nullptr;
    UINT_PTR saveTimer_ = 0;
    UINT_PTR readTimer_ = 0;    // while the file waits to be read
    UINT readPauseMs_ = 0;
    DWORD pasted_ = 0;   // the clipboard's sequence number after the history's paste; 0: none
    bool dirty_ = false;
    bool unread_ = false;   // the file is there but not read yet
};

HistoryKeeper &Keeper();

}  // namespace tlxhistory
