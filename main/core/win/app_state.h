// Module state of the running program (one instance per process).
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "clipboard_types.h"
#include "settings.h"
#include "vbHotKey.h"
#include "vbKXPlugin.h"
#include "vbMenu.h"
#include "shared_watch_list.h"

namespace ptr {

class SettingsWindowApi;
class ProgressSink;

struct AppState {
    std::string AppPath;        // program folder, ending in a backslash
    std::string MenuDataPath;   // AppPath + "MenuData\"
    std::string PluginsPath;    // AppPath + "Plugins\"
    bool HelpMode = false;
    float HelpModeScale = 1.0f;
    HWND HostWindow = nullptr;  // the host DLL's hidden window
    bool EventReady = false;    // false during start-up and while one event is handled
    HWND ActivateWnd = nullptr; // foreground window when the current event came
    MainSettings Settings;
    PluginList Plugins;
    ClipboardTypeList ClipboardTypes;                    // CF_Type.ini
    SharedWatchList WatchActions;                        // never empty: see watch_actions.h
    std::vector<std::unique_ptr<vbHotKey>> HotKeys;
    MenuList Menus;
    SettingsWindowApi *SettingsWindow = nullptr;   // set once the settings window is loaded
    ProgressSink *Splash = nullptr;                // set while the splash window is up

    std::string SettingFile() const { return AppPath + "Setting.ini"; }
};

AppState &App();

// Start-up progress (splash window); asMessage shows the text in a message box when
// there is no splash window.
void ShowProgress(const std::string &text, bool asMessage = false, UINT style = MB_OK, int step = 1);
// ShowProgress as the loaders of the portable core take it.
ProgressReport ProgressToSplash();
// A message box titled with the product name.
int ShowMessage(const std::string &text, UINT style);

}  // namespace ptr

namespace ptr {

// Where start-up progress goes while the splash window is up.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void Show(const std::string &text, bool asMessage, UINT style, int step) = 0;
};

}  // namespace ptr
