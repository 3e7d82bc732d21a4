#include "shell_recorder.h"

#include <cwchar>

#include "wine_support.h"

namespace ptrtest {

namespace {

constexpr const wchar_t *kBrowserKey = L"Software\\Wine\\WineBrowser";
const wchar_t *const kCommandValues[] = {L"Browsers", L"Mailers"};

std::wstring Widen(const std::string &text) {
    std::wstring out(text.size(), L'\0');
    out.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                   static_cast<int>(out.size())));
    return out;
}

}  // namespace

ShellRecorder::ShellRecorder() {
    // Wine's process ids repeat in every prefix, and other build trees' tests may be
    // recording at the same time: take a folder nobody has, and leave theirs alone.
    static int counter = 0;
    for (int attempt = 0; attempt < 100 && windowsDir_.empty(); ++attempt) {
        const std::string name = "ptr-shell-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        if (!CreateDirectoryA(("Z:\\tmp\\" + name).c_str(), nullptr)) continue;
        unixDir_ = "/tmp/" + name;
        windowsDir_ = "Z:\\tmp\\" + name + "\\";
    }
    if (windowsDir_.empty()) return;
    // Run through /bin/sh: a file written from Windows carries no execute permission.
    if (!ptrtest::WriteFileBytes(windowsDir_ + "record.sh",
                                 "#!/bin/sh\nprintf '%s %s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/opened.log\"\n"))
        return;
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        return;
    for (const wchar_t *value : kCommandValues) {
        wchar_t former[1024] = {};
        DWORD size = sizeof former - sizeof(wchar_t);
        DWORD type = 0;
        // A recorder command left behind by a run that was killed is no former value.
        if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<BYTE *>(former), &size) == ERROR_SUCCESS &&
            !wcsstr(former, L"/tmp/ptr-shell-"))
            saved_.emplace_back(value, former);
        else
            absent_.push_back(value);
        const std::wstring role = std::wstring(value) == L"Browsers" ? L"browser" : L"mailer";
        const std::wstring command = L"/bin/sh " + Widen(unixDir_) + L"/record.sh " + role;
        RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE *>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
    ready_ = true;
}

ShellRecorder::~ShellRecorder() {
    if (windowsDir_.empty()) return;
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kBrowserKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        for (const auto &[value, former] : saved_)
            RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(former.c_str()),
                           static_cast<DWORD>((former.size() + 1) * sizeof(wchar_t)));
        for (const auto &value : absent_) RegDeleteValueW(key, value.c_str());
        RegCloseKey(key);
    }
    DeleteFileA((windowsDir_ + "record.sh").c_str());
    DeleteFileA((windowsDir_ + "opened.log").c_str());
    RemoveDirectoryA(windowsDir_.c_str());
}

std::vector<std::string> ShellRecorder::Opened() const {
    const std::string log = ptrtest::ReadFileBytes(windowsDir_ + "opened.log");
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(log.substr(start, end - start));
    return lines;
}

std::vector<std::string> ShellRecorder::WaitForOpened(size_t count, DWORD timeoutMs) const {
    ptrtest::PumpUntil([&] { return Opened().size() >= count; }, timeoutMs);
    return Opened();
}

}  // namespace ptrtest
