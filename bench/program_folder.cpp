#include "program_folder.h"

#include "pump.h"

namespace ptrbench {

namespace {

HANDLE StartProcess(const std::string &commandLine, const std::string &folder, DWORD *id) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::string cmd = commandLine;
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    if (id) *id = pi.dwProcessId;
    return pi.hProcess;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindHostWindow(HWND window, LPARAM param) {
    auto *search = reinterpret_cast<WindowSearch *>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[64] = {};
    if (pid == search->processId && GetClassNameA(window, cls, sizeof cls) && !lstrcmpA(cls, "KXDLL_HostWindow")) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool WriteFileBytes(const std::string &path, const std::string &bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(h);
    return ok && put == bytes.size();
}

std::string ReadFileBytes(const std::string &path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

namespace {

std::string &ReleaseFolder() {
    static std::string dir;
    return dir;
}

}  // namespace

std::string AsFolder(std::string dir) {
    for (char &c : dir)
        if (c == '/') c = '\\';
    if (dir.empty() || dir.back() != '\\') dir += '\\';
    return dir;
}

void UseReleaseFolder(const std::string &dir) { ReleaseFolder() = AsFolder(dir); }

std::string BuiltDistDir() {
    return ReleaseFolder().empty() ? AsFolder("Z:" PTR_DIST_DIR) : ReleaseFolder();
}

std::string NewTempFolder(const std::string &prefix) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    static unsigned counter = 0;
    // Process ids repeat in other Wine prefixes on the same machine, whose programs the
    // Linux side lists by path too: the start time keeps the name this run's own.
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    for (;;) {
        const std::string path = std::string(base) + prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                                 std::to_string(now.QuadPart) + "-" + std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
    }
}

void RemoveTree(const std::string &dir) {
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..") continue;
            const std::string full = dir + name;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(full + "\\");
            } else {
                SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(full.c_str());
            }
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(dir.c_str());
}

ProgramFolder::ProgramFolder(const std::string &distDir) : dist_(distDir), path_(NewTempFolder("ptrbench")) {
    for (const char *file : {"ptrmain.exe", "KXDLL.dll", "CF_Type.ini"})
        CopyFileA((dist_ + file).c_str(), (path_ + file).c_str(), FALSE);
    CreateDirectoryA((path_ + "Plugins").c_str(), nullptr);
    CreateDirectoryA((path_ + "MenuData").c_str(), nullptr);
}

ProgramFolder::~ProgramFolder() {
    Stop();
    if (kxdll_) FreeLibrary(kxdll_);
    RemoveTree(path_);
}

bool ProgramFolder::AddPlugin(const std::string &source, const std::string &name) const {
    return CopyFileA(source.c_str(), (path_ + "Plugins\\" + name).c_str(), FALSE) != 0;
}

bool ProgramFolder::AddReleasePlugin(const std::string &name) const {
    return AddPlugin(dist_ + "Plugins\\" + name, name);
}

void ProgramFolder::WriteSettings(const std::string &text) const { WriteFileBytes(path_ + "Setting.ini", text); }

void ProgramFolder::WriteMenu(const std::string &name, const std::string &text) const {
    WriteFileBytes(path_ + "MenuData\\" + name, text);
}

void ProgramFolder::RemoveSettings() const { DeleteFileA((path_ + "Setting.ini").c_str()); }

bool ProgramFolder::Start() {
    Stop();
    process_ = StartProcess("\"" + path_ + "ptrmain.exe\"", path_, &processId_);
    return process_ != nullptr;
}

bool ProgramFolder::Running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HANDLE ProgramFolder::Run(const std::string &arguments) const {
    return StartProcess("\"" + path_ + "ptrmain.exe\" " + arguments, path_, nullptr);
}

HWND ProgramFolder::HostWindow() const {
    if (!processId_) return nullptr;
    WindowSearch search{processId_, nullptr};
    EnumWindows(FindHostWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool ProgramFolder::WaitForHostWindow(DWORD ms) const {
    return PumpUntil([&] { return HostWindow() != nullptr || !Running(); }, ms, 1) && HostWindow() != nullptr;
}

bool ProgramFolder::WaitUntilAnswering(DWORD ms) const {
    const DWORD start = GetTickCount();
    if (!WaitForHostWindow(ms)) return false;
    const DWORD elapsed = GetTickCount() - start;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(HostWindow(), WM_NULL, 0, 0, SMTO_NORMAL, elapsed >= ms ? 1 : ms - elapsed, &result) != 0;
}

bool ProgramFolder::CallFunction(int32_t type, const std::string &option) {
    if (!kxdll_) kxdll_ = LoadLibraryA((path_ + "KXDLL.dll").c_str());
    using CallFunctionProc = int32_t(WINAPI *)(int32_t, const char *);
    auto call = kxdll_ ? reinterpret_cast<CallFunctionProc>(reinterpret_cast<void *>(GetProcAddress(kxdll_, "CallFunction"))) : nullptr;
    if (!call) return false;
    call(type, option.c_str());
    return true;
}

bool ProgramFolder::Stop(DWORD ms) {
    if (!process_) return true;
    bool clean = true;
    if (Running()) {
        CallFunction(0, "7");
        clean = WaitPumping(process_, ms);
        if (!clean) {
            TerminateProcess(process_, 99);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
    process_ = nullptr;
    processId_ = 0;
    return clean;
}

}  // namespace ptrbench
