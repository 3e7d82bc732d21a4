#include "file_saver.h"

#include "file_bytes.h"
#include "module_folder.h"

namespace tlx {

namespace {
constexpr DWORD kRetryMs = 1000;

std::string FolderOf(const std::string &path) { return path.substr(0, path.find_last_of('\\') + 1); }

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

void FileSaver::Save(const std::string &path, std::function<std::optional<std::string>()> bytes) {
    Locked locked(lock_);
    pending_ = Job{path, std::move(bytes)};
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
    pending_.reset();
    while (writing_) SleepConditionVariableSRW(&idle_, &lock_, INFINITE, 0);
}

void FileSaver::Stop() {
    {
        Locked locked(lock_);
        if (!thread_) return;
        stopping_ = true;
        WakeConditionVariable(&work_);
    }
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
}

bool FileSaver::Write(const Job &job) {
    const std::optional<std::string> bytes = job.bytes();
    return !bytes || (EnsureFolder(FolderOf(job.path)) && ReplaceFileBytes(job.path, *bytes));
}

DWORD WINAPI FileSaver::ThreadMain(void *self) {
    static_cast<FileSaver *>(self)->Run();
    return 0;
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
        if (!written && !pending_ && !stopping_) {
            pending_ = std::move(job);
            SleepConditionVariableSRW(&work_, &lock_, kRetryMs, 0);
        }
    }
}

}  // namespace tlx
