// Start-up time of ptrmain until it waits for input, with 0, 100 and 1,000 watch
// actions, hotkeys and menu items. Not a test: it measures and prints.
//   startup_bench.exe <release folder>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Numbered(int n, const char *key) {
    char text[32];
    std::snprintf(text, sizeof text, "%03d%s", n, key);
    return text;
}

void Write(const std::string &path, const std::string &text) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(h);
}

// n distinct combinations that nothing else uses: letters, digits, F1-F24 and the
// numeric keypad with every non-empty set of modifiers.
std::vector<std::pair<int, int>> Combinations(int n) {
    std::vector<int> keys;
    for (int k = 'A'; k <= 'Z'; ++k) keys.push_back(k);
    for (int k = '0'; k <= '9'; ++k) keys.push_back(k);
    for (int k = VK_F1; k <= VK_F24; ++k) keys.push_back(k);
    for (int k = VK_NUMPAD0; k <= VK_NUMPAD9; ++k) keys.push_back(k);
    std::vector<std::pair<int, int>> out;
    for (int mod = 1; mod <= 15 && static_cast<int>(out.size()) < n; ++mod)
        for (int key : keys)
            if (static_cast<int>(out.size()) < n) out.emplace_back(key, mod);
    return out;
}

void Prepare(const std::string &dist, const std::string &dir, int n) {
    CreateDirectoryA(dir.c_str(), nullptr);
    CreateDirectoryA((dir + "Plugins").c_str(), nullptr);
    CreateDirectoryA((dir + "MenuData").c_str(), nullptr);
    for (const char *file : {"ptrmain.exe", "KXDLL.dll", "CF_Type.ini"})
        CopyFileA((dist + file).c_str(), (dir + file).c_str(), FALSE);
    CopyFileA((dist + "Plugins\\tlxText.tlx").c_str(), (dir + "Plugins\\tlxText.tlx").c_str(), FALSE);

    std::string ini = "[Main]\r\nSplashShow= 0\r\nEndingCheck= 0\r\nClipboardWatch= 1\r\nDefaultMenu= 1\r\n[Watch]\r\n";
    for (int i = 1; i <= n; ++i)
        ini += Numbered(i, "Enable") + "= 1\r\n" + Numbered(i, "Type") + "=1,13,HTML Format,Rich Text Format\r\n" +
               Numbered(i, "AllType") + "= 0\r\n" + Numbered(i, "Function") + "= 1\r\n" + Numbered(i, "Option") +
               "=tlxText.tlx/1/1\r\n" + Numbered(i, "PluginCheck") + "=tlxText.tlx/2/1\r\n" +
               Numbered(i, "PluginCheckAnd") + "= 1\r\n";
    ini += Numbered(n + 1, "Function") + "=-1\r\n[HotKey]\r\n";
    int i = 1;
    for (const auto &[key, mod] : Combinations(n)) {
        ini += Numbered(i, "Function") + "= 3\r\n" + Numbered(i, "Key") + "= " + std::to_string(key) + "\r\n" +
               Numbered(i, "ModKey") + "= " + std::to_string(mod) + "\r\n" + Numbered(i, "Option") + "=notes.txt\r\n";
        ++i;
    }
    ini += Numbered(i, "Function") + "=-1\r\n";
    Write(dir + "Setting.ini", ini);

    // One menu file: n items, every tenth opening a sub-menu of five.
    std::string menu = "[Main]\r\nMenuName=Bench\r\nMenu=Menu\r\n[Menu]\r\n";
    std::string subs;
    for (int m = 1; m <= n; ++m) {
        menu += Numbered(m, "Caption") + "=Item " + std::to_string(m) + "\r\n";
        if (m % 10 == 0) {
            const std::string section = Numbered(m / 10, "SubMenu");
            menu += Numbered(m, "Type") + "=SubMenu\r\n" + Numbered(m, "SubMenu") + "=" + section + "\r\n";
            subs += "[" + section + "]\r\n";
            for (int s = 1; s <= 5; ++s)
                subs += Numbered(s, "Caption") + "=Sub " + std::to_string(s) + "\r\n" + Numbered(s, "Type") +
                        "=Function\r\n" + Numbered(s, "FuncType") + "= 3\r\n" + Numbered(s, "FuncOption") + "=x.txt\r\n";
        } else {
            menu += Numbered(m, "Type") + "=Function\r\n" + Numbered(m, "FuncType") + "= 1\r\n" +
                    Numbered(m, "FuncOption") + "=tlxText.tlx/1/1\r\n";
        }
    }
    Write(dir + "MenuData\\bench.mnu", menu + subs);
}

bool Run(const std::string &dir, const std::string &arguments, PROCESS_INFORMATION &pi) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string cmd = "\"" + dir + "ptrmain.exe\" " + arguments;
    return CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi) != 0;
}

// Milliseconds from process creation until it waits for input; -1 on failure.
double StartOnce(const std::string &dir, bool &reported) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    PROCESS_INFORMATION pi = {};
    QueryPerformanceCounter(&start);
    if (!Run(dir, "", pi)) return -1;
    const DWORD idle = WaitForInputIdle(pi.hProcess, 120000);
    QueryPerformanceCounter(&end);
    reported = FindWindowA("#32770", "ポルテリカ") != nullptr;   // a message box would stop start-up
    PROCESS_INFORMATION quit = {};
    if (Run(dir, "/Execute:0:7", quit)) {
        WaitForSingleObject(quit.hProcess, 30000);
        CloseHandle(quit.hProcess);
        CloseHandle(quit.hThread);
    }
    if (WaitForSingleObject(pi.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return idle == 0 ? 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart : -1;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench <release folder>\n");
        return 2;
    }
    std::string dist = argv[1];
    if (dist.back() != '\\') dist += '\\';
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::printf("%-8s %10s %10s %10s\n", "entries", "min ms", "median ms", "max ms");
    for (int n : {0, 100, 1000}) {
        const std::string dir = std::string(temp) + "ptr-bench-" + std::to_string(n) + "\\";
        Prepare(dist, dir, n);
        std::vector<double> times;
        bool reported = false;
        for (int run = 0; run < 5; ++run) times.push_back(StartOnce(dir, reported));
        std::sort(times.begin(), times.end());
        std::printf("%-8d %10.0f %10.0f %10.0f%s\n", n, times.front(), times[times.size() / 2], times.back(),
                    reported ? "  (a message box came up)" : "");
        std::fflush(stdout);
    }
    return 0;
}
