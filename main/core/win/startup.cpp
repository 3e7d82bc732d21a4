#include <windows.h>

#include <vector>

#include "app_state.h"
#include "basMain.h"
#include "clipboard_watch.h"
#include "command_line.h"
#include "folder_files.h"
#include "host_dll.h"
#include "plugin_host.h"
#include "hotkeys.h"
#include "menus.h"
#include "sort_strings.h"
#include "text_util.h"
#include "vbIniFile.h"

namespace ptr {

namespace {

std::string ProgramFolder() {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            std::string p(path.data(), n);
            return p.substr(0, p.find_last_of('\\') + 1);
        }
        path.resize(path.size() * 2);
    }
}

bool LoadHostDllOrReport(const std::string &folder, bool report) {
    if (HostDll::Load(folder)) return true;
    if (report) ShowMessage("KXDLL.dll を読み込めません。\r\nプログラムのフォルダを確認してください。", MB_OK | MB_ICONERROR);
    return false;
}

// The instance mutex lives as long as the process; a second process finds it taken.
bool AnotherInstanceRunning() {
    HANDLE mutex = CreateMutexA(nullptr, FALSE, "Porterica_ptrmain_Instance");
    return mutex && GetLastError() == ERROR_ALREADY_EXISTS;
}

void ForwardExecute(const CommandLine &cl, const std::string &folder) {
    if (!cl.executeValid || !LoadHostDllOrReport(folder, false)) return;
    HostDll::Get().CallFunction(cl.functionType, cl.functionOption);
}

void OfferRunningInstance(const std::string &folder) {
    const int answer = ShowMessage(
        "本ソフトは既に起動されています。\r\n(多重起動は出来ません)\r\n起動中の本ソフトの設定画面を開きますか？",
        MB_YESNO | MB_ICONWARNING);
    if (answer == IDYES && LoadHostDllOrReport(folder, true)) HostDll::Get().ShowMainProgramWindow();
}

}  // namespace

void LoadPlugins() {
    AppState &app = App();
    app.Plugins.Clear();
    ShowProgress("プラグインを検索しています...");
    std::vector<std::string> names = FileNamesIn(app.PluginsPath);
    if (!names.empty()) SortStrings(names, 0, static_cast<int>(names.size()) - 1);
    SetCurrentDirectoryA(app.PluginsPath.c_str());
    const ProgressReport progress = ProgressToSplash();
    for (const std::string &name : names) {
        if (!EndsWithNoCase(name, ".TLX")) continue;
        auto plugin = std::make_unique<vbKXPlugin>(HostDll::Get());
        if (!plugin->Init(app.PluginsPath, name, progress)) continue;
        ShowProgress("プラグインを初期化しています...\r\n" + name);
        app.Plugins.Add(std::move(plugin));
    }
    SetCurrentDirectoryA(app.AppPath.c_str());
}

bool StartUp(const std::string &arguments, StartUpWindows &windows) {
    const std::string folder = ProgramFolder();
    const CommandLine cl = ParseCommandLine(arguments);
    if (cl.kind == CommandLine::Kind::Execute) {
        ForwardExecute(cl, folder);
        return false;
    }
    if (AnotherInstanceRunning()) {
        OfferRunningInstance(folder);
        return false;
    }
    windows.Prepare();

    AppState &app = App();
    app.HelpMode = cl.kind == CommandLine::Kind::HelpMode;
    app.HelpModeScale = app.HelpMode ? 1.3f : 1.0f;
    app.EventReady = false;
    app.AppPath = folder;
    app.MenuDataPath = folder + "MenuData\\";
    app.PluginsPath = folder + "Plugins\\";

    app.Settings = LoadSettings(vbIniFile(app.SettingFile()));
    windows.ShowSplash();
    ShowProgress("設定を読み込んでいます...");
    LoadClipboardTypes();
    ShowProgress("メインDLLを初期化しています...");
    if (!LoadHostDllOrReport(folder, true)) {
        windows.CloseSplash();
        return false;
    }
    app.HostWindow = HostDll::Get().Init(HostCallback);
    HostDll::Get().SetPluginHost(PluginHost());
    LoadPlugins();
    LoadWatchActions();
    LoadHotkeys();
    LoadMenus();
    ShowProgress("初期化を終了しています...");
    app.EventReady = true;
    windows.LoadSettingsWindow();
    windows.CloseSplash();
    return true;
}

}  // namespace ptr
