// Start-up, host events and shutdown of the resident program.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "kxdll.h"

namespace ptr {

// The windows start-up brings up, handed in by the program's entry: the core knows them
// only through this, so it builds, and its tests link, without them.
class StartUpWindows {
public:
    virtual ~StartUpWindows() = default;
    // Once, before the first window: what every window of the process relies on.
    virtual void Prepare() = 0;
    // The splash window, up while start-up reads the settings and loads the plug-ins
    // (when SplashShow is on); closing it when none is up does nothing.
    virtual void ShowSplash() = 0;
    virtual void CloseSplash() = 0;
    // The settings window, loaded hidden with its tray icon once start-up is done.
    virtual void LoadSettingsWindow() = 0;
};

// Runs the start-up sequence for the given argument text. True when this process is now
// the resident instance; false when it handed its request on and should end.
bool StartUp(const std::string &arguments, StartUpWindows &windows);
// The host DLL's callback: every clipboard, hotkey, tray and request event arrives here.
int32_t WINAPI HostCallback(int32_t event, INT_PTR a, INT_PTR b);
// Runs work as one event: not at all while another is handled (false), and a clipboard
// change it makes is the program's own, not a copy to watch.
bool RunAsHostEvent(const std::function<void()> &work);
// Ends the program: asks when confirm is set and EndingCheck is on, saves unless noSave.
void QuitProgram(bool confirm, bool noSave);
// Writes section "Main" and every list of Setting.ini.
void SaveAllSettings();
// Reads Plugins\*.tlx in case-insensitive file-name order.
void LoadPlugins();

}  // namespace ptr
