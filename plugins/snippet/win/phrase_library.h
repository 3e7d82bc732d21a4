// The phrases of the user and of their team, from folders that sync clients may share
// between PCs (phrase_files.h, phrase_state.h). This PC writes only its own file, after
// each change (on a saver thread; the file it replaces kept among the last backups),
// and reads every PC's: at start, and again whenever a folder changes while the
// program runs. The team's folder is read the same way and never written; a team
// folder out of reach leaves the user's phrases as they are. The one book of before,
// Phrases.txt of the plug-in's folder, is taken over when it is new, and left as it is.
//
// A file someone else holds is read again a little later. This PC's own file is never
// written over before it was read: until then the plug-in works on, and saves once it
// has read it. The user is told once of each file that could not be read.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "file_saver.h"
#include "folder_watch.h"
#include "phrase_files.h"
#include "phrase_state.h"
#include "plugin_records.h"
#include "snippet_options.h"

namespace tlxsnippet {

class PhraseLibrary {
public:
    PhraseLibrary() = default;
    ~PhraseLibrary();
    PhraseLibrary(const PhraseLibrary &) = delete;
    PhraseLibrary &operator=(const PhraseLibrary &) = delete;

    // Reads the folders the options name and watches them; from the program's thread.
    void Open(const SnippetOptions &options);
    // Other folders: this PC's phrases go along into the new one.
    void Reopen(const SnippetOptions &options);
    // Writes what is pending (saying so when it cannot) and stops watching.
    void Close();

    // The user's phrases, with the texts kept beside others after conflicts.
    const PhraseBook &Own() const { return own_; }
    const PhraseBook &Team() const { return team_; }
    // Both: what the picker and the function selection offer.
    const PhraseBook &All() const { return team_.Phrases().empty() ? own_ : all_; }
    const PhraseSettings &Settings() const { return settings_; }
    // What Own() shows, to hand to Change with it.
    const PhraseState &State() const { return state_; }

    // The user changed `before` (a view of `base`) into `after`.
    void Change(const PhraseState &base, const PhraseBook &before, const PhraseBook &after);
    // A phrase (the user's or the team's) was pasted and counted a {連番}.
    void CountPaste(int32_t number);

    // The backups of every PC, newest first.
    std::vector<PhraseBackup> Backups() const;
    // What a backup holds, as the user's phrases would show it; nothing when it cannot be read.
    std::optional<PhraseBook> ReadBackup(const PhraseBackup &backup) const;

    // Run after the books changed (not after a count): `shown` at once, `told` at once
    // after a change of the user's and, after one that arrived in a folder, once what
    // `shown` posted (the picker's refresh) has been handled.
    void OnChange(std::function<void()> shown, std::function<void()> told) {
        shown_ = std::move(shown);
        told_ = std::move(told);
    }

private:
    struct Stamp {
        uint64_t size = 0;
        uint64_t written = 0;
        bool operator==(const Stamp &) const = default;
    };
    struct Folder {
        std::string path;                    // ends in a backslash; empty: none
        std::map<std::string, Stamp> seen;   // the files read, as they were then
        bool reachable = true;
    };
    enum Which : size_t { kOwn = 0, kTeam = 1 };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Places(const SnippetOptions &options);
    // Everything of the folders the options name read afresh; the user's folder made
    // first when `makeFolder` (the user has just chosen it).
    void ReadFolders(const SnippetOptions &options, bool makeFolder);
    void Read(DWORD patienceMs);
    bool Scan(Which which, DWORD patienceMs);
    bool TakeOverBook(DWORD patienceMs);
    void Watch();
    void Refresh(WPARAM folders, DWORD patienceMs);
    void Rebuild();
    void Changed(bool arrived);
    void Save(bool backup);
    void WaitAndRetry();

    HWND window_ = nullptr;
    FolderWatch watch_;
    Folder folders_[2];
    bool chosenFolder_ = false;   // the user named the folder: one missing is out of reach
    std::string bookPath_;        // the one book of before
    std::string takenOver_;       // its size and time when it was taken over last
    std::string backupFolder_;
    std::u16string computer_;
    std::string ownName_;         // this PC's file
    int block_ = 0;
    std::set<int> othersBlocks_;
    bool shareCounts_ = false;

    PhraseState state_, teamState_;
    PhraseBook own_, team_, all_;
    PhraseSettings settings_;

    bool ownUnread_ = false;      // this PC's file is there but not read: never written over
    bool savePending_ = false;    // a change waits for that
    bool waiting_ = false;        // a file or folder waits to be read
    UINT retryMs_ = 0;
    std::vector<std::string> copies_;   // copies a sync client made of this PC's file, to go once written
    std::shared_ptr<std::atomic<uint64_t>> written_ = std::make_shared<std::atomic<uint64_t>>(0);
    tlx::FileSaver saver_{"定型文"};
    std::function<void()> shown_, told_;
};

}  // namespace tlxsnippet
