#include "phrase_library.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "file_bytes.h"
#include "held_file.h"
#include "module_folder.h"
#include "phrase_file.h"
#include "phrase_files.h"
#include "plugin_clipboard.h"
#include "profile_file.h"

namespace tlxsnippet {

namespace {

constexpr wchar_t kWindowClass[] = L"tlxSnippetLibrary";
constexpr UINT kFolderChanged = WM_APP + 1;
constexpr UINT kTell = WM_APP + 2;
constexpr UINT_PTR kRetryTimer = 1;
// A folder's change is read at once; a file held meanwhile gets this long first.
constexpr DWORD kChangePatienceMs = 200;
constexpr UINT kFirstRetryMs = 1000;
constexpr UINT kLongestRetryMs = 60000;
constexpr const char *kTakenOverKey = "TakenOver";

// This PC's name as Windows gives it; the tests name another through the environment.
std::u16string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 64] = {};
    DWORD length = ARRAYSIZE(name);
    if (GetEnvironmentVariableW(L"PORTERICA_TEST_COMPUTER_NAME", name, length) == 0 && !GetComputerNameW(name, &length))
        name[0] = L'\0';
    return ComputerId(reinterpret_cast<const char16_t *>(name));
}

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    return folder;
}

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Seconds since 1970 (UTC).
int64_t Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const uint64_t ticks = (uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<int64_t>((ticks - 116444736000000000ull) / 10000000ull);
}

uint64_t HashOf(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    return hash;
}

// The files of a folder matching a pattern, by name (code page 932), with size and time.
template <typename Each>
void ForFiles(const std::string &folder, const char *pattern, Each each) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            each(std::string(found.cFileName), (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow,
                 (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The file `path` is about to replace, copied into the backups; the computer's oldest beyond
// the last ones go. On the saver's thread.
void KeepBackup(const std::string &path, const std::string &folder, const std::u16string &computer) {
    if (!tlx::FileExists(path) || !tlx::EnsureFolder(folder)) return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
                  now.wSecond);
    const std::u16string name = BackupFileName(computer, tlx::WidenAnsi(stamp));
    CopyFileA(path.c_str(), (folder + tlx::NarrowToAnsi(name)).c_str(), FALSE);
    std::vector<std::u16string> names;
    ForFiles(folder, "*.txt", [&](const std::string &file, uint64_t, uint64_t) { names.push_back(tlx::WidenAnsi(file)); });
    for (const std::u16string &old : BackupsToRemove(names, computer)) DeleteFileA((folder + tlx::NarrowToAnsi(old)).c_str());
}

void TellUnreadable(const std::string &path, const std::string &why) {
    tlx::TellOnce("phrases " + path, "定型文を読めません", "「" + path + "」" + why);
}

}  // namespace

PhraseLibrary::~PhraseLibrary() { Close(); }

void PhraseLibrary::Places(const SnippetOptions &options) {
    const std::string plugin = tlx::PluginFolderOf(tlx::OwnModule());
    bookPath_ = plugin + tlx::NarrowToAnsi(kBookFileName);
    chosenFolder_ = !options.phraseFolder.empty();
    folders_[kOwn] = {WithBackslash(chosenFolder_ ? options.phraseFolder : plugin), {}, true};
    folders_[kTeam] = {WithBackslash(options.teamFolder), {}, true};
    backupFolder_ = options.backupFolder.empty() ? folders_[kOwn].path + "バックアップ\\" : WithBackslash(options.backupFolder);
    shareCounts_ = options.shareCounts;
    takenOver_ = tlx::PluginSettingsFile()->ReadText("Main", kTakenOverKey, "");
}

void PhraseLibrary::Open(const SnippetOptions &options) {
    if (!window_) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &PhraseLibrary::WindowProc;
        windowClass.hInstance = tlx::OwnModule();
        windowClass.lpszClassName = kWindowClass;
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, tlx::OwnModule(), this);
    }
    computer_ = ComputerName();
    ownName_ = tlx::NarrowToAnsi(OwnFileName(computer_));
    ReadFolders(options, false);
}

