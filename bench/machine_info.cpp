#include "machine_info.h"

#include <windows.h>

#include "unix_proc.h"

namespace ptrbench {

namespace {

std::string CpuModel() {
    const std::string cpuinfo = ReadProcFile("cpuinfo");
    const size_t at = cpuinfo.find("model name");
    if (at == std::string::npos) return "unknown";
    const size_t colon = cpuinfo.find(':', at);
    const size_t end = cpuinfo.find('\n', at);
    if (colon == std::string::npos || colon > end) return "unknown";
    return cpuinfo.substr(colon + 2, end - colon - 2);
}

std::string WineVersion() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    using VersionProc = const char *(CDECL *)(void);
    using HostProc = void(CDECL *)(const char **, const char **);
    auto version = reinterpret_cast<VersionProc>(reinterpret_cast<void *>(GetProcAddress(ntdll, "wine_get_version")));
    auto host = reinterpret_cast<HostProc>(reinterpret_cast<void *>(GetProcAddress(ntdll, "wine_get_host_version")));
    std::string text = version ? std::string("Wine ") + version() : std::string("not Wine");
    if (host) {
        const char *sysname = nullptr, *release = nullptr;
        host(&sysname, &release);
        if (sysname && release) text += std::string(" on ") + sysname + " " + release;
    }
    return text;
}

}  // namespace

std::string MachineDescription() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    MEMORYSTATUSEX memory = {};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    return "CPU: " + CpuModel() + ", " + std::to_string(info.dwNumberOfProcessors) + " cores, " +
           std::to_string(memory.ullTotalPhys >> 20) + " MiB memory\n" + WineVersion();
}

std::string LoadAverage() {
    const std::string text = ReadProcFile("loadavg");
    size_t end = 0;
    for (int fields = 0; fields < 3 && end != std::string::npos; ++fields) end = text.find(' ', end + 1);
    return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace ptrbench
