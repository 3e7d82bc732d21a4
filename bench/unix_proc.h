// What Linux knows about the processes Wine runs, read from /proc through Wine's Z:
// drive. Wine runs each Windows process as one Linux process; its threads are the
// Linux threads under /proc/<pid>/task.
#pragma once
#include <cstdint>
#include <string>

namespace ptrbench {

struct UnixSample {
    bool ok = false;
    int threads = 0;
    uint64_t cpuNs = 0;          // time on a processor, all threads (schedstat)
    uint64_t slices = 0;         // times a thread was put on a processor (schedstat)
    uint64_t voluntary = 0;      // a thread went to sleep waiting for something: wake-ups
    uint64_t involuntary = 0;    // a thread was preempted
    uint64_t rssKb = 0;          // resident memory
    uint64_t rssAnonKb = 0;      // resident memory that is the process's own (heap, stacks)
};

// The Linux process whose command line contains `needle` (case-insensitively) and none
// of `without`; 0 when there is none.
int FindUnixProcess(const std::string &needle, const std::string &without = "");
UnixSample SampleUnixProcess(int pid);

// A whole text file of /proc ("" when it cannot be read).
std::string ReadProcFile(const std::string &relativePath);

}  // namespace ptrbench