void PhraseLibrary::Reopen(const SnippetOptions &options) {
    PhraseState carried = std::move(state_);
    watch_.Stop();
    ReadFolders(options, true);
    state_.Absorb(carried);
    Rebuild();
    Save(false);
    Changed(false);
}

void PhraseLibrary::ReadFolders(const SnippetOptions &options, bool makeFolder) {
    Places(options);
    if (makeFolder && chosenFolder_) tlx::EnsureFolder(folders_[kOwn].path);
    state_ = {};
    teamState_ = {};
    block_ = 0;
    othersBlocks_.clear();
    ownUnread_ = savePending_ = false;
    Read(tlx::kHeldPatienceMs);
}

void PhraseLibrary::Close() {
    watch_.Stop();
    saver_.Stop();
    // Its file unread or its folder out of reach until the end.
    if (std::exchange(savePending_, false)) tlx::TellNotSaved("定型文", folders_[kOwn].path + ownName_);
    if (window_) {
        DestroyWindow(window_);
        UnregisterClassW(kWindowClass, tlx::OwnModule());
    }
    window_ = nullptr;
}

void PhraseLibrary::Read(DWORD patienceMs) {
    Scan(kOwn, patienceMs);
    const bool tookOver = TakeOverBook(patienceMs);
    Scan(kTeam, patienceMs);
    Rebuild();
    if (tookOver) Save(false);
    Watch();
    if (waiting_) WaitAndRetry();
}

void PhraseLibrary::Watch() { watch_.Start(window_, kFolderChanged, {folders_[kOwn].path, folders_[kTeam].path}); }

bool PhraseLibrary::Scan(Which which, DWORD patienceMs) {
    Folder &folder = folders_[which];
    if (folder.path.empty()) return false;
    if (!IsFolder(folder.path)) {
        if (which == kOwn && !chosenFolder_) return false;   // the plug-in's folder, before its first phrase
        if (folder.reachable)
            tlx::TellOnce("phrase folder " + folder.path, which == kOwn ? "定型文のフォルダがありません" : "チームの定型文に接続できません",
                          "「" + folder.path + "」に接続できません。" +
                              (which == kOwn ? "接続できるまで、定型文は保存しません。" : "自分の定型文はそのまま使えます。"));
        folder.reachable = false;
        if (which == kOwn) ownUnread_ = true;
        waiting_ = true;
        return false;
    }
    folder.reachable = true;
    if (which == kOwn) ownUnread_ = false;
    bool changed = false;
    std::map<std::string, Stamp> present;
    ForFiles(folder.path, "Phrases-*.txt", [&](const std::string &name, uint64_t size, uint64_t written) {
        const std::u16string wide = tlx::WidenAnsi(name);
        if (!IsPhraseFileName(wide)) return;
        // A file goes into `present` once what it holds is taken in (or refused for good):
        // one held now is read at the next look.
        const Stamp stamp{size, written};
        const auto seen = folder.seen.find(name);
        if (seen != folder.seen.end() && seen->second == stamp) {
            present.emplace(name, stamp);
            return;
        }
        const bool mine = which == kOwn && lstrcmpiA(name.c_str(), ownName_.c_str()) == 0;
        const std::string path = folder.path + name;
        const tlx::FileRead read = tlx::ReadWhenFree(path, patienceMs);
        if (read.outcome == tlx::FileRead::Outcome::kMissing) return;
        if (read.outcome == tlx::FileRead::Outcome::kHeld) {
            waiting_ = true;
            if (mine) {
                ownUnread_ = true;
                TellUnreadable(path, "をほかのプログラムが使用中のため読めません。読めるようになるまで、定型文は保存しません。");
            }
            return;
        }
        if (mine && written_->load() && HashOf(read.bytes) == written_->load()) {   // what this PC wrote last
            present.emplace(name, stamp);
            return;
        }
        PhraseFile file = ReadPhrases(read.bytes, computer_);
        if (file.outcome != PhraseFile::Outcome::kRead) {
            // Only this PC's own file is set aside: another PC's is its writer's, and
            // renaming it would travel to every PC.
            if (mine && !tlx::SetAsideDamaged(path)) {
                ownUnread_ = true;   // where it cannot go, nothing replaces it
                TellUnreadable(path, "は壊れているため読めません。このファイルには保存しません。");
                return;
            }
            present.emplace(name, stamp);
            TellUnreadable(path, file.outcome == PhraseFile::Outcome::kNewer
                                     ? "は新しい版のポルテリカのファイルのため読めません。"
                                     : "は壊れているため読めません。");
            return;
        }
        present.emplace(name, stamp);
        const std::u16string writer = file.writer;
        (which == kOwn ? state_ : teamState_).Absorb(std::move(file.state));
        changed = true;
        if (which != kOwn) return;
        if (mine) {
            if (file.block > 0) block_ = file.block;
        } else if (writer == computer_ && IsCopyOf(wide, OwnFileName(computer_))) {
            if (std::find(copies_.begin(), copies_.end(), path) == copies_.end()) copies_.push_back(path);
        } else if (file.block > 0) {
            othersBlocks_.insert(file.block);
        }
    });
    folder.seen = std::move(present);
    return changed;
}

