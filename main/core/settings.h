// The settings of section "Main" of Setting.ini, held in memory while the program runs.
#pragma once
#include <cstdint>
#include <string>

#include "ini_store.h"

namespace ptr {

// The product name: window titles and message box captions.
inline constexpr const char *kProductName = "ポルテリカ";
inline constexpr const char *kDefaultMenuName = "/default";

struct MainSettings {
    int16_t Mode = 0;                     // settings page shown last
    std::string TaskMenu = kDefaultMenuName;  // menu of a left click on the tray icon
    bool SplashShow = true;
    bool EndingCheck = true;
    bool ClipboardWatch = false;
    bool DefaultMenu = true;
    bool IgnorePrivate = true;            // watching leaves copies marked private alone
    // Set only in the Setting.ini the release folder ships: this start is the first,
    // although the file is there. The first save clears it.
    bool Welcome = false;
};

MainSettings LoadSettings(const IniStore &ini);
void SaveSettings(const MainSettings &settings, IniStore &ini);

}  // namespace ptr
