// Start-up, host events and shutdown of the resident program.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "kxdll.h"

namespace ptr {

// Runs the start-up sequence for the given argument text. True when this process is now
// the resident instance; false when it handed its request on and should end.
bool StartUp(const std::string &arguments);
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
