#include "unix_proc.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <vector>

namespace ptrbench {

namespace {

std::string Lower(std::string text) {
    for (char &c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::vector<std::string> Entries(const std::string &dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        if (fd.cFileName[0] >= '0' && fd.cFileName[0] <= '9') names.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return names;
}

uint64_t StatusField(const std::string &status, const std::string &name) {
    const size_t at = status.find("\n" + name + ":");
    return at == std::string::npos ? 0 : std::strtoull(status.c_str() + at + name.size() + 2, nullptr, 10);
}

}  // namespace

std::string ReadProcFile(const std::string &relativePath) {
    std::string path = "Z:\\proc\\" + relativePath;
    for (char &c : path)
        if (c == '/') c = '\\';
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got) out.append(buffer, got);
    CloseHandle(h);
    return out;
}

int FindUnixProcess(const std::string &needle, const std::string &without) {
    const std::string want = Lower(needle), avoid = Lower(without);
    for (const std::string &pid : Entries("Z:\\proc\\")) {
        std::string cmdline = ReadProcFile(pid + "\\cmdline");
        for (char &c : cmdline)
            if (c == '\0') c = ' ';
        cmdline = Lower(cmdline);
        if (cmdline.find(want) == std::string::npos) continue;
        if (!avoid.empty() && cmdline.find(avoid) != std::string::npos) continue;
        return std::atoi(pid.c_str());
    }
    return 0;
}

UnixSample SampleUnixProcess(int pid) {
    UnixSample s;
    if (pid <= 0) return s;
    const std::string base = std::to_string(pid) + "\\";
    const std::string status = "\n" + ReadProcFile(base + "status");
    s.rssKb = StatusField(status, "VmRSS");
    s.rssAnonKb = StatusField(status, "RssAnon");
    for (const std::string &tid : Entries("Z:\\proc\\" + base + "task\\")) {
        const std::string task = base + "task\\" + tid + "\\";
        const std::string taskStatus = "\n" + ReadProcFile(task + "status");
        if (taskStatus.size() < 2) continue;
        ++s.threads;
        s.voluntary += StatusField(taskStatus, "voluntary_ctxt_switches");
        s.involuntary += StatusField(taskStatus, "nonvoluntary_ctxt_switches");
        std::istringstream sched(ReadProcFile(task + "schedstat"));
        uint64_t onCpu = 0, waiting = 0, slices = 0;
        sched >> onCpu >> waiting >> slices;
        s.cpuNs += onCpu;
        s.slices += slices;
    }
    s.ok = s.threads > 0;
    return s;
}

}  // namespace ptrbench
