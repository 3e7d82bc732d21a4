#include "file_saver.h"

#include <map>

#include "file_bytes.h"
#include "held_file.h"
#include "host_services.h"
#include "module_folder.h"

namespace tlx {

namespace {
constexpr DWORD kRetryMs = 1000;
constexpr DWORD kTellAfterMs = 5000;
constexpr DWORD kLastTryMs = 2000;
constexpr DWORD kLastTryPauseMs = 200;

std::string FolderOf(const std::string &path) { return path.substr(0, path.find_last_of('\\') + 1); }

// The savers watching, by their timers; only the program's thread touches it. Never
// destroyed: a saver kept in a static of the module may be destroyed after it.
std::map<UINT_PTR, FileSaver *> &Watching() {
    static auto *savers = new std::map<UINT_PTR, FileSaver *>;
    return *savers;
}

// Holds the saver's lock for a scope.
class Locked {
public:
    explicit Locked(SRWLOCK &lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;

private:
    SRWLOCK &lock_;
};
}  // namespace

FileSaver::~FileSaver() { StopWatching(); }

void FileSaver::StopWatching() {
    if (!watch_) return;
    KillTimer(nullptr, watch_);
    Watching().erase(watch_);
    watch_ = 0;
}

void FileSaver::Save(const std::string &path, std::function<std::optional<std::string>()> bytes, std::function<void()> written) {
    if (!watch_ && (watch_ = SetTimer(nullptr, 0, kRetryMs, &FileSaver::OnWatch))) Watching()[watch_] = this;
    Locked locked(lock_);
    pending_ = Job{path, std::move(bytes), std::move(written)};
    if (!thread_) {
        stopping_ = false;
        thread_ = CreateThread(nullptr, 0, &FileSaver::ThreadMain, this, 0, nullptr);
    }
    if (thread_) {
        WakeConditionVariable(&work_);
        return;
    }
    // Without a thread the file is still written, here, rather than not at all.
    Job job = std::move(*pending_);
    pending_.reset();
    Write(job);
}

void FileSaver::Cancel() {
    Locked locked(lock_);
    while (writing_) SleepConditionVariableSRW(&idle_, &lock_, INFINITE, 0);
    // After the write in progress: one that failed has put itself back to be tried again.
    // What was cancelled is no failure to tell of.
    pending_.reset();
    failing_.clear();
    told_ = false;
}

void FileSaver::Stop() {
    // Its timer calls into this module, which may be unloaded next.
    StopWatching();
    {
        Locked locked(lock_);
        if (!thread_) return;
        stopping_ = true;
        stoppedAt_ = GetTickCount();
        WakeConditionVariable(&work_);
    }
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    if (!failing_.empty()) TellNotSaved(what_, failing_);
}

DWORD WINAPI FileSaver::ThreadMain(void *self) {
    static_cast<FileSaver *>(self)->Run();
    return 0;
}

bool FileSaver::Write(const Job &job) {
    const std::optional<std::string> bytes = job.bytes();
    if (!bytes) return true;
    if (!EnsureFolder(FolderOf(job.path)) || !ReplaceFileBytes(job.path, *bytes)) return false;
    if (job.written) job.written();
    return true;
}

void FileSaver::Run() {
    Locked locked(lock_);
    for (;;) {
        while (!pending_ && !stopping_) SleepConditionVariableSRW(&work_, &lock_, INFINITE, 0);
        if (!pending_) return;   // stopping with nothing left to write
        Job job = std::move(*pending_);
        pending_.reset();
        writing_ = true;
        ReleaseSRWLockExclusive(&lock_);
        const bool written = Write(job);
        AcquireSRWLockExclusive(&lock_);
        writing_ = false;
        WakeAllConditionVariable(&idle_);
        if (written) {
            failing_.clear();
            told_ = false;
            continue;
        }
        if (failing_.empty()) failingSince_ = GetTickCount();
        failing_ = job.path;
        if (stopping_ && GetTickCount() - stoppedAt_ >= kLastTryMs) return;
        if (!pending_) pending_ = std::move(job);
        SleepConditionVariableSRW(&work_, &lock_, stopping_ ? kLastTryPauseMs : kRetryMs, 0);
    }
}

void CALLBACK FileSaver::OnWatch(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto saver = Watching().find(timer);
    if (saver == Watching().end()) KillTimer(nullptr, timer);
    else saver->second->Watch();
}

void FileSaver::Watch() {
    std::string tell;
    {
        Locked locked(lock_);
        if (!failing_.empty() && !told_ && GetTickCount() - failingSince_ >= kTellAfterMs) {
            told_ = true;
            tell = failing_;
        }
        if (failing_.empty() && !pending_ && !writing_) {
            StopWatching();
        }
    }
    if (tell.empty()) return;
    const std::string text = "「" + tell + "」に書き込めません。書き込めるようになるまで保存を続けます。";
    ShowHostNotice((what_ + "を保存できません").c_str(), text.c_str(), true);
}

}  // namespace tlx
