// Start-up to resident: from launching ptrmain to the first function it runs for another
// process, with growing numbers of plug-ins and of watch actions, hotkeys and menu items.
#include <cstdio>
#include <vector>

#include "benches.h"
#include "program_start.h"
#include "program_folder.h"
#include "pump.h"
#include "settings_text.h"
#include "snippet_book.h"
#include "stamp_board.h"
#include "stamp_wait.h"

namespace ptrbench {

namespace {

enum ItemKinds { kWatch = 1, kHotkeys = 2, kMenu = 4, kAllItems = kWatch | kHotkeys | kMenu };

struct Config {
    const char *label;
    int plugins;   // copies of the standard plug-ins besides the probe
    int items;     // watch actions, hotkeys and menu items: this many of each kind named
    int kinds = kAllItems;
    bool phrases = false;   // the phrases plug-in with its book of 10,000 phrases
};

// Key combinations nobody holds now, as many as asked for (fewer when the system runs out).
std::vector<HotkeyLine> FreeHotkeys(size_t count) {
    std::vector<int> keys;
    for (int k = '0'; k <= '9'; ++k) keys.push_back(k);
    for (int k = 'A'; k <= 'Z'; ++k) keys.push_back(k);
    for (int k = VK_F1; k <= VK_F24; ++k) keys.push_back(k);
    for (int k = VK_NUMPAD0; k <= VK_NUMPAD9; ++k) keys.push_back(k);
    for (int k = VK_PRIOR; k <= VK_DOWN; ++k) keys.push_back(k);
    for (int k : {VK_INSERT, VK_DELETE, VK_OEM_1, VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_2,
                  VK_OEM_3, VK_OEM_4, VK_OEM_5, VK_OEM_6, VK_OEM_7})
        keys.push_back(k);
    std::vector<HotkeyLine> lines;
    constexpr int kTrialId = 0xBF00;
    for (int modifiers = 1; modifiers <= 15 && lines.size() < count; ++modifiers)
        for (size_t k = 0; k < keys.size() && lines.size() < count; ++k) {
            if (!RegisterHotKey(nullptr, kTrialId, modifiers, keys[k])) continue;
            UnregisterHotKey(nullptr, kTrialId);
            lines.push_back(HotkeyLine{1, keys[k], modifiers, kProbeStamp});
        }
    return lines;
}

void Prepare(ProgramFolder &folder, const Config &config) {
    folder.AddPlugin(ProbePluginPath(), kProbeFile);
    for (int i = 0; i < config.plugins; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "p%03d.tlx", i + 1);
        folder.AddPlugin(folder.DistDir() + "Plugins\\" + (i % 2 ? "tlxInternet.tlx" : "tlxText.tlx"), name);
    }
    static const char *kTypes[] = {"1", "13,1", "HTML Format", "Rich Text Format,1"};
    std::vector<WatchLine> watch;
    std::vector<MenuLine> menu;
    for (int i = 0; i < config.items; ++i) {
        watch.push_back(PluginAction(kTypes[i % 4], kProbeStamp, i % 2 ? kProbeAccept : ""));
        menu.push_back(MenuLine{"Item " + std::to_string(i + 1), 1, kProbeStamp});
    }
    if (config.phrases) {
        folder.AddPlugin(folder.DistDir() + "Plugins\\tlxSnippet.tlx", "tlxSnippet.tlx");
        WriteBook(folder);
    }
    if (!(config.kinds & kWatch)) watch.clear();
    folder.WriteSettings(SettingsIni(watch, config.kinds & kHotkeys ? FreeHotkeys(static_cast<size_t>(config.items))
                                                                    : std::vector<HotkeyLine>{}));
    if (config.items && (config.kinds & kMenu)) folder.WriteMenu("bench.mnu", MenuIni("Bench", menu));
}

}  // namespace

void RunStartUp(const Options &options) {
    Heading("Start-up: from launching ptrmain to resident (it has run a function that another process asked for)");
    Note("plug-ins: copies of tlxText and tlxInternet in turn, besides the probe; no splash window");
    const Config configs[] = {
        {"0 plug-ins", 0, 0},
        {"10 plug-ins", 10, 0},
        {"100 plug-ins", 100, 0},
        {"10 watch actions, hotkeys and menu items", 0, 10},
        {"100 watch actions, hotkeys and menu items", 0, 100},
        {"1000 watch actions, hotkeys and menu items", 0, 1000},
        {"  1000 watch actions only", 0, 1000, kWatch},
        {"  1000 hotkeys only", 0, 1000, kHotkeys},
        {"  1000 menu items only", 0, 1000, kMenu},
        // After the first, unmeasured start, in the one file a PC writes of its own.
        {"tlxSnippet with 10,000 phrases", 0, 0, kAllItems, true},
    };
    BoardView board;
    for (const Program &program : options.programs) {
        std::vector<double> medians;
        for (const Config &config : configs) {
            ProgramFolder folder(program.distDir);
            Prepare(folder, config);
            std::vector<double> resident, window, idle;
            size_t lost = 0;
            for (int run = -1; run < options.startupRuns; ++run) {
                StartTimes times;
                const bool ok = StartOnce(folder, board, times);
                if (!folder.Stop()) Failure(program.label + config.label + ": ptrmain did not end when asked");
                if (run < 0) continue;   // the first start warms the file cache
                if (!ok) {
                    ++lost;
                    continue;
                }
                resident.push_back(times.resident);
                window.push_back(times.window);
                idle.push_back(times.idle);
            }
            const Summary summary = Summarize(resident, lost);
            Row(program.label + config.label, summary);
            Note("medians to KXDLL's window " + Fixed(Summarize(window).median) + " ms, to input idle " +
                 Fixed(Summarize(idle).median) + " ms");
            medians.push_back(summary.median);
        }
        Heading(program.label + "Start-up growth (differences of the medians above)");
        Note("per plug-in (10 -> 100): " + Fixed((medians[2] - medians[1]) / 90, 3) + " ms");
        Note("per watch action + hotkey + menu item (10 -> 1000): " + Fixed((medians[5] - medians[3]) / 990, 3) + " ms");
        Note("1000 of each against 10 of each: " + Fixed(medians[5] / medians[3], 2) + " times");
        const char *kinds[] = {"watch action", "hotkey", "menu item"};
        for (int i = 0; i < 3; ++i)
            Note(std::string("per ") + kinds[i] + " (0 -> 1000): " + Fixed((medians[6 + i] - medians[0]) / 1000, 3) +
                 " ms");
    }
}

}  // namespace ptrbench