bool PhraseLibrary::TakeOverBook(DWORD patienceMs) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(bookPath_.c_str(), GetFileExInfoStandard, &data)) return false;
    const std::string stamp = std::to_string((uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow) + ":" +
                              std::to_string((uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime);
    if (takenOver_ == stamp) return false;
    const tlx::FileRead read = tlx::ReadWhenFree(bookPath_, patienceMs);
    if (read.outcome == tlx::FileRead::Outcome::kHeld) waiting_ = true;
    if (read.outcome != tlx::FileRead::Outcome::kRead) return false;
    const PhraseFile file = ReadPhrases(read.bytes, computer_);
    bool took = false;
    if (file.outcome == PhraseFile::Outcome::kRead) {
        state_.Absorb(file.state);
        took = true;
    } else if (!tlx::SetAsideDamaged(bookPath_)) {
        return false;
    } else {
        TellUnreadable(bookPath_, file.outcome == PhraseFile::Outcome::kNewer
                                      ? "は新しい版のポルテリカのファイルのため読めません。名前を変えて残しました。"
                                      : "は壊れているため読めません。名前を変えて残しました。");
    }
    tlx::PluginSettingsFile()->WriteText("Main", kTakenOverKey, stamp);
    takenOver_ = stamp;
    return took;
}

void PhraseLibrary::Refresh(WPARAM folders, DWORD patienceMs) {
    waiting_ = false;
    bool changed = false;
    const bool unreachable = !folders_[kOwn].reachable || !folders_[kTeam].reachable;
    if (folders & (WPARAM(1) << kOwn)) changed |= Scan(kOwn, patienceMs);
    if (folders & (WPARAM(1) << kTeam)) changed |= Scan(kTeam, patienceMs);
    changed |= TakeOverBook(patienceMs);
    // A folder back in reach is watched from now on.
    if (unreachable && folders_[kOwn].reachable && folders_[kTeam].reachable) Watch();
    if (changed) {
        Rebuild();
        Changed(true);
    }
    if (savePending_ && !ownUnread_) Save(false);
    if (waiting_) WaitAndRetry();
    else retryMs_ = 0;
}

void PhraseLibrary::WaitAndRetry() {
    retryMs_ = retryMs_ ? std::min(retryMs_ * 2, kLongestRetryMs) : kFirstRetryMs;
    SetTimer(window_, kRetryTimer, retryMs_, nullptr);
}

void PhraseLibrary::Rebuild() {
    block_ = BlockWithRoom(state_, computer_, block_, othersBlocks_);
    own_ = ViewOf(state_, state_.Counts(), {computer_, shareCounts_, BlockNumbers(block_)});
    team_ = TeamViewOf(teamState_, state_.Counts(), {computer_, shareCounts_, {}});
    // Without the team's, the user's phrases are all (no copy of a large book).
    all_ = team_.Phrases().empty() ? PhraseBook() : Together(own_, team_);
    settings_ = PhraseSettings(All());
}

void PhraseLibrary::Change(const PhraseState &base, const PhraseBook &before, const PhraseBook &after) {
    const PhraseState changes = Changes(base, before, after, computer_, Now());
    if (changes.Empty()) return;
    state_.Absorb(changes);
    Rebuild();
    Save(true);
    Changed(false);
}

void PhraseLibrary::Changed(bool arrived) {
    if (shown_) shown_();
    // What arrived shows in the picker first; the host reading every name again can wait.
    if (!arrived) {
        if (told_) told_();
    } else if (!PostMessageW(window_, kTell, 0, 0) && told_) {
        told_();
    }
}

void PhraseLibrary::CountPaste(int32_t number) {
    const int32_t count = state_.CountOf(number, computer_);
    state_.Count(number, computer_, count < INT32_MAX ? count + 1 : count);
    for (PhraseBook *book : {&own_, &team_, &all_})
        if (Phrase *phrase = book->Find(number)) ++phrase->pastes;   // all_ is empty without the team's
    Save(false);
}

void PhraseLibrary::Save(bool backup) {
    if (ownUnread_ || !folders_[kOwn].reachable) {
        savePending_ = true;
        return;
    }
    savePending_ = false;
    const std::string path = folders_[kOwn].path + ownName_;
    std::string backupTo = backup ? backupFolder_ : std::string();
    saver_.Save(
        path,
        [state = state_, computer = computer_, block = block_, written = written_, path, backupTo] {
            if (!backupTo.empty()) KeepBackup(path, backupTo, computer);
            std::string bytes = WritePhrases(state, computer, block);
            written->store(HashOf(bytes));
            return bytes;
        },
        // What the copies held is in the file now.
        [copies = std::move(copies_)] {
            for (const std::string &copy : copies) DeleteFileA(copy.c_str());
        });
    copies_.clear();
}

std::vector<PhraseBackup> PhraseLibrary::Backups() const {
    std::vector<PhraseBackup> backups;
    ForFiles(backupFolder_, "*.txt", [&](const std::string &name, uint64_t, uint64_t) {
        if (const std::optional<BackupName> backup = ParseBackupName(tlx::WidenAnsi(name)))
            backups.push_back({backupFolder_ + name, backup->computer, backup->stamp});
    });
    std::sort(backups.begin(), backups.end(), [](const PhraseBackup &a, const PhraseBackup &b) { return a.stamp > b.stamp; });
    return backups;
}

std::optional<PhraseBook> PhraseLibrary::ReadBackup(const PhraseBackup &backup) const {
    const tlx::FileRead read = tlx::ReadWhenFree(backup.path);
    if (read.outcome != tlx::FileRead::Outcome::kRead) return std::nullopt;
    const PhraseFile file = ReadPhrases(read.bytes, computer_);
    if (file.outcome != PhraseFile::Outcome::kRead) return std::nullopt;
    return ViewOf(file.state, file.state.Counts(), {computer_, shareCounts_, BlockNumbers(block_)});
}

LRESULT CALLBACK PhraseLibrary::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *library = reinterpret_cast<PhraseLibrary *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (library && message == kFolderChanged) {
        library->Refresh(wParam, kChangePatienceMs);
        return 0;
    }
    if (library && message == kTell) {
        if (library->told_) library->told_();
        return 0;
    }
    if (library && message == WM_TIMER && wParam == kRetryTimer) {
        KillTimer(window, kRetryTimer);
        library->Refresh(~WPARAM(0), 0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tlxsnippet
